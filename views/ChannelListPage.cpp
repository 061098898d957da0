#include "ChannelListPage.h"

#include "ChannelCounts.h"
#include "ChannelDialog.h"
#include "ChannelRowTexts.h"
#include "MoveToDialog.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/ChannelDatabase.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QVBoxLayout>

using vormante::ChannelDatabase;
using vormante::SortKind;

namespace {

// The number at the start of a cell text, read like C's atoi; 0 when there is none.
int CellNumber(const QString& text) {
    int i = 0;
    const int length = static_cast<int>(text.size());
    while (i < length && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < length && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    long long value = 0;
    while (i < length && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9') && value < 100000000)
        value = value * 10 + (text[i++].unicode() - '0');
    return static_cast<int>(negative ? -value : value);
}

QLabel* CountLabel(QWidget* parent, const QString& objectName) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(objectName);
    label->setMinimumWidth(32);
    return label;
}

// Only used satellites whose chain starts at a channel slot hold channels; a free
// slot's leftover links name nothing.
bool HoldsChannels(const vormante::SatelliteRecord& satellite) {
    return satellite.isUsed() && vormante::IsChannelSlot(satellite.firstChannel());
}

struct SortEntry {
    const char* text;
    SortKind kind;
    const char* objectName;
};

const SortEntry kSortEntries[] = {
    {"a..Z", SortKind::NameUp, "sortNameUpAction"},
    {"Z..a", SortKind::NameDown, "sortNameDownAction"},
    {"Scr up", SortKind::ScrambledFirst, "sortScrambledFirstAction"},
    {"Scr down", SortKind::ScrambledLast, "sortScrambledLastAction"},
    {"Freq up", SortKind::FrequencyUp, "sortFrequencyUpAction"},
    {"Freq down", SortKind::FrequencyDown, "sortFrequencyDownAction"},
};

} // namespace

ChannelListPage::ChannelListPage(QWidget* parent) : QWidget(parent) {
    dialogRunner_ = [](QDialog& dialog) { return dialog.exec(); };
    buildControls();
    buildContextMenu();
}

void ChannelListPage::buildControls() {
    auto* satelliteLabel = new QLabel(QStringLiteral("Select Satellite:"), this);
    satelliteCombo_ = new QComboBox(this);
    satelliteCombo_->setObjectName(QStringLiteral("satelliteComboBox"));
    satelliteCombo_->setEditable(true);
    satelliteCombo_->setInsertPolicy(QComboBox::NoInsert);
    satelliteCombo_->setMinimumWidth(130);
    satelliteLabel->setBuddy(satelliteCombo_);

    tvButton_ = new QRadioButton(QStringLiteral("TV"), this);
    tvButton_->setObjectName(QStringLiteral("tvRadioButton"));
    radioButton_ = new QRadioButton(QStringLiteral("Radio"), this);
    radioButton_->setObjectName(QStringLiteral("radioRadioButton"));
    auto* kindGroup = new QButtonGroup(this);
    kindGroup->addButton(tvButton_);
    kindGroup->addButton(radioButton_);

    tvCountLabel_ = CountLabel(this, QStringLiteral("tvCountLabel"));
    radioCountLabel_ = CountLabel(this, QStringLiteral("radioCountLabel"));
    totalCountLabel_ = CountLabel(this, QStringLiteral("totalCountLabel"));

    auto* top = new QHBoxLayout;
    top->addWidget(satelliteLabel);
    top->addWidget(satelliteCombo_);
    top->addSpacing(8);
    top->addWidget(tvButton_);
    top->addWidget(radioButton_);
    top->addSpacing(8);
    top->addWidget(new QLabel(QStringLiteral("TV No:"), this));
    top->addWidget(tvCountLabel_);
    top->addWidget(new QLabel(QStringLiteral("Radio No:"), this));
    top->addWidget(radioCountLabel_);
    top->addWidget(new QLabel(QStringLiteral("Total No:"), this));
    top->addWidget(totalCountLabel_);
    top->addStretch(1);

    channelList_ = new ColumnListCtrl(this);
    channelList_->setObjectName(QStringLiteral("channelList"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(channelList_, 1);

    connect(tvButton_, &QRadioButton::clicked, this, &ChannelListPage::tvClicked);
    connect(radioButton_, &QRadioButton::clicked, this, &ChannelListPage::radioClicked);
    connect(satelliteCombo_, &QComboBox::currentIndexChanged, this, &ChannelListPage::satelliteChosen);
    connect(channelList_, &ColumnListCtrl::rowSelectionChanged, this, &ChannelListPage::listSelectionChanged);
    connect(channelList_, &ColumnListCtrl::rowContextMenuRequested, this, &ChannelListPage::showContextMenu);
    // A header click reorders the rows on screen and the selection moves with them;
    // the highlighted channel stays the one the commands act on.
    connect(channelList_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] {
        if (channelList_->FirstSelectedRow() >= 0)
            channelList_->setCurrentRow(channelList_->FirstSelectedRow());
    });
    connect(channelList_, &ColumnListCtrl::rowDoubleClicked, this, [this](int row) {
        if (row >= 0)
            EditChannelCommand();
    });
}

void ChannelListPage::buildContextMenu() {
    contextMenu_ = new QMenu(QStringLiteral("CH"), this);
    contextMenu_->setObjectName(QStringLiteral("channelContextMenu"));
    auto addAction = [](QMenu* menu, const QString& text, const QString& name) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        return action;
    };
    connect(addAction(contextMenu_, QStringLiteral("Add Channel..."), QStringLiteral("addChannelAction")),
            &QAction::triggered, this, &ChannelListPage::AddChannelCommand);
    connect(addAction(contextMenu_, QStringLiteral("Edit Channel..."), QStringLiteral("editChannelAction")),
            &QAction::triggered, this, &ChannelListPage::EditChannelCommand);
    connect(addAction(contextMenu_, QStringLiteral("Del Channel"), QStringLiteral("deleteChannelAction")),
            &QAction::triggered, this, &ChannelListPage::DeleteChannelCommand);
    QMenu* sortMenu = contextMenu_->addMenu(QStringLiteral("Sort"));
    sortMenu->setObjectName(QStringLiteral("sortMenu"));
    for (const SortEntry& entry : kSortEntries) {
        const SortKind kind = entry.kind;
        connect(addAction(sortMenu, QLatin1String(entry.text), QLatin1String(entry.objectName)), &QAction::triggered,
                this, [this, kind] { SortCommand(kind); });
    }
    connect(addAction(contextMenu_, QStringLiteral("Move"), QStringLiteral("moveAction")), &QAction::triggered,
            this, &ChannelListPage::MoveCommand);
}

void ChannelListPage::Initialize(ChannelDatabase& database) {
    channelList_->BuildColumns(channelrow::ColumnSpec());
    channelList_->setCurrentRow(0);
    savedTvRow_ = 0;
    savedRadioRow_ = 0;
    database_ = &database;
    satelliteChoice_ = 0;
    SetShowTv(true);
}

void ChannelListPage::SetShowTv(bool tv) {
    showTv_ = tv;
    tvButton_->setChecked(tv);
    radioButton_->setChecked(!tv);
}

int ChannelListPage::currentRow() const { return channelList_->currentRow(); }

int ChannelListPage::SatelliteOfChoice(int index) const {
    if (!database_ || index < 0)
        return -1;
    int count = 0;
    for (int slot = 0; slot < vormante::SATELLITE_SLOTS; ++slot) {
        if (HoldsChannels(database_->Satellite(slot)) && ++count == index + 1)
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
    if (!database_ || row < 0 || row >= channelList_->RowCount())
        return -1;
    const QString number = channelList_->CellText(row, channelrow::NO_COLUMN);
    const int satellite = ShownSatellite();
    if (number.isEmpty() || satellite < 0)
        return -1;
    return vormante::FindChannel(*database_, satellite, -1, showTv_, CellNumber(number));
}

void ChannelListPage::Refresh() {
    if (!database_ || !database_->loaded())
        return;
    refreshing_ = true;
    channelList_->DeleteAllRows();
    fillSatelliteBox();
    const int satellite = SatelliteOfChoice(satelliteChoice_);
    if (satellite != -1) {
        database_->Settings().setCurrentSatellite(static_cast<unsigned>(satellite));
        fillRows(satellite);
    }
    const int rows = channelList_->RowCount();
    if (rows == 0) {
        channelList_->AddRow(channelrow::PlaceholderRow());
        channelList_->setCurrentRow(0);
    }
    if (channelList_->currentRow() >= channelList_->RowCount())
        channelList_->setCurrentRow(channelList_->RowCount() - 1);
    // With the selection cleared by the user the first row becomes current.
    if (channelList_->currentRow() < 0)
        channelList_->setCurrentRow(0);
    channelList_->setFocus();
    selectCurrentRow();
    channelList_->ScrollRowToTop(pageTop(channelList_->currentRow()));
    refreshing_ = false;
    UpdateCounters();
}

void ChannelListPage::fillSatelliteBox() {
    const QSignalBlocker blocker(satelliteCombo_);
    satelliteCombo_->clear();
    for (int slot = 0; slot < vormante::SATELLITE_SLOTS; ++slot) {
        const vormante::SatelliteRecord satellite = database_->Satellite(slot);
        if (HoldsChannels(satellite)) {
            const std::string name = satellite.name();
            satelliteCombo_->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
    satelliteCombo_->setCurrentIndex(satelliteChoice_ < satelliteCombo_->count() ? satelliteChoice_ : -1);
}

void ChannelListPage::fillRows(int satellite) {
    const unsigned wanted = showTv_ ? vormante::ChannelRecord::SERVICE_TV : vormante::ChannelRecord::SERVICE_RADIO;
    int number = 0;
    int channel = database_->Satellite(satellite).firstChannel();
    // Bounded by the table size, so a chain that loops back ends too.
    for (int steps = 0; vormante::IsChannelSlot(channel) && steps < vormante::CHANNEL_SLOTS; ++steps) {
        const vormante::ChannelRecord record = database_->Channel(channel);
        if (record.state() == vormante::ChannelRecord::STATE_IN_USE && record.serviceType() == wanted)
            channelList_->AddRow(channelrow::RowTexts(*database_, channel, ++number));
        channel = record.nextChannel();
    }
}

void ChannelListPage::selectCurrentRow() {
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    channelList_->ClearSelectedRows();
    channelList_->SelectRow(channelList_->currentRow(), true);
    refreshing_ = wasRefreshing;
}

int ChannelListPage::rowsPerPage() const { return std::max(1, channelList_->VisibleRowCount()); }

int ChannelListPage::pageTop(int row) const {
    const int perPage = rowsPerPage();
    return perPage * (std::max(0, row) / perPage);
}

void ChannelListPage::UpdateCounters() {
    const ChannelCounts counts = database_ && database_->loaded() ? CurrentSatelliteChannelCounts(*database_)
                                                                  : ChannelCounts{};
    tvCountLabel_->setText(QString::number(counts.tv));
    radioCountLabel_->setText(QString::number(counts.radio));
    totalCountLabel_->setText(QString::number(counts.total()));
}

void ChannelListPage::tvClicked() {
    SetShowTv(true);
    const int old = channelList_->currentRow();
    channelList_->setCurrentRow(savedTvRow_);
    savedRadioRow_ = old;
    Refresh();
    tvButton_->setFocus();
}

void ChannelListPage::radioClicked() {
    SetShowTv(false);
    const int old = channelList_->currentRow();
    channelList_->setCurrentRow(savedRadioRow_);
    savedTvRow_ = old;
    Refresh();
    radioButton_->setFocus();
}

void ChannelListPage::satelliteChosen(int index) {
    if (refreshing_ || index < 0 || !database_ || !database_->loaded())
        return;
    satelliteChoice_ = index;
    const int satellite = SatelliteOfChoice(index);
    if (satellite != -1)
        database_->Settings().setCurrentSatellite(static_cast<unsigned>(satellite));
    Refresh();
}

void ChannelListPage::listSelectionChanged() {
    if (refreshing_)
        return;
    channelList_->setCurrentRow(channelList_->FirstSelectedRow());
}

void ChannelListPage::showContextMenu(int row, const QPoint& globalPos) {
    if (row < 0 || row >= channelList_->RowCount())
        return;
    if (!channelList_->IsRowSelected(row))
        channelList_->SelectRow(row, true);
    contextMenu_->popup(globalPos);
}

bool ChannelListPage::presetFromRow() {
    const int channel = ChannelOfRow(channelList_->currentRow());
    if (channel < 0)
        return false;
    const int transponder = database_->Channel(channel).transponder();
    if (!vormante::IsTransponderSlot(transponder))
        return false;
    const int satellite = static_cast<int>(database_->Transponder(transponder).satellite());
    if (!vormante::IsSatelliteSlot(satellite))
        return false;
    defaultTransponder_ = transponder;
    defaultSatellite_ = satellite;
    return true;
}

bool ChannelListPage::presetFromFirstSatellite() {
    int satellite = 0;
    while (satellite < vormante::SATELLITE_SLOTS && !database_->Satellite(satellite).isUsed())
        ++satellite;
    if (satellite == vormante::SATELLITE_SLOTS)
        return false;
    int transponder = database_->Satellite(satellite).firstTransponder();
    for (int steps = 0; vormante::IsTransponderSlot(transponder) && steps < vormante::TRANSPONDER_SLOTS; ++steps) {
        const vormante::TransponderRecord record = database_->Transponder(transponder);
        if (record.isUsed() && static_cast<int>(record.satellite()) == satellite) {
            defaultSatellite_ = satellite;
            defaultTransponder_ = transponder;
            return true;
        }
        transponder = record.nextTransponder();
    }
    return false;
}

void ChannelListPage::AddChannelCommand() {
    if (!database_ || !database_->loaded())
        return;
    if (!presetFromRow() && !presetFromFirstSatellite())
        return;
    ChannelDialog dialog(this);
    dialog.PrepareNew(QStringLiteral("Add Channel"), *database_, defaultTransponder_, defaultSatellite_, true);
    if (dialogRunner_(dialog) != QDialog::Accepted)
        return;
    SetShowTv(dialog.isTv());
    // The user may have stored the channel on another satellite: show that one, so
    // the new channel is the last row.
    const int stored = ChoiceOfSatellite(static_cast<int>(database_->Settings().currentSatellite()));
    if (stored >= 0)
        satelliteChoice_ = stored;
    Refresh();
    // The new channel is the last of its kind: make the last row current and visible.
    channelList_->setCurrentRow(channelList_->RowCount() - 1);
    channelList_->ScrollRowToTop(pageTop(channelList_->currentRow()));
    selectCurrentRow();
}

void ChannelListPage::EditChannelCommand() {
    const int row = channelList_->currentRow();
    const int channel = ChannelOfRow(row);
    if (channel < 0)
        return;
    const int transponder = database_->Channel(channel).transponder();
    int satellite = ShownSatellite();
    if (vormante::IsTransponderSlot(transponder) &&
        vormante::IsSatelliteSlot(static_cast<int>(database_->Transponder(transponder).satellite())))
        satellite = static_cast<int>(database_->Transponder(transponder).satellite());
    defaultTransponder_ = transponder;
    defaultSatellite_ = satellite;
    ChannelDialog dialog(this);
    dialog.PrepareEdit(QStringLiteral("Edit Channel"), *database_, defaultTransponder_, defaultSatellite_, channel,
                       false);
    if (dialogRunner_(dialog) != QDialog::Accepted)
        return;
    // The row keeps its place and number until the next refresh, even when the
    // channel has turned from TV to radio; its other cells show the stored values.
    rewriteRow(row, channel);
}

void ChannelListPage::rewriteRow(int row, int channel) {
    const QStringList texts = channelrow::RowTexts(*database_, channel, 0);
    for (int column = channelrow::NAME_COLUMN; column <= channelrow::TP_COLUMN; ++column)
        channelList_->SetCellText(row, column, texts[column]);
}

void ChannelListPage::DeleteChannelCommand() {
    const int channel = ChannelOfRow(channelList_->currentRow());
    if (channel < 0)
        return;
    // The channel was found on the shown satellite's chain, so that chain is the one to unlink it from.
    const int satellite = ShownSatellite();
    const std::string name = database_->Channel(channel).name();
    const QString text = QStringLiteral("\t Do you want to del channel [") +
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
                         QStringLiteral("]?\t\t");
    if (!MessageBox::askYesNo(this, QStringLiteral("Del Channel"), text))
        return;
    const int top = channelList_->TopRow();
    vormante::DeleteChannel(*database_, channel, satellite);
    vormante::RenumberChannels(*database_, satellite);
    Refresh();
    channelList_->ScrollRowToTop(top);
}

void ChannelListPage::SortCommand(SortKind kind) {
    const int satellite = ShownSatellite();
    const int row = channelList_->currentRow();
    if (satellite < 0 || row < 0 || row >= channelList_->RowCount() ||
        channelList_->CellText(row, channelrow::NO_COLUMN).isEmpty())
        return;
    // The channel shown in the current row, even when the rows were reordered by a header click.
    const int channel = ChannelOfRow(row);
    vormante::SortChannels(*database_, satellite, kind);
    channelList_->setCurrentRow(vormante::ChannelOrdinal(*database_, satellite, -1, showTv_, channel) - 1);
    const int top = pageTop(channelList_->currentRow());
    Refresh();
    channelList_->ScrollRowToTop(top);
}

void ChannelListPage::MoveCommand() {
    const int row = channelList_->currentRow();
    if (ShownSatellite() < 0 || row < 0 || row >= channelList_->RowCount() ||
        channelList_->CellText(row, channelrow::NO_COLUMN).isEmpty())
        return;
    MoveToDialog dialog(this);
    dialogRunner_(dialog); // a cancelled dialog leaves the target at 0, which is refused below
    MoveCurrentTo(dialog.targetPosition());
}

void ChannelListPage::MoveCurrentTo(int target) {
    const int satellite = ShownSatellite();
    const int row = channelList_->currentRow();
    if (satellite < 0 || row < 0 || row >= channelList_->RowCount() ||
        channelList_->CellText(row, channelrow::NO_COLUMN).isEmpty())
        return;
    if (target < 1 || target > channelList_->RowCount()) {
        MessageBox::information(this, QStringLiteral("Error Input!"));
        return;
    }
    const int number = CellNumber(channelList_->CellText(row, channelrow::NO_COLUMN));
    vormante::MoveChannelToNumber(*database_, satellite, number, target, showTv_);
    channelList_->setCurrentRow(target - 1);
    const int top = pageTop(target - 1);
    Refresh();
    channelList_->ScrollRowToTop(top);
}

void ChannelListPage::keyPressEvent(QKeyEvent* event) {
    // Escape on a tab page must not close anything.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
