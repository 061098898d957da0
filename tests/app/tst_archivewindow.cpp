// The archive from the editor's side: what Save and Save as keep, and the Archive
// window's Open, Restore, Compare and Delete on the open document.
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "archive/ImageArchive.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/SampleImages.h"
#include "views/lists/ArchiveDialog.h"
#include "views/lists/CompareDialog.h"

#include "ModalWatcher.h"
#include "PromptChecks.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

using namespace vormante;

namespace {
using testsupport::WriteFile;

QByteArray Working(const Document& document) {
    return QByteArray(reinterpret_cast<const char*>(document.database().workingCopy().data()), IMAGE_SIZE);
}

} // namespace

class TestArchiveWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Document> document_;
    QWidget parent_;
    QByteArray demo_;
    QByteArray other_; // the demo image with a channel renamed
    QString imagePath_;

    QString Path(const QString& name) const { return dir_->filePath(name); }
    ArchiveEntry Keep(const QByteArray& image, ArchiveKind kind = ArchiveKind::Received) {
        return ImageArchive().Add(kind, image, {}, QStringLiteral("COM1")).entry;
    }

private Q_SLOTS:
    void initTestCase() {
        MessageBox::setTestMode(true);
        demo_ = testsupport::ToByteArray(BuildDemoImage());
        auto db = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db, BuildDemoImage()));
        db->Channel(db->Satellite(0).firstChannel()).setName("Renamed");
        other_ = QByteArray(reinterpret_cast<const char*>(db->workingCopy().data()), IMAGE_SIZE);
        QVERIFY(other_ != demo_);
    }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path("data")));
        MessageBox::ResetTestState();
        document_ = std::make_unique<Document>();
        imagePath_ = Path("demo.bin");
        QVERIFY(WriteFile(imagePath_, demo_));
    }
    void cleanup() { testsupport::CheckPromptsAnswered(); }

    // Save and Save as keep the content they replace; a new file replaces nothing.
    void savesKeepWhatTheyReplace_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("kept");
        QTest::newRow("save") << false << "demo.bin" << true;
        QTest::newRow("save as over another image") << true << "other.bin" << true;
        QTest::newRow("save as to a new file") << true << "new.bin" << false;
    }
    void savesKeepWhatTheyReplace() {
        QFETCH(bool, saveAs);
        QFETCH(QString, target);
        QFETCH(bool, kept);
        QVERIFY(WriteFile(Path("other.bin"), other_));
        const QByteArray replaced = testsupport::ReadFile(Path(target));
        FileCommands commands(*document_, &parent_);
        QVERIFY(commands.OpenImageFile(imagePath_));
        testsupport::Edit(*document_, [](ChannelDatabase& db) { db.workingCopy()[5000] ^= 0x5A; });
        if (saveAs) {
            FileDialog::QueueFileName(Path(target));
            QVERIFY(commands.SaveImageAs());
        } else {
            MessageBox::QueueAnswer(QMessageBox::Save);
            QCOMPARE(commands.SaveImage(), FileCommands::SaveOutcome::Saved);
        }
        const QList<ArchiveEntry> entries = ImageArchive().List().entries;
        QCOMPARE(entries.size(), kept ? 1 : 0);
        if (!kept)
            return;
        QCOMPARE(entries[0].kind, ArchiveKind::BeforeSave);
        QCOMPARE(entries[0].file, Path(target));
        QByteArray image;
        QString error;
        QVERIFY(ImageArchive().Read(entries[0].id, &image, &error));
        QCOMPARE(image, replaced);
    }

    void restoreIsOneStepAndUndoesExactly() {
        const ArchiveEntry entry = Keep(other_);
        QVERIFY(testsupport::LoadInto(*document_, BuildDemoImage()));
        ImageArchive archive;
        ArchiveDialog dialog(archive, *document_, {}, &parent_);
        QVERIFY(dialog.SelectEntry(entry.id));
        QVERIFY(dialog.restoreButton()->isEnabled());
        QVERIFY(dialog.RestoreSelected());
        QCOMPARE(document_->undoStack()->count(), 1);
        QCOMPARE(document_->undoStack()->undoText(), ArchiveDialog::RestoreStepName(entry));
        QVERIFY(ArchiveDialog::RestoreStepName(entry).startsWith("Restore image of 20"));
        QCOMPARE(Working(*document_), other_);
        QVERIFY(document_->isModified());
        document_->Undo();
        QCOMPARE(Working(*document_), demo_);
        QVERIFY(!document_->isModified());
    }

    void openMakesAnUnnamedImageThatSaveAsksANameFor() {
        const ArchiveEntry entry = Keep(other_);
        FileCommands commands(*document_, &parent_);
        QVERIFY(commands.OpenImageFile(imagePath_));
        ImageArchive archive;
        int asked = 0;
        ArchiveDialog dialog(
            archive, *document_, [&asked] { return ++asked > 0; }, &parent_);
        QVERIFY(dialog.SelectEntry(entry.id));
        QVERIFY(dialog.OpenSelected());
        QCOMPARE(asked, 1); // the open image's changes were asked about first
        QVERIFY(document_->path().isEmpty());
        QCOMPARE(Working(*document_), other_);

        const QString named = Path("named.bin");
        FileDialog::QueueFileName(named);
        QCOMPARE(commands.SaveImage(), FileCommands::SaveOutcome::Saved);
        QCOMPARE(FileDialog::captions(), QStringList{"Save As"});
        QCOMPARE(testsupport::ReadFile(named), other_);
        QCOMPARE(document_->path(), named);
        QCOMPARE(testsupport::ReadFile(imagePath_), demo_); // nothing else was written
    }

    void compareShowsTheDifferences() {
        const ArchiveEntry entry = Keep(other_);
        QVERIFY(testsupport::LoadInto(*document_, BuildDemoImage()));
        ImageArchive archive;
        ArchiveDialog dialog(archive, *document_, {}, &parent_);
        QString shown;
        dialog.setDialogRunner([&shown](QDialog& compare) {
            shown = static_cast<CompareDialog&>(compare).reportText();
            return int(QDialog::Accepted);
        });
        QVERIFY(dialog.SelectEntry(entry.id));
        QVERIFY(dialog.CompareSelected());
        QVERIFY2(shown.contains("Renamed"), qPrintable(shown));
    }

    void deleteAsksAndRemovesOnlyTheSelected() {
        const ArchiveEntry first = Keep(demo_, ArchiveKind::Sent);
        const ArchiveEntry second = Keep(other_);
        ImageArchive archive;
        ArchiveDialog dialog(archive, *document_, {}, &parent_);
        QVERIFY(dialog.SelectEntry(first.id));
        MessageBox::QueueAnswer(QMessageBox::No);
        QVERIFY(!dialog.DeleteSelected());
        QCOMPARE(MessageBox::prompts().value(0).defaultButton, QMessageBox::No);
        QCOMPARE(dialog.entries().size(), 2);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        QVERIFY(dialog.DeleteSelected());
        QCOMPARE(dialog.entries().size(), 1);
        QCOMPARE(dialog.entries()[0].id, second.id);
        QCOMPARE(dialog.list()->RowCount(), 1);
    }

    // A file of the wrong size is listed as damaged and never read as an image.
    void damagedEntryIsListedButNeverOpened() {
        Keep(demo_);
        const QString folder = ImageArchive().folder();
        QVERIFY(WriteFile(QDir(folder).filePath("2026-01-02_030405_received.bin"), QByteArray(100, 'x')));
        QVERIFY(testsupport::LoadInto(*document_, BuildDemoImage()));
        ImageArchive archive;
        ArchiveDialog dialog(archive, *document_, {}, &parent_);
        QVERIFY(dialog.SelectEntry("2026-01-02_030405_received"));
        QCOMPARE(dialog.list()->CellText(dialog.list()->FirstSelectedRow(), 1),
                 QString("Received (damaged)"));
        QVERIFY(!dialog.openButton()->isEnabled());
        QVERIFY(!dialog.restoreButton()->isEnabled());
        QVERIFY(!dialog.compareButton()->isEnabled());
        QVERIFY(dialog.deleteButton()->isEnabled());
        MessageBox::QueueAnswer(QMessageBox::Ok); // the refusal
        QVERIFY(!dialog.RestoreSelected());
        QCOMPARE(document_->undoStack()->count(), 0);
    }

    void fileMenuOpensTheWindow() {
        QStandardPaths::setTestModeEnabled(true); // the main window's settings stay out of the user's
        MainWindow window;
        QAction* action = window.menuAction(MainWindow::ID_FILE_ARCHIVE);
        QVERIFY(action);
        QCOMPARE(action->text(), QString("Archive..."));
        QVERIFY(action->isEnabled()); // an archived image can be opened with none open
        bool shown = false;
        const testsupport::ModalWatcher close([&](QWidget* modal) {
            if (auto* archive = qobject_cast<ArchiveDialog*>(modal)) {
                shown = true;
                archive->reject();
            }
        });
        action->trigger();
        QStandardPaths::setTestModeEnabled(false);
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestArchiveWindow)
#include "tst_archivewindow.moc"
