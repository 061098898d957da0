#include "views/channels/ChannelListPage.h"

#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "document/Document.h"
#include "document/StepNames.h"
#include "model/BulkOperations.h"
#include "model/ChannelDatabase.h"
#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelCommands.h"
#include "views/channels/ChannelPageCommands.h"
#include "views/channels/ChannelPageMenu.h"
#include "views/channels/ChannelRowTexts.h"
#include "views/channels/MoveToDialog.h"
#include "views/common/ChannelCounts.h"
#include "views/common/CommandGuard.h"
#include "views/common/DocumentFollower.h"
#include "views/common/ListFilterBar.h"
#include "views/common/ListKeeper.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vormante {

using vormante::ChannelDatabase;
using vormante::SortKind;

namespace {

QLabel* CountLabel(QWidget* parent, const QString& objectName) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(objectName);
    label->setMinimumWidth(32);
    return label;
}

// Only used satellites whose chain starts at a channel slot hold channels; a free
// slot's leftover links name nothing.
bool HoldsChannels(vormante::ConstSatelliteRecord satellite) {
    return satellite.isUsed() && vormante::IsChannelSlot(satellite.firstChannel());
}

} // namespace

ChannelListPage::ChannelListPage(QWidget* parent)
    : QWidget(parent),
      follower_(new vormante::DocumentFollower(
          this, [this](const vormante::DocumentChange& change, bool own) { FollowChange(change, own); })) {
    dialogRunner_ = [](QDialog& dialog) { return dialog.exec(); };
    pageCommands_ = std::make_unique<ChannelPageCommands>(*this);
    BuildControls();
    BuildKeeper();
    channels_ = new ChannelCommands(this, keeper_, pageCommands_->ChannelContext());
    bulk_ = channels_->bulk();
    contextMenu_ = channelmenu::Build(this, bulk_);
    // The filter box stands right above the list.
    filterBar_ = new ListFilterBar(this);
    filterBar_->setObjectName(QStringLiteral("channelFilterBar"));
    filterRow_->insertWidget(0, filterBar_, 1);
    filterBar_->Attach(channelList_);
}

ChannelListPage::~ChannelListPage() = default;

