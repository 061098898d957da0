#include "views/lists/FindChannelDialog.h"

#include "controls/ColumnListCtrl.h"
#include "controls/SortHeaderCtrl.h"
#include "document/StepNames.h"
#include "views/common/ListFilterBar.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vormante {

namespace {

// Each caption translated on its own when the list is built.
QList<columnlist::ColumnSpecEntry> ResultColumns() {
    static constexpr columnlist::ColumnCaption COLUMNS[] = {
        {QT_TRANSLATE_NOOP("FindChannelDialog", "Satellite"), 90},
        {QT_TRANSLATE_NOOP("FindChannelDialog", "Transponder"), 90},
        //: Column caption: whether the channel is a TV or a radio channel.
        {QT_TRANSLATE_NOOP("FindChannelDialog", "TV/Radio"), 50},
        //: Column caption: the channel's number in its list.
        {QT_TRANSLATE_NOOP("FindChannelDialog", "No"), 30},
        {QT_TRANSLATE_NOOP("FindChannelDialog", "Channel Name"), 90},
    };
    return columnlist::TranslatedColumns("FindChannelDialog", COLUMNS);
}

QString TransponderText(const ChannelDatabase& db, int slot) {
    if (!IsTransponderSlot(slot))
        return {};
    const ConstTransponderRecord record = db.Transponder(slot);
    return QStringLiteral("%1 %2 %3")
        .arg(record.frequency())
        .arg(record.symbolRate())
        //: Polarization: V(ertical).
        .arg(record.isVertical() ? FindChannelDialog::tr("V")
                                 //: Polarization: H(orizontal).
                                 : FindChannelDialog::tr("H"));
}

} // namespace

FindChannelDialog::FindChannelDialog(const ChannelDatabase& db, QWidget* parent)
    : QDialog(parent), db_(db), edit_(new QLineEdit(this)), list_(new ColumnListCtrl(this)),
      summary_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("findChannelDialog"));
    setWindowTitle(tr("Find Channel"));
    edit_->setObjectName(QStringLiteral("findLineEdit"));
    edit_->setPlaceholderText(tr("Name, channel number or PID"));
    edit_->installEventFilter(this);
    list_->setObjectName(QStringLiteral("findResultList"));
    list_->BuildColumns(ResultColumns());
    // The results stay in satellite order, so a row is always its result.
    list_->sortHeader()->setSectionsClickable(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    summary_->setObjectName(QStringLiteral("findSummaryLabel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons_);
    resize(520, 360);

    connect(edit_, &QLineEdit::textChanged, this, &FindChannelDialog::Search);
    connect(list_, &ColumnListCtrl::rowSelectionChanged, this, &FindChannelDialog::UpdateButtons);
    connect(list_, &ColumnListCtrl::rowDoubleClicked, this, [this](int row) { AcceptResult(row); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &FindChannelDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &FindChannelDialog::reject);
    Search(QString());
}

void FindChannelDialog::SetSearchText(const QString& text) {
    edit_->setText(text);
}
QString FindChannelDialog::searchText() const {
    return edit_->text();
}
QString FindChannelDialog::summaryText() const {
    return summary_->text();
}

void FindChannelDialog::Search(const QString& text) {
    const ChannelQuery query(listfilter::QueryBytes(text));
    results_.clear();
    if (!query.empty())
        results_ = FindChannels(db_, query);
    //: A channel's kind (beside Radio).
    const QString tv = tr("TV");
    //: A channel's kind (beside TV).
    const QString radio = tr("Radio");
    list_->setUpdatesEnabled(false);
    list_->DeleteAllRows();
    for (const ChannelMatch& match : results_) {
        const QString satellite = IsSatelliteSlot(match.satellite)
                                      ? steps::FromLatin1(db_.Satellite(match.satellite).name())
                                      : QString();
        list_->AddRow({satellite, TransponderText(db_, match.transponder), match.tv ? tv : radio,
                       QString::number(match.number), steps::FromLatin1(match.name)});
    }
    list_->setUpdatesEnabled(true);
    if (query.empty())
        summary_->setText(tr("Type a name, a channel number or a PID."));
    else if (results_.empty())
        summary_->setText(tr("No channel found."));
    else
        summary_->setText(results_.size() == 1
                              ? tr("1 channel found.")
                              : tr("%n channels found.", nullptr, static_cast<int>(results_.size())));
    if (!results_.empty())
        SelectResult(0);
    UpdateButtons();
}

void FindChannelDialog::SelectResult(int row) {
    if (row >= 0 && row < ResultCount()) {
        list_->SelectRow(row, true);
        list_->EnsureRowVisible(row);
    } else {
        list_->ClearSelectedRows();
    }
}

int FindChannelDialog::selectedResult() const {
    const int row = list_->FirstSelectedRow();
    return row >= 0 && row < ResultCount() ? row : -1;
}

bool FindChannelDialog::AcceptResult(int row) {
    if (row < 0 || row >= ResultCount())
        return false;
    SelectResult(row);
    accept();
    return true;
}

void FindChannelDialog::accept() {
    const int row = selectedResult();
    if (row < 0)
        return; // nothing to show: Enter on an empty list keeps the dialog open
    chosen_ = results_[static_cast<std::size_t>(row)];
    QDialog::accept();
}

void FindChannelDialog::UpdateButtons() {
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(selectedResult() >= 0);
}

// Up and down in the text box move through the results, so a user need not leave the
// box; Enter there takes the selected result.
bool FindChannelDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
        const int step = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
        if (step != 0 && ResultCount() > 0) {
            SelectResult(std::clamp(selectedResult() + step, 0, ResultCount() - 1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vormante
