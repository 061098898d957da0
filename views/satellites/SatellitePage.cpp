#include "views/satellites/SatellitePage.h"

#include "controls/ColumnListCtrl.h"
#include "document/Document.h"
#include "model/ChannelDatabase.h"
#include "model/RecordOperations.h"
#include "views/channels/ChannelCommands.h"
#include "views/common/CommandGuard.h"
#include "views/common/DocumentFollower.h"
#include "views/common/ListFilterBar.h"
#include "views/common/ListKeeper.h"
#include "views/common/SatellitePageText.h"
#include "views/satellites/SatellitePageCommands.h"
#include "views/satellites/SatellitePageTables.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <vector>

namespace vormante {

namespace {
constexpr unsigned NO_CURRENT_SATELLITE = 0xFF;

QGroupBox* Framed(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(content);
    return box;
}

ColumnListCtrl* MakeList(const char* name, QWidget* parent) {
    auto* list = new ColumnListCtrl(parent);
    list->setObjectName(QLatin1String(name));
    return list;
}

} // namespace

SatellitePage::SatellitePage(QWidget* parent)
    : QWidget(parent), channelList_(MakeList("channelList", this)), lnbList_(MakeList("lnbList", this)),
      transponderList_(MakeList("transponderList", this)), satelliteList_(MakeList("satelliteList", this)),
      kindButtons_(MakeKindButtons(this, tr("TV"), tr("Radio"), QStringLiteral("tvButton"),
                                   QStringLiteral("radioButton"))),
      follower_(new DocumentFollower(
          this, [this](const DocumentChange& change, bool own) { FollowChange(change, own); })),
      commands_(std::make_unique<SatellitePageCommands>(*this)) {
    BuildLayout();
    BuildKeepers();
    BuildMenus();
    // The filter box stands above the channel list, inside its frame.
    filterBar_ = new ListFilterBar(this);
    filterBar_->setObjectName(QStringLiteral("channelFilterBar"));
    if (auto* frame = qobject_cast<QBoxLayout*>(channelList_->parentWidget()->layout()))
        frame->insertWidget(frame->indexOf(channelList_), filterBar_);
    filterBar_->Attach(channelList_);

    for (int which = SATELLITES; which <= CHANNELS; ++which) {
        ColumnListCtrl* target = list(which);
        connect(keepers_[which], &ListKeeper::userSelected, this,
                [this, which] { listSelectionChanged(which); });
        connect(target, &ColumnListCtrl::rowDoubleClicked, this, [this, which](int) {
            static constexpr int EDIT_COMMAND[] = {
                SatellitePageCommands::EDIT_SATELLITE, SatellitePageCommands::EDIT_TRANSPONDER,
                SatellitePageCommands::EDIT_LNB, SatellitePageCommands::EDIT_CHANNEL};
            RunCommand(EDIT_COMMAND[which]);
        });
        connect(target, &ColumnListCtrl::rowContextMenuRequested, this,
                [this, which](int row, const QPoint& globalPos) { ShowContextMenu(which, row, globalPos); });
    }
    connect(kindButtons_.tv, &QRadioButton::clicked, this, [this] { tvRadioClicked(true); });
    connect(kindButtons_.radio, &QRadioButton::clicked, this, [this] { tvRadioClicked(false); });
}

// What each list shows: the records it lists and their cells, from the document as it is now.
void SatellitePage::BuildKeepers() {
    using Source = ListKeeper::Source;
    Source satellites;
    satellites.records = [this] { return vormante::UsedSatellites(*database()); };
    satellites.cells = [this](int slot) { return satview::SatelliteCells(*database(), slot); };
    satellites.touched = [](int slot, const DocumentChange& change) { return change.TouchesSatellite(slot); };
    // A plain refill starts at the current satellite's row, or where it would stand.
    satellites.startRow = [this](const std::vector<int>& used) {
        const unsigned current = database()->Settings().currentSatellite();
        if (current == NO_CURRENT_SATELLITE)
            return 0;
        return static_cast<int>(std::count_if(
            used.begin(), used.end(), [current](int slot) { return slot < static_cast<int>(current); }));
    };
    Source transponders;
    transponders.records = [this] {
        const int satellite = SatelliteOfRow(satelliteList_->FirstSelectedRow());
        return satellite == NONE ? std::vector<int>{} : vormante::ListedTransponders(*database(), satellite);
    };
    transponders.cells = [this](int slot) { return satview::TransponderCells(*database(), slot); };
    transponders.touched = [](int slot, const DocumentChange& change) {
        return change.TouchesTransponder(slot);
    };
    Source lnbs;
    lnbs.records = [] {
        std::vector<int> types(LNB_TYPES);
        std::iota(types.begin(), types.end(), 0);
        return types;
    };
    lnbs.cells = [this](int type) { return satview::LnbCells(*database(), type); };
    lnbs.touched = [](int, const DocumentChange& change) { return change.settings; };
    Source channels;
    channels.records = [this] {
        const int satellite = SatelliteOfRow(satelliteList_->FirstSelectedRow());
        // A placeholder transponder row names no transponder, so it lists no channel.
        const int transponder = transponderList_->RowKey(transponderList_->currentRow());
        return transponder == NONE ? std::vector<int>{}
                                   : vormante::ListedChannels(*database(), satellite, transponder, showTv_);
    };
    channels.cells = [this](int slot) { return satview::ChannelCells(*database(), slot); };
    channels.touched = [](int slot, const DocumentChange& change) { return change.TouchesChannel(slot); };

    using Scroll = ListKeeper::Scroll;
    using Rule = ListKeeper::CurrentRule;
    keepers_[SATELLITES] =
        new ListKeeper(satelliteList_, satellites, Scroll::CurrentAtTop, Rule::FirstSelected);
    keepers_[TRANSPONDERS] =
        new ListKeeper(transponderList_, transponders, Scroll::RememberedTop, Rule::FirstSelected);
    keepers_[LNBS] = new ListKeeper(lnbList_, lnbs, Scroll::None, Rule::FocusRow);
    keepers_[CHANNELS] = new ListKeeper(channelList_, channels, Scroll::CurrentAtTop, Rule::FocusRow);
}

SatellitePage::~SatellitePage() = default;

void SatellitePage::BuildLayout() {
    // The satellite, transponder and LNB lists above, the TV/Radio switch and the
    // channel list below, with a splitter between them the user can drag.
    auto* upper = new QWidget(this);
    auto* top = new QHBoxLayout(upper);
    top->setContentsMargins(0, 0, 0, 0);
    //: Title of the satellite list's frame.
    top->addWidget(Framed(tr("Satellite"), satelliteList_, upper), 106);
    top->addWidget(Framed(tr("Transponder"), transponderList_, upper), 115);
    top->addWidget(Framed(tr("LNB"), lnbList_, upper), 107);

    auto* lower = new QWidget(this);
    auto* kind = new QHBoxLayout;
    kindButtons_.AddTo(kind);
    kind->addStretch();
    auto* bottom = new QVBoxLayout(lower);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addLayout(kind);
    bottom->addWidget(Framed(tr("Channel"), channelList_, lower), 1);

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("satellitePageSplitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(upper);
    splitter_->addWidget(lower);
    // A larger window grows both parts as designed: 104 parts above, 121 below.
    splitter_->setStretchFactor(0, 104);
    splitter_->setStretchFactor(1, 121);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter_);
}

void SatellitePage::BuildMenus() {
    using satpage::MENU_ITEMS;
    using satpage::MENU_TITLES;
    for (int which = SATELLITES; which <= CHANNELS; ++which) {
        menus_[which] = new QMenu(tr(MENU_TITLES[which]), this);
        menus_[which]->setObjectName(QStringLiteral("menu%1").arg(QLatin1String(MENU_TITLES[which])));
    }
    QAction* channelActions[3] = {};
    for (const satpage::MenuItem& item : MENU_ITEMS) {
        QAction* action = menus_[item.list]->addAction(tr(item.text));
        action->setData(item.id);
        connect(action, &QAction::triggered, this, [this, id = item.id] { RunCommand(id); });
        if (item.list == CHANNELS)
            channelActions[item.id - SatellitePageCommands::ADD_CHANNEL] = action;
    }
    BuildChannelKeys(channelActions[0], channelActions[1], channelActions[2]);
}

// Several channels may be selected: the Flags submenu and drag and drop act on all
// of them, the keys on the list reach the channel commands.
void SatellitePage::BuildChannelKeys(QAction* add, QAction* edit, QAction* del) {
    channelCommands_ = new ChannelCommands(this, keepers_[CHANNELS], commands_->ChannelContext());
    channelBulk_ = channelCommands_->bulk();
    channelBulk_->Key(add, QKeySequence(Qt::Key_Insert));
    channelBulk_->Key(edit, QKeySequence(Qt::Key_F2));
    edit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_F2)});
    channelBulk_->Key(del, QKeySequence(QKeySequence::Delete));
    channelBulk_->AddKeepOrderAction(menus_[CHANNELS]);
    channelBulk_->AddFlagMenu(menus_[CHANNELS]);
    channelList_->SetRowsDraggable(true);
    connect(
        channelList_, &ColumnListCtrl::rowsDropped, this,
        [this](int row) { RunGuarded(this, [this, row] { channelBulk_->DropSelectedAt(row); }); },
        Qt::QueuedConnection); // after the drag has ended
}

