// The window's newer commands end to end: the status line follows open, edit,
// undo and save; a text list exported and imported again changes nothing, and an
// edited list imports as one step that undo takes back; Find shows a channel on the
// page it was called from; commands on a filtered list act on the channel in the
// row; recent files and dropped files ask about unsaved changes first.
#include "app/FileCommands.h"
#include "app/ListCommands.h"
#include "app/MainWindow.h"
#include "app/RecentFiles.h"
#include "document/StepNames.h"

#include "PromptChecks.h"
#include "TestSupport.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "controls/PageTabCtrl.h"
#include "model/ChannelList.h"
#include "model/RecordOperations.h"
#include "views/channels/ChannelListPage.h"
#include "views/common/ListFilterBar.h"
#include "views/common/SatellitePageText.h"
#include "views/common/StatusLine.h"
#include "views/satellites/SatellitePage.h"

#include <QDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace vormante;

class TestEditorWiring : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString imagePath_;
    std::unique_ptr<MainWindow> window_;

    const ChannelDatabase& db() const { return window_->database(); }
    // The first used satellite that holds channels.
    static int FirstSatellite(const ChannelDatabase& image) {
        for (int slot = 0; slot < SATELLITE_SLOTS; ++slot)
            if (image.Satellite(slot).isUsed() && IsChannelSlot(image.Satellite(slot).firstChannel()))
                return slot;
        return -1;
    }

