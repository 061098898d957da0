#include "views/lists/OrderPlanTree.h"

#include "model/ChannelList.h"

#include <QStringList>
#include <QTreeWidget>

namespace planview {

using namespace vormante;

namespace {

QString SatelliteName(const ChannelDatabase& db, int satellite) {
    return IsSatelliteSlot(satellite) ? QString::fromLatin1(db.Satellite(satellite).name()) : QString();
}

} // namespace

QString Count(std::size_t count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString ChannelText(const ChannelDatabase& db, int satellite, bool tv, int number, const std::string& name) {
    return QStringLiteral("%1: %2 %3 %4")
        .arg(SatelliteName(db, satellite), tv ? QStringLiteral("TV") : QStringLiteral("Radio"))
        .arg(number)
        .arg(QString::fromLatin1(name));
}

QString FlagChangeText(unsigned before, unsigned after) {
    static const std::pair<unsigned, const char*> FLAGS[] = {
        {FLAG_LOCKED, "Lock"}, {FLAG_SCRAMBLED, "Scrambled"}, {FLAG_FAV1, "Fav 1"},
        {FLAG_FAV2, "Fav 2"},  {FLAG_FAV3, "Fav 3"},          {FLAG_FAV4, "Fav 4"}};
    QStringList parts;
    for (const auto& [bit, name] : FLAGS)
        if ((before ^ after) & bit)
            parts << QStringLiteral("%1 %2").arg(QLatin1String(name),
                                                 after & bit ? QStringLiteral("on") : QStringLiteral("off"));
    return parts.join(QStringLiteral(", "));
}

QTreeWidget* MakeChangesTree(QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QStringLiteral("changesTree"));
    tree->setHeaderHidden(true);
    tree->setMinimumSize(480, 300);
    return tree;
}

QStringList GroupCaptions(const QTreeWidget* tree) {
    QStringList captions;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        captions << tree->topLevelItem(i)->text(0);
    return captions;
}

QTreeWidgetItem* AddGroup(QTreeWidget* tree, const QString& caption, const QStringList& texts) {
    if (texts.isEmpty())
        return nullptr;
    auto* group = new QTreeWidgetItem(tree, {QStringLiteral("%1 (%2)").arg(caption).arg(texts.size())});
    for (const QString& text : texts)
        new QTreeWidgetItem(group, {text});
    return group;
}

void AddOrderPlanGroups(QTreeWidget* tree, const ChannelDatabase& db, const ChannelOrderPlan& plan,
                        const QString& missingCaption) {
    QStringList moved, renamed, flags, missing;
    for (const PlannedChannel& channel : plan.moved)
        moved << QStringLiteral("%1 (was %2)")
                     .arg(ChannelText(db, channel.satellite, channel.tv, channel.numberAfter, channel.name))
                     .arg(channel.numberBefore);
    for (const PlannedRename& rename : plan.renamed)
        renamed << QStringLiteral("%1: %2 \u2192 %3")
                       .arg(SatelliteName(db, rename.satellite), QString::fromLatin1(rename.before),
                            QString::fromLatin1(rename.after));
    for (const PlannedFlags& change : plan.flagsChanged)
        flags << QStringLiteral("%1: %2: %3")
                     .arg(SatelliteName(db, change.satellite), QString::fromLatin1(change.name),
                          FlagChangeText(change.before, change.after));
    for (const PlannedChannel& channel : plan.missing)
        missing << ChannelText(db, channel.satellite, channel.tv, channel.numberBefore, channel.name);
    AddGroup(tree, QStringLiteral("Moved"), moved);
    AddGroup(tree, QStringLiteral("Renamed"), renamed);
    AddGroup(tree, QStringLiteral("Flags changed"), flags);
    AddGroup(tree, missingCaption, missing);
}

} // namespace planview