QMenu* SatellitePage::ContextMenu(int which) const {
    return which >= SATELLITES && which <= CHANNELS ? menus_[which] : nullptr;
}

ColumnListCtrl* SatellitePage::list(int which) const {
    return which >= SATELLITES && which <= CHANNELS ? keepers_[which]->list() : nullptr;
}

ListKeeper* SatellitePage::keeper(int which) const {
    return which >= SATELLITES && which <= CHANNELS ? keepers_[which] : nullptr;
}

void SatellitePage::Initialize(vormante::Document& document) {
    satelliteList_->BuildColumns(columnlist::TranslatedColumns("SatellitePage", satpage::SATELLITE_COLUMNS));
    transponderList_->BuildColumns(
        columnlist::TranslatedColumns("SatellitePage", satpage::TRANSPONDER_COLUMNS));
    lnbList_->BuildColumns(columnlist::TranslatedColumns("SatellitePage", satpage::LNB_COLUMNS));
    channelList_->BuildColumns(columnlist::TranslatedColumns("SatellitePage", satpage::CHANNEL_COLUMNS));
    for (int which = SATELLITES; which <= CHANNELS; ++which)
        list(which)->setCurrentRow(0);
    // The upper lists start tall enough for all eight LNB types without scrolling;
    // the splitter lets the user make them as low as four rows.
    for (ColumnListCtrl* upper : {satelliteList_, transponderList_, lnbList_})
        upper->SetRowsWanted(LNB_TYPES, 4);
    keepers_[TRANSPONDERS]->setRememberedTop(0);
    document_ = &document;
    follower_->Follow(document);
    SetShowTv(true);
}