private Q_SLOTS:
    void init() {
        QStandardPaths::setTestModeEnabled(true);
        MessageBox::setTestMode(true);
        MessageBox::ResetTestState();
        dir_ = std::make_unique<QTemporaryDir>();
        imagePath_ = dir_->filePath("demo.bin");
        QVERIFY(testsupport::WriteDemoImage(imagePath_));
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(window_->OpenFile(imagePath_));
    }
    void cleanup() {
        testsupport::CheckPromptsAnswered();
        window_.reset();
    }

    void statusLineFollowsTheDocument() {
        StatusLine* status = window_->statusLine();
        QCOMPARE(status->fileText(), QStringLiteral("demo.bin"));
        QCOMPARE(status->fileToolTip(), imagePath_);
        QVERIFY(status->modifiedText().isEmpty());
        QVERIFY(status->tablesText().startsWith(QStringLiteral("Satellites ")));
        const QString totals = status->totalsText();

        window_->document().Apply(QStringLiteral("Delete"), [](ChannelDatabase& w) {
            const int satellite = FirstSatellite(w);
            DeleteChannel(w, w.Satellite(satellite).firstChannel(), satellite);
        });
        QCOMPARE(status->modifiedText(), QStringLiteral("Modified"));
        QVERIFY(status->totalsText() != totals);
        window_->document().Undo();
        QVERIFY(status->modifiedText().isEmpty());
        QCOMPARE(status->totalsText(), totals);
        window_->document().Redo();
        MessageBox::QueueAnswer(QMessageBox::Save);
        QCOMPARE(window_->fileCommands()->SaveImage(), FileCommands::SaveOutcome::Saved);
        QVERIFY(status->modifiedText().isEmpty());
    }

    void exportedListImportsAsItWasAndAnEditedOneAsOneStep() {
        const DatabaseImage opened = db().workingCopy();
        ListCommands* lists = window_->listCommands();
        int previews = 0;
        lists->setDialogRunner([&](QDialog& dialog) {
            ++previews;
            dialog.accept();
            return int(QDialog::Accepted);
        });
        const QString listPath = dir_->filePath("list.csv");
        FileDialog::QueueFileName(dir_->filePath("list")); // ".csv" is added, and Export says where it wrote
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(lists->ExportList());
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("The channel list was written to %1.").arg(listPath));
        FileDialog::QueueFileName(listPath);
        lists->ImportList();
        QCOMPARE(previews, 1);
        QVERIFY(db().workingCopy() == opened); // nothing to change, no step
        QCOMPARE(window_->document().undoStack()->count(), 0);

        // Rename the first channel in the list as a spreadsheet user would.
        QFile file(listPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        file.close();
        const int first = FirstSatellite(db());
        const int channel = db().Satellite(first).firstChannel();
        const QString oldName = steps::FromLatin1(db().Channel(channel).name());
        QVERIFY(lines[1].contains(oldName));
        lines[1].replace(oldName, QStringLiteral("Renamed"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
        file.close();
        FileDialog::QueueFileName(listPath);
        QVERIFY(lists->ImportList());
        QCOMPARE(db().Channel(channel).name(), std::string("Renamed"));
        QCOMPARE(window_->document().undoStack()->count(), 1);
        window_->document().Undo();
        QVERIFY(db().workingCopy() == opened);

        // A file that is no list is refused with its line, and nothing changes.
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("satellite;position\n\"unclosed\n");
        file.close();
        FileDialog::QueueFileName(listPath);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!lists->ImportList());
        QVERIFY(MessageBox::prompts().last().text.contains(QStringLiteral("line")));
        QVERIFY(db().workingCopy() == opened);
    }

    void showChannelJumpsToItsRowOnEitherPage() {
        // The last TV channel of the first satellite's last transponder holding one.
        const int satellite = FirstSatellite(db());
        const int channel = db().Satellite(satellite).lastChannel();
        const bool tv = db().Channel(channel).serviceType() == ChannelRecord::SERVICE_TV;
        const int transponder = db().Channel(channel).transponder();
        SatellitePage* page = window_->satellitePage();
        page->filterBar()->setText(QStringLiteral("no such channel"));
        QVERIFY(page->ShowChannel(satellite, transponder, tv, channel));
        QCOMPARE(page->CurrentSatellite(), satellite);
        QCOMPARE(page->CurrentTransponder(satellite), transponder);
        QCOMPARE(page->CurrentChannel(satellite, transponder), channel);
        QCOMPARE(page->showTv(), tv);

        ChannelListPage* all = window_->channelListPage();
        window_->pageTabCtrl()->setCurrentIndex(1);
        QVERIFY(all->ShowChannel(satellite, tv, channel));
        QCOMPARE(all->ShownSatellite(), satellite);
        QCOMPARE(all->ChannelOfRow(all->currentRow()), channel);
        QVERIFY(all->channelList()->IsRowSelected(all->currentRow()));
    }

    void commandsOnAFilteredListActOnTheRowsChannel() {
        ChannelListPage* all = window_->channelListPage();
        window_->pageTabCtrl()->setCurrentIndex(1);
        all->Refresh();
        ColumnListCtrl* list = all->channelList();
        QVERIFY(list->RowCount() > 3);
        const int row = list->RowCount() - 2;
        const int channel = all->ChannelOfRow(row);
        const QString name = list->CellText(row, 1);
        all->filterBar()->setText(name);
        QVERIFY(!list->IsRowShown(0) || list->CellText(0, 1) == name);
        list->setCurrentRow(row);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        all->DeleteChannelCommand();
        QVERIFY(MessageBox::prompts().last().text.contains(name));
        QVERIFY(!db().Channel(channel).isOccupied());
        QCOMPARE(window_->document().undoStack()->undoText(), QStringLiteral("Delete channel ") + name);
    }

    void recentAndDroppedFilesAskFirst() {
        QCOMPARE(window_->recentFiles()->files().value(0), imagePath_);
        window_->document().Apply(QStringLiteral("Lock"),
                                  [](ChannelDatabase& w) { w.Channel(0).setLocked(!w.Channel(0).locked()); });
        MessageBox::QueueAnswer(QMessageBox::Cancel);
        QVERIFY(!window_->OpenAfterQuestion(imagePath_));
        QVERIFY(window_->document().isModified());
        MessageBox::QueueAnswer(QMessageBox::Discard);
        QVERIFY(window_->OpenAfterQuestion(imagePath_));
        QVERIFY(!window_->document().isModified());
        QCOMPARE(window_->document().undoStack()->count(), 0);
    }
};

QTEST_MAIN(TestEditorWiring)
#include "tst_editorwiring.moc"
