#include "views/lists/NamesOrderDialog.h"

#include "document/StepNames.h"
#include "model/BulkOperations.h"
#include "views/lists/OrderPlanTree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vormante {

namespace {

constexpr int MAX_PICK_BOXES = 200;

bool HoldsChannels(const ChannelDatabase& db, int satellite) {
    return db.Satellite(satellite).isUsed() && IsChannelSlot(db.Satellite(satellite).firstChannel());
}

} // namespace

NamesOrderDialog::NamesOrderDialog(const ChannelDatabase& db, const NamesListResult& list,
                                   const QString& listName, int satellite, bool tv, QWidget* parent)
    : PlanPreviewDialog(tr("Order by a list of names"), QStringLiteral("namesOrderDialog"), parent), db_(db),
      list_(list), listName_(listName) {

    satelliteCombo_ = new QComboBox(this);
    satelliteCombo_->setObjectName(QStringLiteral("satelliteComboBox"));
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        if (HoldsChannels(db, s))
            satelliteCombo_->addItem(steps::SatelliteLabel(db, s), s);
    const int shown = satelliteCombo_->findData(satellite);
    satelliteCombo_->setCurrentIndex(shown >= 0 ? shown : 0);
    kindButtons_ =
        MakeKindButtons(this,
                        //: Order the TV channels (a choice beside Radio).
                        tr("TV"),
                        //: Order the radio channels (a choice beside TV).
                        tr("Radio"), QStringLiteral("tvRadioButton"), QStringLiteral("radioRadioButton"));
    kindButtons_.Show(tv);
    auto* satelliteLabel = new QLabel(tr("Satellite:"), this);
    satelliteLabel->setBuddy(satelliteCombo_);
    auto* top = new QHBoxLayout;
    top->addWidget(satelliteLabel);
    top->addWidget(satelliteCombo_, 1);
    top->addSpacing(8);
    kindButtons_.AddTo(top);

    QTreeWidget* lines = linesTree();
    lines->setObjectName(QStringLiteral("linesTree"));
    lines->setHeaderHidden(false);
    lines->setHeaderLabels({
        //: Column caption: the line number in the list of names.
        tr("Line"),
        //: Column caption: the name as the list spells it.
        tr("In the list"),
        //: Column caption: the channel of the image the line matches.
        tr("Channel"),
        //: Column caption: how the name matched (exact, case-folded, loose).
        tr("Match"),
    });
    lines->setMinimumWidth(560);

    renameCheckBox_ = new QCheckBox(tr("Give matched channels the list's spelling"), this);
    renameCheckBox_->setObjectName(QStringLiteral("renameCheckBox"));
    deleteMissingCheckBox_ = new QCheckBox(tr("Delete channels missing from the list"), this);
    deleteMissingCheckBox_->setObjectName(QStringLiteral("deleteMissingCheckBox"));

    LayOut({renameCheckBox_, deleteMissingCheckBox_}, nullptr, top);

    const auto newSatelliteOrKind = [this] {
        picks_.clear();
        Replan();
    };
    connect(satelliteCombo_, &QComboBox::currentIndexChanged, this, newSatelliteOrKind);
    connect(kindButtons_.tv, &QRadioButton::toggled, this, newSatelliteOrKind);
    connect(renameCheckBox_, &QCheckBox::toggled, this, &NamesOrderDialog::Replan);
    connect(deleteMissingCheckBox_, &QCheckBox::toggled, this, &NamesOrderDialog::Replan);
    Replan();
}

void NamesOrderDialog::pick(std::size_t line, int channel) {
    picks_[line] = channel;
    Replan();
}

void NamesOrderDialog::Replan() {
    NamesOrderOptions options;
    options.satellite = satelliteCombo_->currentIndex() >= 0 ? satelliteCombo_->currentData().toInt() : -1;
    options.tv = kindButtons_.tvChosen();
    options.rename = renameCheckBox_->isChecked();
    options.deleteUnlisted = deleteMissingCheckBox_->isChecked();
    options.picks = picks_;
    plan_ = PlanNamesOrder(db_, list_.lines, options);
    kind_ = IsSatelliteSlot(options.satellite) ? ChannelsOfKind(db_, options.satellite, options.tv)
                                               : std::vector<int>{};
    deleteMissingCheckBox_->setEnabled(!plan_.unlisted.empty() || deleteMissingCheckBox_->isChecked());
    FillTree();
    UpdateSummary();
}

QString NamesOrderDialog::channelText(int channel) const {
    const auto at = std::find(kind_.begin(), kind_.end(), channel);
    //: %1 is the channel's name, %2 its number in the list.
    return tr("%1 (No %2)").arg(steps::ChannelLabel(db_, channel), QString::number(at - kind_.begin() + 1));
}

QTreeWidgetItem* NamesOrderDialog::AddGroup(const QString& caption, int count) {
    auto* group = new QTreeWidgetItem(linesTree(), {QStringLiteral("%1 (%2)").arg(caption).arg(count)});
    group->setFirstColumnSpanned(true);
    group->setExpanded(true);
    return group;
}

// A box in the line's channel cell listing its candidates; choosing one replans
// once the box's signal has returned, since replanning rebuilds the tree.
void NamesOrderDialog::AddPickBox(QTreeWidgetItem* item, std::size_t line) {
    const MatchedNameLine& matched = plan_.lines[line];
    auto* box = new QComboBox;
    box->setObjectName(QStringLiteral("pickComboBox%1").arg(line));
    for (const int channel : matched.candidates)
        box->addItem(channelText(channel), channel);
    box->setCurrentIndex(box->findData(matched.channel));
    connect(box, &QComboBox::currentIndexChanged, this, [this, box, line](int index) {
        const int channel = box->itemData(index).toInt();
        QMetaObject::invokeMethod(
            this, [this, line, channel] { pick(line, channel); }, Qt::QueuedConnection);
    });
    linesTree()->setItemWidget(item, CHANNEL_COLUMN, box);
}