const ChannelDatabase* SatellitePage::database() const {
    return document_ ? &document_->database() : nullptr;
}

bool SatellitePage::Change(const QString& name, const std::function<void(ChannelDatabase&)>& operation,
                           const QString& mergeKey) {
    return follower_->Change(name, operation, mergeKey);
}

void SatellitePage::Expect(int which, Placement placement) {
    if (ListKeeper* target = keeper(which))
        target->Plan(std::move(placement));
}

int SatellitePage::transponderTopRow() const {
    return keepers_[TRANSPONDERS]->rememberedTop();
}

void SatellitePage::FollowDocument() {
    FollowChange(DocumentFollower::Everything(), false);
}

// The one place the page follows the document. From the top list down, the first
// list that needs a refill is refilled, and with it, through the page's reactions,
// every list below; the lists above rewrite their touched rows in place. A change
// made elsewhere keeps every list on its records and the focus where it was.
void SatellitePage::FollowChange(const DocumentChange& change, bool own) {
    if (!document_ || !document_->isOpen())
        return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (!own)
        for (ListKeeper* target : keepers_)
            target->Plan(Placement::Follow());
    keepers_[LNBS]->Follow(change);
    for (int which : {SATELLITES, TRANSPONDERS, CHANNELS}) {
        if (keepers_[which]->NeedsRefill(change)) {
            RefreshList(which);
            break;
        }
        keepers_[which]->Rewrite(change);
    }
    for (ListKeeper* target : keepers_)
        target->DropPlan();
    // The refill moves the focus between the lists as a user's selection would; a
    // change made elsewhere must leave it where the user had it.
    if (!own && focus)
        focus->setFocus();
}

void SatellitePage::SetShowTv(bool on) {
    showTv_ = on;
    const QSignalBlocker blockTv(kindButtons_.tv);
    const QSignalBlocker blockRadio(kindButtons_.radio);
    kindButtons_.Show(on);
}

void SatellitePage::setDialogRunner(DialogRunner runner) {
    commands_->setDialogRunner(std::move(runner));
}

void SatellitePage::RunCommand(int id) {
    if (document_ && document_->isOpen())
        RunGuarded(this, [this, id] { commands_->Run(id); });
}

// ---- Row resolution ----

bool SatellitePage::IsPlaceholder(int which, int row) const {
    const ColumnListCtrl* target = list(which);
    return !target || target->CellText(row, 0).isEmpty();
}

int SatellitePage::SatelliteOfRow(int row) const {
    const ChannelDatabase* db = database();
    const int slot = satelliteList_->RowKey(row);
    return db && IsSatelliteSlot(slot) && db->Satellite(slot).isUsed() ? slot : NONE;
}

