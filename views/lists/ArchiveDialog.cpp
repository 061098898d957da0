#include "views/lists/ArchiveDialog.h"

#include "archive/ArchiveKeeper.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "document/Document.h"
#include "views/lists/CompareDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace vormante {

namespace {

// Each caption translated on its own when the list is built.
QList<columnlist::ColumnSpecEntry> Columns() {
    static constexpr columnlist::ColumnCaption COLUMNS[] = {
        //: Column caption: when the image was archived.
        {QT_TRANSLATE_NOOP("ArchiveDialog", "Time"), 130},
        //: Column caption: received, sent or kept before saving.
        {QT_TRANSLATE_NOOP("ArchiveDialog", "Kind"), 100},
        //: Column caption: the file saved or the serial port used.
        {QT_TRANSLATE_NOOP("ArchiveDialog", "File or port"), 140},
        //: Column caption: the number of satellites in the image.
        {QT_TRANSLATE_NOOP("ArchiveDialog", "Satellites"), 65},
        //: Column caption: the number of transponders in the image.
        {QT_TRANSLATE_NOOP("ArchiveDialog", "Transponders"), 85},
        //: Column caption: the number of channels in the image.
        {QT_TRANSLATE_NOOP("ArchiveDialog", "Channels"), 65},
    };
    return columnlist::TranslatedColumns("ArchiveDialog", COLUMNS);
}

QString Count(int value) {
    return value < 0 ? QStringLiteral("-") : QString::number(value);
}

QString KindText(const ArchiveEntry& entry) {
    //: An archived image's kind: received from the receiver.
    const QString kind = entry.kind == ArchiveKind::Received ? ArchiveDialog::tr("Received")
                         //: An archived image's kind: sent to the receiver.
                         : entry.kind == ArchiveKind::Sent ? ArchiveDialog::tr("Sent")
                                                           //: An archived image's kind: the file's
                                                           //: copy kept before it was saved over.
                                                           : ArchiveDialog::tr("Before saving");
    //: %1 is an archived image's kind (Received, Sent, Before saving) whose file is damaged.
    return entry.damaged ? ArchiveDialog::tr("%1 (damaged)").arg(kind) : kind;
}

QString PlaceText(const ArchiveEntry& entry) {
    const QString place = archiving::ShownPlace(entry);
    return entry.kind == ArchiveKind::BeforeSave ? QFileInfo(place).fileName() : place;
}

} // namespace

ArchiveDialog::ArchiveDialog(ImageArchive& archive, Document& document, std::function<bool()> confirmLeave,
                             QWidget* parent)
    : QDialog(parent), archive_(archive), document_(document), commands_(document, std::move(confirmLeave)),
      runDialog_([](QDialog& dialog) { return dialog.exec(); }),
      openFolder_([](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); }) {
    //: The window of the images kept by the program (a noun).
    setWindowTitle(tr("Archive"));
    setObjectName(QStringLiteral("archiveDialog"));

    list_ = new ColumnListCtrl(this);
    list_->setObjectName(QStringLiteral("archiveList"));
    list_->BuildColumns(Columns());
    list_->SetRowsWanted(12, 6);
    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel_->setWordWrap(true);
    summaryLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The buttons for the selected entry stand in a row under the list, each wired to
    // its command.
    auto* actions = new QHBoxLayout;
    auto button = [this, actions](Action action, const QString& text, const char* name, auto command) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QLatin1String(name));
        made->setAutoDefault(false);
        connect(made, &QPushButton::clicked, this, command);
        actions->addWidget(made);
        buttons_[action] = made;
    };
    //: A button (a verb): open the archived image.
    button(OPEN, tr("Open"), "openButton", &ArchiveDialog::OpenSelected);
    button(COMPARE, tr("Compare with the open image"), "compareButton", &ArchiveDialog::CompareSelected);
    //: A button (a verb): put the archived image into the open document.
    button(RESTORE, tr("Restore"), "restoreButton", &ArchiveDialog::RestoreSelected);
    //: A button (a verb): delete the archived image.
    button(DELETE, tr("Delete"), "deleteButton", &ArchiveDialog::DeleteSelected);
    button(FOLDER, tr("Show in folder"), "folderButton", &ArchiveDialog::ShowFolder);
    actions->addStretch();
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    buttons_[OPEN]->setToolTip(tr("Open the image as a new, unnamed document"));
    buttons_[RESTORE]->setToolTip(tr("Put the image into the open document, as one step Undo takes back"));

    limitBox_ = new QSpinBox(this);
    limitBox_->setObjectName(QStringLiteral("limitSpinBox"));
    limitBox_->setRange(1, 100000);
    limitBox_->setKeyboardTracking(false);
    //: Before a number box; "images" follows it: "Keep at most [50] images".
    auto* limitLabel = new QLabel(tr("Keep at most"), this);
    limitLabel->setBuddy(limitBox_);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(limitLabel);
    bottom->addWidget(limitBox_);
    //: After a number box: "Keep at most [50] images".
    bottom->addWidget(new QLabel(tr("images"), this));
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(summaryLabel_);
    layout->addLayout(actions);
    layout->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &ColumnListCtrl::rowSelectionChanged, this, &ArchiveDialog::UpdateButtons);
    connect(list_, &ColumnListCtrl::rowDoubleClicked, this, [this](int row) {
        if (row >= 0)
            OpenSelected();
    });
    connect(limitBox_, &QSpinBox::editingFinished, this, &ArchiveDialog::ApplyLimit);
    Refill();
    if (list_->RowCount() > 0)
        list_->SelectRow(0, true);
}