void ChannelListPage::BuildControls() {
    QHBoxLayout* top = BuildSatelliteRow();
    BuildFilterRow();
    channelList_ = new ColumnListCtrl(this);
    channelList_->setObjectName(QStringLiteral("channelList"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(filterRow_);
    layout->addWidget(channelList_, 1);
    ConnectControls();
}

// The satellite box and the TV and radio choice.
QHBoxLayout* ChannelListPage::BuildSatelliteRow() {
    auto* satelliteLabel = new QLabel(tr("Select Satellite:"), this);
    satelliteCombo_ = new QComboBox(this);
    satelliteCombo_->setObjectName(QStringLiteral("satelliteComboBox"));
    satelliteCombo_->setEditable(true);
    satelliteCombo_->setInsertPolicy(QComboBox::NoInsert);
    satelliteCombo_->setMinimumWidth(130);
    satelliteLabel->setBuddy(satelliteCombo_);

    kindButtons_ =
        MakeKindButtons(this,
                        //: Show the TV channels (a choice beside Radio).
                        tr("TV"),
                        //: Show the radio channels (a choice beside TV).
                        tr("Radio"), QStringLiteral("tvRadioButton"), QStringLiteral("radioRadioButton"));

    auto* top = new QHBoxLayout;
    top->addWidget(satelliteLabel);
    top->addWidget(satelliteCombo_);
    top->addSpacing(8);
    kindButtons_.AddTo(top);
    top->addStretch(1);
    return top;
}

// The counts stand right of the filter box (added by the constructor), so the
// page fits a window 640 pixels wide.
void ChannelListPage::BuildFilterRow() {
    const QString captions[COUNTS] = {
        //: The number of TV channels follows.
        tr("TV No:"),
        //: The number of radio channels follows.
        tr("Radio No:"),
        //: The number of all channels follows.
        tr("Total No:"),
    };
    static constexpr const char* NAMES[COUNTS] = {"tvCountLabel", "radioCountLabel", "totalCountLabel"};
    filterRow_ = new QHBoxLayout;
    filterRow_->addSpacing(8);
    for (int count = 0; count < COUNTS; ++count) {
        countLabels_[count] = CountLabel(this, QLatin1String(NAMES[count]));
        filterRow_->addWidget(new QLabel(captions[count], this));
        filterRow_->addWidget(countLabels_[count]);
    }
}

void ChannelListPage::ConnectControls() {
    connect(kindButtons_.tv, &QRadioButton::clicked, this, [this] { KindClicked(true); });
    connect(kindButtons_.radio, &QRadioButton::clicked, this, [this] { KindClicked(false); });
    connect(satelliteCombo_, &QComboBox::currentIndexChanged, this, &ChannelListPage::satelliteChosen);
    connect(channelList_, &ColumnListCtrl::rowContextMenuRequested, this, &ChannelListPage::ShowContextMenu);
    channelList_->SetRowsDraggable(true);
    connect(
        channelList_, &ColumnListCtrl::rowsDropped, this,
        [this](int row) { RunGuarded(this, [this, row] { DropSelectedAt(row); }); },
        Qt::QueuedConnection); // after the drag has ended
    connect(channelList_, &ColumnListCtrl::rowDoubleClicked, this, [this](int row) {
        if (row >= 0)
            Guarded(&ChannelListPage::EditChannelCommand);
    });
}

void ChannelListPage::Guarded(void (ChannelListPage::*command)()) {
    RunGuarded(this, [this, command] { (this->*command)(); });
}

const ChannelDatabase* ChannelListPage::database() const {
    return document_ ? &document_->database() : nullptr;
}

bool ChannelListPage::Change(const QString& name, const std::function<void(ChannelDatabase&)>& operation,
                             const QString& mergeKey) {
    return follower_->Change(name, operation, mergeKey);
}

// The rows: the shown satellite's channels of the shown kind, in chain order.
void ChannelListPage::BuildKeeper() {
    vormante::ListKeeper::Source rows;
    rows.records = [this] { return ListedChannels(SatelliteOfChoice(satelliteChoice_)); };
    rows.cells = [this](int channel) { return channelrow::RowTexts(*database(), channel, 0).mid(1); };
    // A row shows its channel, its transponder and the transponder's satellite.
    rows.touched = [this](int channel, const vormante::DocumentChange& change) {
        if (change.TouchesChannel(channel))
            return true;
        const int transponder = database()->Channel(channel).transponder();
        if (!vormante::IsTransponderSlot(transponder))
            return false;
        return change.TouchesTransponder(transponder) ||
               change.TouchesSatellite(static_cast<int>(database()->Transponder(transponder).satellite()));
    };
    keeper_ =
        new vormante::ListKeeper(channelList_, std::move(rows), vormante::ListKeeper::Scroll::PageOfCurrent,
                                 vormante::ListKeeper::CurrentRule::FocusRow);
}

void ChannelListPage::FollowDocument() {
    FollowChange(vormante::DocumentFollower::Everything(), false);
}

// The one place the page follows the document. A change made elsewhere keeps the
// shown satellite, the same channels current and selected, the first row shown and
// the focus; the page's own commands have said where the list stands.
void ChannelListPage::FollowChange(const vormante::DocumentChange& change, bool own) {
    if (!document_ || !document_->isOpen()) {
        keeper_->DropPlan();
        return;
    }
    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (own && showCurrentSatellite_) {
        // The command stored a channel on the current satellite: show that one.
        const int stored = ChoiceOfSatellite(static_cast<int>(database()->Settings().currentSatellite()));
        if (stored >= 0)
            satelliteChoice_ = stored;
    } else if (!own) {
        keeper_->Plan(vormante::Placement::Follow());
        KeepShownSatellite();
    }
    showCurrentSatellite_ = false;
    if (boxEntries() != currentBoxEntries() || keeper_->NeedsRefill(change)) {
        Refresh();
    } else {
        keeper_->Rewrite(change);
        UpdateCounters();
    }
    keeper_->DropPlan();
    if (!own && focus)
        focus->setFocus();
}

// The same satellite may stand at another place of the box now.
void ChannelListPage::KeepShownSatellite() {
    const int satellite = ShownSatellite();
    int satellites = 0;
    while (SatelliteOfChoice(satellites) >= 0)
        ++satellites;
    if (satellite >= 0) {
        for (int index = 0; index < satellites; ++index)
            if (SatelliteOfChoice(index) == satellite)
                satelliteChoice_ = index;
    }
    if (satelliteChoice_ >= satellites)
        satelliteChoice_ = std::max(0, satellites - 1);
}

QStringList ChannelListPage::boxEntries() const {
    QStringList names;
    for (int slot = 0; slot < vormante::SATELLITE_SLOTS; ++slot) {
        const vormante::ConstSatelliteRecord satellite = database()->Satellite(slot);
        if (HoldsChannels(satellite)) {
            const std::string name = satellite.name();
            names << steps::FromLatin1(name);
        }
    }
    return names;
}

QStringList ChannelListPage::currentBoxEntries() const {
    QStringList names;
    for (int index = 0; index < satelliteCombo_->count(); ++index)
        names << satelliteCombo_->itemText(index);
    return names;
}

std::vector<int> ChannelListPage::ListedChannels(int satellite) const {
    std::vector<int> listed;
    for (const int channel : vormante::ChannelsOfKind(*database(), satellite, showTv_))
        if (database()->Channel(channel).state() == vormante::ChannelRecord::STATE_IN_USE)
            listed.push_back(channel);
    return listed;
}

void ChannelListPage::Initialize(vormante::Document& document) {
    channelList_->BuildColumns(channelrow::ColumnSpec());
    channelList_->setCurrentRow(0);
    savedTvRow_ = 0;
    savedRadioRow_ = 0;
    document_ = &document;
    follower_->Follow(document);
    satelliteChoice_ = 0;
    SetShowTv(true);
}

void ChannelListPage::SetShowTv(bool tv) {
    showTv_ = tv;
    kindButtons_.Show(tv);
}

int ChannelListPage::currentRow() const {
    return channelList_->currentRow();
}

int ChannelListPage::SatelliteOfChoice(int index) const {
    const ChannelDatabase* db = database();
    if (!db || index < 0)
        return -1;
    int count = 0;
    for (int slot = 0; slot < vormante::SATELLITE_SLOTS; ++slot) {
        if (HoldsChannels(db->Satellite(slot)) && ++count == index + 1)
            return slot;
    }
    return -1;
}

int ChannelListPage::ChoiceOfSatellite(int slot) const {
    for (int index = 0;; ++index) {
        const int shown = SatelliteOfChoice(index);
        if (shown < 0 || shown == slot)
            return shown < 0 ? -1 : index;
    }
}

int ChannelListPage::ShownSatellite() const {
    const int index = satelliteCombo_->currentIndex();
    // Text typed into the box that is not the chosen entry's name leaves no satellite chosen.
    if (index < 0 || satelliteCombo_->currentText() != satelliteCombo_->itemText(index))
        return -1;
    return SatelliteOfChoice(index);
}

int ChannelListPage::ChannelOfRow(int row) const {
    const ChannelDatabase* db = database();
    const int channel = channelList_->RowKey(row);
    const int satellite = ShownSatellite();
    if (!db || channel < 0 || satellite < 0)
        return -1;
    // The row's channel still is one of the shown list: on that satellite's chain, of
    // the shown kind.
    const int ordinal = vormante::ChannelOrdinal(*db, satellite, -1, showTv_, channel);
    return ordinal >= 1 && vormante::FindChannel(*db, satellite, -1, showTv_, ordinal) == channel ? channel
                                                                                                  : -1;
}

void ChannelListPage::Refresh() {
    if (!document_ || !document_->isOpen())
        return;
    FillSatelliteBox();
    const int satellite = SatelliteOfChoice(satelliteChoice_);
    if (satellite != -1) {
        // Showing a satellite makes it the current one; that is no step of its own
        // and joins the next one.
        document_->ApplyQuietly([satellite](ChannelDatabase& db) {
            db.Settings().setCurrentSatellite(static_cast<unsigned>(satellite));
        });
    }
    keeper_->Refill();
    UpdateCounters();
}

void ChannelListPage::FillSatelliteBox() {
    const QSignalBlocker blocker(satelliteCombo_);
    satelliteCombo_->clear();
    satelliteCombo_->addItems(boxEntries());
    satelliteCombo_->setCurrentIndex(satelliteChoice_ < satelliteCombo_->count() ? satelliteChoice_ : -1);
}

void ChannelListPage::UpdateCounters() {
    const ChannelCounts counts =
        document_ && document_->isOpen() ? CurrentSatelliteChannelCounts(*database()) : ChannelCounts{};
    const int values[COUNTS] = {counts.tv, counts.radio, counts.total()};
    for (int count = 0; count < COUNTS; ++count)
        countLabels_[count]->setText(QString::number(values[count]));
}

// The list of the other kind comes back on the row it was left on; the row now
// current is kept for a return.
void ChannelListPage::KindClicked(bool tv) {
    SetShowTv(tv);
    const int old = channelList_->currentRow();
    channelList_->setCurrentRow(tv ? savedTvRow_ : savedRadioRow_);
    (tv ? savedRadioRow_ : savedTvRow_) = old;
    Refresh();
    kindButtons_.of(tv)->setFocus();
}

void ChannelListPage::satelliteChosen(int index) {
    if (index < 0 || !document_ || !document_->isOpen())
        return;
    satelliteChoice_ = index;
    // Picked with the keys, the next key still belongs to the box: Return must not
    // reach the list (and edit a channel), Down must pick the next satellite.
    const bool fromBox = satelliteCombo_->hasFocus();
    Refresh(); // makes the chosen satellite the current one
    if (fromBox)
        satelliteCombo_->setFocus();
}

void ChannelListPage::ShowContextMenu(int row, const QPoint& globalPos) {
    if (row < 0 || row >= channelList_->RowCount())
        return;
    if (!channelList_->IsRowSelected(row)) {
        keeper_->SelectOnly(row);
        keeper_->TakeCurrentFromSelection();
    }
    contextMenu_->popup(globalPos);
}

void ChannelListPage::SortCommand(SortKind kind) {
    pageCommands_->Sort(kind);
}

void ChannelListPage::MoveCommand() {
    pageCommands_->Move();
}

void ChannelListPage::MoveCurrentTo(int target) {
    pageCommands_->MoveCurrentTo(target);
}

bool ChannelListPage::ShowChannel(int satellite, bool tv, int channel) {
    if (!document_ || !document_->isOpen())
        return false;
    const int choice = ChoiceOfSatellite(satellite);
    if (choice < 0)
        return false;
    filterBar_->Clear();
    satelliteChoice_ = choice;
    SetShowTv(tv);
    keeper_->Plan(vormante::Placement::Show([channel] { return channel; }));
    Refresh();
    return channelList_->RowOfKey(channel) >= 0;
}

} // namespace vormante
