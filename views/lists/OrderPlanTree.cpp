#include "views/lists/OrderPlanTree.h"

#include "model/ChannelList.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTreeWidget>

#include <algorithm>
#include <limits>

namespace vormante {

namespace planview {

namespace {

QString SatelliteName(const ChannelDatabase& db, int satellite) {
    return IsSatelliteSlot(satellite) ? QString::fromLatin1(db.Satellite(satellite).name()) : QString();
}

} // namespace

QString Count(std::size_t count, Noun noun) {
    // One text for one and one for more, so the English stays "1 channel", "2 channels";
    // languages with more plural forms fill them in the second.
    static const char* const TEXTS[][2] = {
        {QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n channel"),
         QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n channels")},
        //: Lines of a text file.
        {QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n line"), QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n lines")},
        {QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n satellite"),
         QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n satellites")},
        //: Services: channels as the broadcaster sends them; a service stored twice is a duplicate.
        {QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n service"),
         QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n services")},
        {QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n transponder"),
         QT_TRANSLATE_N_NOOP("OrderPlanTree", "%n transponders")},
    };
    const int n = static_cast<int>(std::min<std::size_t>(count, std::numeric_limits<int>::max()));
    return QCoreApplication::translate("OrderPlanTree", TEXTS[static_cast<int>(noun)][count == 1 ? 0 : 1],
                                       nullptr, n);
}

QString ChannelText(const ChannelDatabase& db, int satellite, bool tv, int number, const std::string& name) {
    return QStringLiteral("%1: %2 %3 %4")
        .arg(SatelliteName(db, satellite),
             //: A channel's kind, before its number: "TV 3 Das Erste".
             tv ? QCoreApplication::translate("OrderPlanTree", "TV")
                //: A channel's kind, before its number: "Radio 3 Bayern 1".
                : QCoreApplication::translate("OrderPlanTree", "Radio"),
             QString::number(number), QString::fromLatin1(name));
}

QString FlagChangeText(unsigned before, unsigned after) {
    static const std::pair<unsigned, const char*> FLAGS[] = {
        //: The channel flag that locks a channel behind the receiver's PIN.
        {FLAG_LOCKED, QT_TRANSLATE_NOOP("OrderPlanTree", "Lock")},
        //: The channel flag of an encrypted channel.
        {FLAG_SCRAMBLED, QT_TRANSLATE_NOOP("OrderPlanTree", "Scrambled")},
        //: Favourite list 1 (a channel flag).
        {FLAG_FAV1, QT_TRANSLATE_NOOP("OrderPlanTree", "Fav 1")},
        //: Favourite list 2 (a channel flag).
        {FLAG_FAV2, QT_TRANSLATE_NOOP("OrderPlanTree", "Fav 2")},
        //: Favourite list 3 (a channel flag).
        {FLAG_FAV3, QT_TRANSLATE_NOOP("OrderPlanTree", "Fav 3")},
        //: Favourite list 4 (a channel flag).
        {FLAG_FAV4, QT_TRANSLATE_NOOP("OrderPlanTree", "Fav 4")}};
    QStringList parts;
    for (const auto& [bit, name] : FLAGS) {
        if (((before ^ after) & bit) == 0)
            continue;
        const QString flag = QCoreApplication::translate("OrderPlanTree", name);
        //: %1 is a channel flag (Lock, Fav 1...) that gets set.
        parts << ((after & bit) != 0 ? QCoreApplication::translate("OrderPlanTree", "%1 on").arg(flag)
                                     //: %1 is a channel flag (Lock, Fav 1...) that gets cleared.
                                     : QCoreApplication::translate("OrderPlanTree", "%1 off").arg(flag));
    }
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
        //: %1 is a channel at its new place, %2 its number before.
        moved << QCoreApplication::translate("OrderPlanTree", "%1 (was %2)")
                     .arg(ChannelText(db, channel.satellite, channel.tv, channel.numberAfter, channel.name),
                          QString::number(channel.numberBefore));
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
    //: A group of channels that move to another place.
    AddGroup(tree, QCoreApplication::translate("OrderPlanTree", "Moved"), moved);
    //: A group of channels that get another name.
    AddGroup(tree, QCoreApplication::translate("OrderPlanTree", "Renamed"), renamed);
    AddGroup(tree, QCoreApplication::translate("OrderPlanTree", "Flags changed"), flags);
    AddGroup(tree, missingCaption, missing);
}

} // namespace planview

} // namespace vormante