QString ArchiveDialog::RestoreStepName(const ArchiveEntry& entry) {
    //: The name of an edit step: %1 is when the image was archived.
    return tr("Restore image of %1").arg(archiving::ShownTime(entry));
}

void ArchiveDialog::Refill() {
    const ArchiveEntry* selected = selectedEntry();
    const QString keep = selected ? selected->id : QString();
    const ImageArchive::Listing listing = archive_.List();
    entries_ = listing.entries;
    limit_ = listing.limit;
    list_->DeleteAllRows();
    for (int i = 0; i < entries_.size(); ++i) {
        const ArchiveEntry& entry = entries_[i];
        list_->AddKeyedRow({archiving::ShownTime(entry), KindText(entry), PlaceText(entry),
                            Count(entry.satellites), Count(entry.transponders), Count(entry.channels)},
                           i);
    }
    const QSignalBlocker quiet(limitBox_);
    limitBox_->setValue(limit_);
    const int count = static_cast<int>(entries_.size());
    QString summary = (count == 1
                           //: %1 is the archive's folder.
                           ? tr("%n image in %1", nullptr, count)
                           //: %1 is the archive's folder.
                           : tr("%n images in %1", nullptr, count))
                          .arg(QDir::toNativeSeparators(archive_.folder()));
    if (!listing.problem.isEmpty())
        summary += QStringLiteral("\n") + listing.problem;
    summaryLabel_->setText(summary);
    if (!keep.isEmpty())
        SelectEntry(keep);
    UpdateButtons();
    // Every column in view, as far as the screen allows.
    list_->setMinimumWidth(std::min(list_->horizontalHeader()->length() +
                                        list_->verticalScrollBar()->sizeHint().width() +
                                        2 * list_->frameWidth(),
                                    900));
}

const ArchiveEntry* ArchiveDialog::selectedEntry() const {
    const int row = list_->FirstSelectedRow();
    const int key = row >= 0 ? list_->RowKey(row) : -1;
    return key >= 0 && key < entries_.size() ? &entries_[key] : nullptr;
}

bool ArchiveDialog::SelectEntry(const QString& id) {
    for (int i = 0; i < entries_.size(); ++i) {
        if (entries_[i].id != id)
            continue;
        const int row = list_->RowOfKey(i);
        list_->SelectRow(row, true);
        list_->EnsureRowVisible(row);
        return true;
    }
    return false;
}