int SatellitePage::TransponderOfRow(int satellite, int row) const {
    const ChannelDatabase* db = database();
    const int slot = transponderList_->RowKey(row);
    if (!db || satellite == NONE || slot == NONE)
        return NONE;
    const std::vector<int> listed = vormante::ListedTransponders(*db, satellite);
    return std::find(listed.begin(), listed.end(), slot) != listed.end() ? slot : NONE;
}

int SatellitePage::ChannelOfRow(int satellite, int transponder, int row) const {
    const ChannelDatabase* db = database();
    const int slot = channelList_->RowKey(row);
    if (!db || satellite == NONE || transponder == NONE || slot == NONE)
        return NONE;
    const std::vector<int> listed = vormante::ListedChannels(*db, satellite, transponder, showTv_);
    return std::find(listed.begin(), listed.end(), slot) != listed.end() ? slot : NONE;
}

int SatellitePage::CurrentSatellite() const {
    return SatelliteOfRow(satelliteList_->currentRow());
}

int SatellitePage::CurrentTransponder(int satellite) const {
    return TransponderOfRow(satellite, transponderList_->currentRow());
}

int SatellitePage::CurrentChannel(int satellite, int transponder) const {
    return ChannelOfRow(satellite, transponder, channelList_->currentRow());
}

// ---- Refills and reactions ----

void SatellitePage::RefreshList(int which) {
    // Until a file is open the lists have their columns and no rows.
    if (!document_ || !document_->isOpen() || !keeper(which))
        return;
    keepers_[which]->Refill();
    if (which == SATELLITES)
        OnSatelliteSelected();
    else if (which == TRANSPONDERS)
        OnTransponderSelected();
}

void SatellitePage::listSelectionChanged(int which) {
    if (!document_)
        return;
    if (which == SATELLITES) {
        keepers_[TRANSPONDERS]->setRememberedTop(transponderList_->TopRow());
        OnSatelliteSelected();
    } else if (which == TRANSPONDERS) {
        OnTransponderSelected();
    }
}

void SatellitePage::OnSatelliteSelected() {
    satelliteList_->setCurrentRow(satelliteList_->FirstSelectedRow());
    RefreshList(TRANSPONDERS);
    const int satellite = SatelliteOfRow(satelliteList_->currentRow());
    if (satellite == NONE)
        return;
    // The LNB type's row: found by its "No", since the user may have sorted the list.
    const int type = static_cast<int>(database()->Satellite(satellite).lnbType());
    const int row = lnbList_->RowOfKey(type) >= 0 ? lnbList_->RowOfKey(type) : type;
    lnbList_->setFocus();
    lnbList_->setCurrentRow(row);
    keepers_[LNBS]->SelectOnly(row);
    satelliteList_->setFocus();
}

void SatellitePage::OnTransponderSelected() {
    transponderList_->setCurrentRow(transponderList_->FirstSelectedRow());
    channelList_->setCurrentRow(0);
    RefreshList(CHANNELS);
    transponderList_->setFocus();
}

void SatellitePage::SelectRowAndReact(int which, int row) {
    if (ListKeeper* target = keeper(which)) {
        target->Select(row);
        target->TakeCurrentFromSelection();
        listSelectionChanged(which);
    }
}

void SatellitePage::DeselectRowQuietly(int which, int row) {
    if (ListKeeper* target = keeper(which))
        target->Deselect(row);
}

void SatellitePage::tvRadioClicked(bool tv) {
    SetShowTv(tv);
    channelList_->setCurrentRow(0);
    RefreshList(CHANNELS);
    kindButtons_.of(tv)->setFocus();
}

void SatellitePage::ShowContextMenu(int which, int row, const QPoint& globalPos) {
    ColumnListCtrl* target = list(which);
    if (!target || row < 0 || row >= target->RowCount() || !document_)
        return;
    if (!target->IsRowSelected(row)) {
        keepers_[which]->SelectOnly(row);
        keepers_[which]->TakeCurrentFromSelection();
        listSelectionChanged(which);
    }
    menus_[which]->exec(globalPos);
}

bool SatellitePage::ShowChannel(int satellite, int transponder, bool tv, int channel) {
    if (!document_ || !document_->isOpen())
        return false;
    filterBar_->Clear();
    SetShowTv(tv);
    const int records[] = {satellite, transponder, channel};
    const int lists[] = {SATELLITES, TRANSPONDERS, CHANNELS};
    for (int i = 0; i < 3; ++i)
        keepers_[lists[i]]->Plan(Placement::Show([record = records[i]] { return record; }));
    RefreshList(SATELLITES);
    for (ListKeeper* target : keepers_)
        target->DropPlan();
    if (channelList_->RowOfKey(channel) < 0)
        return false;
    channelList_->setFocus();
    return true;
}

} // namespace vormante