void NamesOrderDialog::FillTree() {
    linesTree()->clear();
    const auto lineText = [](const MatchedNameLine& line) { return QString::number(line.line); };
    const std::size_t matched = plan_.lines.size() - plan_.Count(NameMatch::None);
    int boxes = 0;
    if (matched > 0) {
        QTreeWidgetItem* group = AddGroup(tr("Matched lines"), static_cast<int>(matched));
        for (std::size_t l = 0; l < plan_.lines.size(); ++l) {
            const MatchedNameLine& line = plan_.lines[l];
            if (line.channel < 0)
                continue;
            QString how = QString::fromStdString(NameMatchShown(line.match));
            if (!line.candidates.empty())
                //: %1 is how the name matched, %2 the number of channels it could be.
                how = tr("%1, one of %2").arg(how, QString::number(line.candidates.size()));
            auto* item = new QTreeWidgetItem(
                group, {lineText(line), QString::fromUtf8(line.name), channelText(line.channel), how});
            // Boxes are widgets: thousands of alike names get boxes on their first lines only.
            if (!line.candidates.empty() && boxes++ < MAX_PICK_BOXES)
                AddPickBox(item, l);
        }
    }
    if (const std::size_t none = plan_.Count(NameMatch::None); none > 0) {
        QTreeWidgetItem* group = AddGroup(tr("Lines that match no channel"), static_cast<int>(none));
        for (const MatchedNameLine& line : plan_.lines)
            if (line.channel < 0)
                new QTreeWidgetItem(group, {lineText(line), QString::fromUtf8(line.name), QString(),
                                            line.latin1 ? tr("no such name") : tr("not Latin-1")});
    }
    if (!plan_.unlisted.empty()) {
        QTreeWidgetItem* group =
            AddGroup(tr("Channels not in the list"), static_cast<int>(plan_.unlisted.size()));
        const QString fate =
            plan_.options.deleteUnlisted ? tr("to be deleted") : tr("kept after the listed ones");
        for (const int channel : plan_.unlisted)
            new QTreeWidgetItem(group, {QString(), QString(), channelText(channel), fate});
    }
    if (!plan_.order.renamed.empty()) {
        QTreeWidgetItem* group =
            //: A group of channels that get another name.
            AddGroup(tr("Renamed"), static_cast<int>(plan_.order.renamed.size()));
        for (const PlannedRename& rename : plan_.order.renamed) {
            const auto line =
                std::find_if(plan_.lines.begin(), plan_.lines.end(),
                             [&](const MatchedNameLine& l) { return l.channel == rename.channel; });
            new QTreeWidgetItem(group, {line != plan_.lines.end() ? lineText(*line) : QString(),
                                        QString::fromLatin1(rename.after), channelText(rename.channel),
                                        tr("takes this spelling")});
        }
    }
    if (!plan_.namesTooLong.empty()) {
        QTreeWidgetItem* group = AddGroup(tr("Names that do not fit 11 Latin-1 characters"),
                                          static_cast<int>(plan_.namesTooLong.size()));
        for (const std::size_t l : plan_.namesTooLong)
            new QTreeWidgetItem(group, {lineText(plan_.lines[l]), QString::fromUtf8(plan_.lines[l].name),
                                        channelText(plan_.lines[l].channel), tr("keeps its name")});
    }
    for (int column = LINE_COLUMN; column <= MATCH_COLUMN; ++column)
        linesTree()->resizeColumnToContents(column);
}

void NamesOrderDialog::UpdateSummary() {
    using planview::Count;
    using planview::Noun;
    const auto number = [](std::size_t n) { return QString::number(n); };
    //: %1 is the list's file name, %2 its character encoding, %3 a number of lines ("12 lines"),
    //: %4 to %7 numbers of lines.
    QString text = tr("%1 (%2), %3: %4 exact, %5 case-folded, %6 loose, %7 matching no channel.")
                       .arg(listName_, QLatin1String(EncodingName(list_.encoding)),
                            Count(plan_.lines.size(), Noun::Line), number(plan_.Count(NameMatch::Exact)),
                            number(plan_.Count(NameMatch::CaseFolded)), number(plan_.Count(NameMatch::Loose)),
                            number(plan_.Count(NameMatch::None)));
    const QLatin1Char space(' ');
    if (const std::size_t several = plan_.Ambiguous(); several > 0)
        //: %1 is a number of lines ("2 lines").
        text += space + tr("%1 could take several channels: pick one in the Channel column.")
                            .arg(Count(several, Noun::Line));
    if (!plan_.ChangesImage()) {
        text += space + tr("The list changes nothing.");
    } else {
        //: %1 is a number of channels ("3 channels").
        text += space + tr("Moved: %1.").arg(Count(plan_.order.moved.size(), Noun::Channel));
        if (plan_.options.rename)
            //: %1 is a number of channels ("3 channels").
            text += space + tr("Renamed: %1.").arg(Count(plan_.order.renamed.size(), Noun::Channel));
        if (plan_.options.deleteUnlisted && !plan_.unlisted.empty())
            //: %1 is a number of channels ("3 channels").
            text += space + tr("Deleted: %1.").arg(Count(plan_.unlisted.size(), Noun::Channel));
    }
    summaryLabel()->setText(text);
}

} // namespace vormante