void ArchiveDialog::UpdateButtons() {
    const ArchiveEntry* entry = selectedEntry();
    const bool image = entry && !entry->damaged;
    buttons_[OPEN]->setEnabled(image);
    buttons_[COMPARE]->setEnabled(image && document_.isOpen());
    buttons_[RESTORE]->setEnabled(image && document_.isOpen());
    buttons_[DELETE]->setEnabled(entry != nullptr);
}

void ArchiveDialog::Tell(const QString& text) {
    MessageBox::Show(this, windowTitle(), text, QMessageBox::Ok, QMessageBox::Warning);
}

bool ArchiveDialog::ReadSelected(QByteArray* image) {
    const ArchiveEntry* entry = selectedEntry();
    if (!entry)
        return false;
    QString error;
    if (archive_.Read(entry->id, image, &error))
        return true;
    //: %1 names the archived image, %2 says why it cannot be read.
    Tell(tr("%1 cannot be read: %2.").arg(archiving::Describe(*entry), error));
    Refill();
    return false;
}

bool ArchiveDialog::OpenSelected() {
    QByteArray image;
    if (!ReadSelected(&image))
        return false;
    QString error;
    if (!commands_.OpenImage(image, &error)) {
        if (!error.isEmpty())
            Tell(error);
        return false;
    }
    accept();
    return true;
}

bool ArchiveDialog::CompareSelected() {
    QByteArray image;
    if (!document_.isOpen() || !ReadSelected(&image))
        return false;
    const auto archived = LoadedImage(image);
    const QString openName =
        document_.path().isEmpty() ? tr("the open image") : QFileInfo(document_.path()).fileName();
    CompareDialog compare(document_.database(), *archived, openName, archiving::Describe(*selectedEntry()),
                          this);
    runDialog_(compare);
    return true;
}

bool ArchiveDialog::RestoreSelected() {
    QByteArray image;
    if (!document_.isOpen() || !ReadSelected(&image))
        return false;
    if (!commands_.RestoreImage(RestoreStepName(*selectedEntry()), image)) {
        //: %1 names the archived image.
        MessageBox::information(
            this, tr("The open image is already the same as %1.").arg(archiving::Describe(*selectedEntry())));
        return false;
    }
    accept();
    return true;
}

bool ArchiveDialog::DeleteSelected() {
    const ArchiveEntry* entry = selectedEntry();
    if (!entry)
        return false;
    //: %1 names the archived image.
    const QString question = tr("Delete %1 from the archive?").arg(archiving::Describe(*entry));
    if (!MessageBox::AskYesNoDefaultNo(this, windowTitle(), question))
        return false;
    QString error;
    const bool removed = archive_.Remove(entry->id, &error);
    if (!removed)
        //: %1 names the archived image, %2 says why it could not be deleted.
        Tell(tr("%1 could not be deleted: %2.").arg(archiving::Describe(*entry), error));
    Refill();
    return removed;
}

void ArchiveDialog::ShowFolder() {
    QDir().mkpath(archive_.folder());
    openFolder_(archive_.folder());
}

void ArchiveDialog::ApplyLimit() {
    const int limit = limitBox_->value();
    if (limit == limit_)
        return;
    if (limit < entries_.size()) {
        const int going = static_cast<int>(entries_.size()) - limit;
        //: %1 is the number of images held, %2 the new bound, %3 the number removed.
        const QString question =
            tr("The archive holds %1 images. Keeping at most %2 removes %3 of them now: the "
               "oldest copies from before saving first, received images last. Go ahead?")
                .arg(QString::number(entries_.size()), QString::number(limit), QString::number(going));
        if (!MessageBox::AskYesNoDefaultNo(this, windowTitle(), question)) {
            const QSignalBlocker quiet(limitBox_);
            limitBox_->setValue(limit_);
            return;
        }
    }
    QList<ArchiveEntry> dropped;
    QString error;
    if (!archive_.Prune(limit, &dropped, &error))
        //: %1 says why the number of images kept could not be changed.
        Tell(tr("The bound could not be changed: %1.").arg(error));
    Refill();
}

} // namespace vormante
