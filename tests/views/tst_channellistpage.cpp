// The all-channels page: which satellites and rows it shows, how the current row
// travels between TV, radio, satellites and commands, and what each command of
// the "CH" menu does to the image.
#include "TestSupport.h"
#include "ViewTestImages.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/ChannelDatabase.h"
#include "model/ConsistencyCheck.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"
#include "views/channels/ChannelDialog.h"
#include "views/channels/ChannelListPage.h"
#include "views/channels/MoveToDialog.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QtTest>

using namespace vormante;
using testsupport::LoadInto;

namespace {

// The first problem the consistency check finds, or an empty text.
QString ChainFault(const ChannelDatabase& db) {
    const std::vector<ConsistencyProblem> problems = CheckConsistency(db);
    return problems.empty() ? QString() : QString::fromStdString(problems.front().message);
}

// Names of the satellite's channels of one kind, in chain order.
QStringList ChainNames(const ChannelDatabase& db, int satellite, bool tv) {
    QStringList names;
    for (int n = 1;; ++n) {
        const int c = FindChannel(db, satellite, -1, tv, n);
        if (c < 0)
            return names;
        names << QString::fromStdString(db.Channel(c).name());
    }
}

} // namespace

#define VERIFY_CONSISTENT()                                                                                  \
    do {                                                                                                     \
        const QString fault = ChainFault(db);                                                                \
        QVERIFY2(fault.isEmpty(), qPrintable(fault));                                                        \
    } while (false)

class TestChannelListPage : public QObject {
    Q_OBJECT

    vormante::Document document_;

    const vormante::ChannelDatabase& db = document_.database();
    std::unique_ptr<ChannelListPage> page_;
    int dialogsRun_ = 0;

    ColumnListCtrl* list() { return page_->channelList(); }
    QString label(const char* name) { return page_->findChild<QLabel*>(QLatin1String(name))->text(); }
    QComboBox* satelliteBox() { return page_->findChild<QComboBox*>(QStringLiteral("satelliteComboBox")); }
    QRadioButton* button(const char* name) { return page_->findChild<QRadioButton*>(QLatin1String(name)); }
    QString cell(int row, int column) { return list()->CellText(row, column); }
    QString currentName() { return cell(page_->currentRow(), 1); }
    QStringList column(int c) {
        QStringList texts;
        for (int row = 0; row < list()->RowCount(); ++row)
            texts << cell(row, c);
        return texts;
    }
    void selectRow(int row) { list()->SelectRow(row, true); }
    void chooseSatellite(int index) { satelliteBox()->setCurrentIndex(index); }
    QAction* action(const char* name) {
        return page_->contextMenu()->findChild<QAction*>(QLatin1String(name));
    }

    // Drives the Move-to dialog with a typed text instead of running it.
    void answerMoveWith(const QString& text, bool ok = true) {
        page_->setDialogRunner([this, text, ok](QDialog& dialog) {
            ++dialogsRun_;
            auto* move = qobject_cast<MoveToDialog*>(&dialog);
            if (!move)
                return int(QDialog::Rejected);
            move->positionEdit()->setText(text);
            ok ? move->accept() : move->reject();
            return dialog.result();
        });
    }

    void load(const std::vector<std::uint8_t>& image) {
        QVERIFY(LoadInto(document_, image));
        page_->Refresh();
    }

private Q_SLOTS:
    void init() {
        MessageBox::setTestMode(true);
        dialogsRun_ = 0;
        page_ = std::make_unique<ChannelListPage>();
        page_->resize(700, 480);
        page_->Initialize(document_);
        page_->setDialogRunner([this](QDialog&) {
            ++dialogsRun_;
            return int(QDialog::Rejected);
        });
        page_->show();
        load(viewtest::TwoSatelliteImage());
    }
    void cleanup() {
        QVERIFY(MessageBox::unexpectedPrompts().isEmpty());
        page_.reset();
        MessageBox::setTestMode(false);
    }

    void initializeBuildsTheColumnsAndFillsNothing() {
        ChannelListPage fresh;
        Document empty;
        fresh.Initialize(empty);
        fresh.Refresh(); // no image loaded yet
        QCOMPARE(fresh.channelList()->RowCount(), 0);
        QCOMPARE(fresh.channelList()->ColumnCount(), 15);
        QCOMPARE(fresh.channelList()->ColumnName(1), QStringLiteral("Channel Name"));
        QCOMPARE(fresh.channelList()->ColumnName(14), QStringLiteral("TP"));
        QCOMPARE(fresh.channelList()->ColumnSpecWidth(4), 55);
        QVERIFY(fresh.showTv());
        QVERIFY(fresh.findChild<QRadioButton*>(QStringLiteral("tvRadioButton"))->isChecked());
    }

    // Return and F2 edit only from the list: a satellite picked with the keys keeps
    // the focus in its box, so Down picks the next one and Return opens nothing.
    void editKeysWorkOnlyInTheList() {
        page_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page_.get()));
        chooseSatellite(1);
        satelliteBox()->setFocus();
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Return, Qt::Key_F2, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(satelliteBox()->currentIndex(), 2); // every arrow went to the box
        QCOMPARE(dialogsRun_, 0);
        list()->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2})
            QTest::keyClick(list(), key);
        QCOMPARE(dialogsRun_, 3);
    }

    void refreshListsTheTvChannelsOfTheFirstSatelliteWithChannels() {
        QCOMPARE(satelliteBox()->count(), 3); // "Empty Sat" has no channels
        QCOMPARE(satelliteBox()->itemText(0), QStringLiteral("Mixed Sat"));
        QCOMPARE(satelliteBox()->itemText(1), QStringLiteral("Radio Sat"));
        QCOMPARE(satelliteBox()->itemText(2), QStringLiteral("Big Sat"));
        QCOMPARE(column(1), QStringList({"Alpha", "bravo", "Charlie", "delta", "Echo", "Zulu"}));
        QCOMPARE(column(0), QStringList({"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(list()->RowTexts(0), QStringList({"1", "Alpha", "110", "111", "110", "8191", "N", "Y", "N",
                                                   "N", "N", "N", "1", "Mixed Sat", "11000 27500 V"}));
        QCOMPARE(cell(1, 14), QStringLiteral("10700 22000 H"));
        QCOMPARE(label("tvCountLabel"), QStringLiteral("6"));
        QCOMPARE(label("radioCountLabel"), QStringLiteral("4"));
        QCOMPARE(label("totalCountLabel"), QStringLiteral("10"));
        QCOMPARE(page_->currentRow(), 0);
        QCOMPARE(list()->SelectedRows(), QList<int>({0}));
        QCOMPARE(int(db.Settings().currentSatellite()), viewtest::MIXED_SATELLITE);
        VERIFY_CONSISTENT();
    }

    void tvRadioTvBringsBackTheCurrentRow() {
        selectRow(3);
        QCOMPARE(page_->currentRow(), 3);
        button("radioRadioButton")->click();
        QVERIFY(!page_->showTv());
        QCOMPARE(column(1), QStringList({"Radio1", "Radio2", "Radio3", "Radio4"}));
        QCOMPARE(page_->currentRow(), 0);
        selectRow(2);
        button("tvRadioButton")->click();
        QCOMPARE(page_->currentRow(), 3);
        QCOMPARE(currentName(), QStringLiteral("delta"));
        QCOMPARE(list()->SelectedRows(), QList<int>({3}));
        button("radioRadioButton")->click();
        QCOMPARE(currentName(), QStringLiteral("Radio3"));

        // "Radio" while radio is shown still exchanges the rows.
        selectRow(1);
        button("radioRadioButton")->click();
        QCOMPARE(page_->currentRow(), 2);
        button("tvRadioButton")->click();
        QCOMPARE(currentName(), QStringLiteral("bravo"));
        VERIFY_CONSISTENT();
    }

    void aRadioOnlySatelliteShowsOnePlaceholderRowForTv() {
        chooseSatellite(1);
        QCOMPARE(int(db.Settings().currentSatellite()), viewtest::RADIO_SATELLITE);
        QCOMPARE(list()->RowCount(), 1);
        QCOMPARE(list()->RowTexts(0), QStringList(QList<QString>(15)));
        QCOMPARE(label("tvCountLabel"), QStringLiteral("0"));
        QCOMPARE(label("radioCountLabel"), QStringLiteral("2"));
        QCOMPARE(label("totalCountLabel"), QStringLiteral("2"));

        // The placeholder names no channel: the commands do nothing and ask nothing.
        const DatabaseImage before = db.workingCopy();
        page_->DeleteChannelCommand();
        page_->EditChannelCommand();
        page_->MoveCommand();
        page_->SortCommand(SortKind::NameDown);
        QCOMPARE(dialogsRun_, 0);
        QVERIFY(MessageBox::prompts().isEmpty());
        QVERIFY(db.workingCopy() == before);
    }

    void anotherSatelliteKeepsTheRowNumberClamped() {
        selectRow(4);
        chooseSatellite(2);
        QCOMPARE(page_->currentRow(), 4);
        QCOMPARE(currentName(), QStringLiteral("TV 5"));
        selectRow(40);
        chooseSatellite(0);
        QCOMPARE(page_->currentRow(), 5);
        QCOMPARE(currentName(), QStringLiteral("Zulu"));
    }

    void moveAcceptsTheRowCountAndRefusesOutside() {
        const DatabaseImage before = db.workingCopy();
        for (const char* text : {"7", "0", "-1"}) {
            MessageBox::ResetTestState();
            MessageBox::QueueAnswer(QMessageBox::Ok);
            answerMoveWith(QLatin1String(text));
            page_->MoveCommand();
            QCOMPARE(MessageBox::prompts().size(), 1);
            QCOMPARE(MessageBox::prompts().first().text, QStringLiteral("Error Input!"));
            QVERIFY(db.workingCopy() == before);
        }
        // A cancelled dialog is refused the same way.
        MessageBox::QueueAnswer(QMessageBox::Ok);
        answerMoveWith(QStringLiteral("3"), false);
        page_->MoveCommand();
        QCOMPARE(MessageBox::prompts().last().text, QStringLiteral("Error Input!"));
        QVERIFY(db.workingCopy() == before);

        answerMoveWith(QStringLiteral("6"));
        page_->MoveCommand();
        QCOMPARE(page_->currentRow(), 5);
        QCOMPARE(currentName(), QStringLiteral("Alpha"));
        QCOMPARE(list()->SelectedRows(), QList<int>({5}));
        QCOMPARE(ChainNames(db, viewtest::MIXED_SATELLITE, true),
                 QStringList({"bravo", "Charlie", "delta", "Echo", "Zulu", "Alpha"}));
        QCOMPARE(ChainNames(db, viewtest::MIXED_SATELLITE, false),
                 QStringList({"Radio1", "Radio2", "Radio3", "Radio4"}));
        VERIFY_CONSISTENT();

        answerMoveWith(QStringLiteral(" 2 "));
        page_->MoveCommand();
        QCOMPARE(ChainNames(db, viewtest::MIXED_SATELLITE, true),
                 QStringList({"bravo", "Alpha", "Charlie", "delta", "Echo", "Zulu"}));
        QCOMPARE(currentName(), QStringLiteral("Alpha"));
        VERIFY_CONSISTENT();
    }

    void moveChangesTheShownSatellitesChainWhateverCurrentSatelliteSays() {
        chooseSatellite(2);
        selectRow(0);
        testsupport::Edit(document_, [&](vormante::ChannelDatabase& w) {
            w.Settings().setCurrentSatellite(viewtest::MIXED_SATELLITE);
        });
        page_->MoveCurrentTo(3);
        QCOMPARE(ChainNames(db, viewtest::BIG_SATELLITE, true).mid(0, 3),
                 QStringList({"TV 2", "TV 3", "TV 1"}));
        QCOMPARE(ChainNames(db, viewtest::MIXED_SATELLITE, true).first(), QStringLiteral("Alpha"));
        VERIFY_CONSISTENT();

        testsupport::Edit(document_,
                          [&](vormante::ChannelDatabase& w) { w.Settings().setCurrentSatellite(0xFF); });
        page_->SortCommand(SortKind::NameDown);
        QCOMPARE(ChainNames(db, viewtest::BIG_SATELLITE, true).first(), QStringLiteral("TV 9"));
        QCOMPARE(currentName(), QStringLiteral("TV 1"));
        VERIFY_CONSISTENT();
    }

    void aSortKeepsTheCurrentChannelCurrent() {
        selectRow(3); // delta
        page_->SortCommand(SortKind::NameUp);
        QCOMPARE(column(1), QStringList({"Alpha", "Charlie", "Echo", "Zulu", "bravo", "delta"}));
        QCOMPARE(page_->currentRow(), 5);
        QCOMPARE(currentName(), QStringLiteral("delta"));
        QCOMPARE(list()->SelectedRows(), QList<int>({5}));
        VERIFY_CONSISTENT();

        // Rows reordered by a header click: the highlighted channel stays the one the commands act on.
        for (int click = 0; click < 2; ++click) {
            Q_EMIT list()->horizontalHeader()->sectionClicked(1);
            QCOMPARE(currentName(), QStringLiteral("delta"));
            QCOMPARE(list()->SelectedRows(), QList<int>({page_->currentRow()}));
        }
        QVERIFY(page_->currentRow() != 5);
        page_->SortCommand(SortKind::FrequencyUp);
        QCOMPARE(currentName(), QStringLiteral("delta"));
        QCOMPARE(column(14).first(), QStringLiteral("10700 22000 H"));
        VERIFY_CONSISTENT();
    }

    void aSortWithRadioShownAlsoReordersTheTvChannels() {
        button("radioRadioButton")->click();
        selectRow(1); // Radio2
        page_->SortCommand(SortKind::NameDown);
        QCOMPARE(currentName(), QStringLiteral("Radio2"));
        QCOMPARE(ChainNames(db, viewtest::MIXED_SATELLITE, true),
                 QStringList({"delta", "bravo", "Zulu", "Echo", "Charlie", "Alpha"}));
        QCOMPARE(ChainNames(db, viewtest::MIXED_SATELLITE, false),
                 QStringList({"Radio4", "Radio3", "Radio2", "Radio1"}));
        VERIFY_CONSISTENT();

        page_->SortCommand(SortKind::ScrambledFirst);
        QCOMPARE(column(1), QStringList({"Radio3", "Radio4", "Radio2", "Radio1"}));
        QCOMPARE(ChainNames(db, viewtest::MIXED_SATELLITE, true).mid(0, 2),
                 QStringList({"Charlie", "Alpha"}));
        VERIFY_CONSISTENT();
    }

    void deletingTheLastRowMakesTheNewLastRowCurrent() {
        selectRow(5);
        MessageBox::QueueAnswer(QMessageBox::No);
        page_->DeleteChannelCommand();
        QCOMPARE(list()->RowCount(), 6);
        QVERIFY(!db.IsChanged());

        MessageBox::QueueAnswer(QMessageBox::Yes);
        page_->DeleteChannelCommand();
        QCOMPARE(MessageBox::prompts().last().title, QStringLiteral("Del Channel"));
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("\t Do you want to del channel [Zulu]?\t\t"));
        QCOMPARE(list()->RowCount(), 5);
        QCOMPARE(page_->currentRow(), 4);
        QCOMPARE(currentName(), QStringLiteral("Echo"));
        QCOMPARE(label("tvCountLabel"), QStringLiteral("5"));
        VERIFY_CONSISTENT();

        // Deleting from the middle keeps the row number: the next channel is current.
        selectRow(1);
        MessageBox::QueueAnswer(QMessageBox::Yes);
        page_->DeleteChannelCommand();
        QCOMPARE(currentName(), QStringLiteral("Charlie"));
        VERIFY_CONSISTENT();
    }

    void deletingASatellitesLastChannelTakesItOutOfTheBox() {
        chooseSatellite(1);
        button("radioRadioButton")->click();
        for (int i = 0; i < 2; ++i) {
            MessageBox::QueueAnswer(QMessageBox::Yes);
            page_->DeleteChannelCommand();
            VERIFY_CONSISTENT();
        }
        QCOMPARE(satelliteBox()->count(), 2);
        QCOMPARE(db.Satellite(viewtest::RADIO_SATELLITE).state(), SatelliteRecord::STATE_IN_USE);
        // The same box entry now names the next satellite with channels.
        QCOMPARE(satelliteBox()->currentText(), QStringLiteral("Big Sat"));
    }

    void aClearedSelectionMakesRefreshSelectTheFirstRowOnly() {
        selectRow(2);
        list()->ClearSelectedRows();
        QCOMPARE(page_->currentRow(), -1);
        page_->Refresh();
        QCOMPARE(page_->currentRow(), 0);
        QCOMPARE(list()->SelectedRows(), QList<int>({0}));
        MessageBox::QueueAnswer(QMessageBox::Yes);
        page_->DeleteChannelCommand();
        QCOMPARE(MessageBox::prompts().last().text,
                 QStringLiteral("\t Do you want to del channel [Alpha]?\t\t"));
        VERIFY_CONSISTENT();
    }

    void countersAreZeroWhenCurrentSatelliteNamesNoUsedSlot() {
        // No satellite has channels: the box is empty and currentSatellite keeps its value.
        std::vector<std::uint8_t> image = testsupport::EmptyImage();
        {
            ChannelDatabase scratch;
            QVERIFY(LoadInto(scratch, image));
            AllocateSatellite(scratch);
            scratch.Settings().setCurrentSatellite(0xFF);
            image.assign(scratch.workingCopy().begin(), scratch.workingCopy().end());
        }
        load(image);
        QCOMPARE(satelliteBox()->count(), 0);
        QCOMPARE(list()->RowCount(), 1);
        QCOMPARE(db.Settings().currentSatellite(), 0xFFu);
        QCOMPARE(label("tvCountLabel"), QStringLiteral("0"));
        QCOMPARE(label("totalCountLabel"), QStringLiteral("0"));

        // A free slot with leftover links is neither offered nor counted.
        {
            ChannelDatabase scratch;
            QVERIFY(LoadInto(scratch, viewtest::TwoSatelliteImage()));
            SatelliteRecord stale = scratch.Satellite(99);
            stale.setFirstChannel(0);
            stale.setLastChannel(0);
            scratch.Settings().setCurrentSatellite(99);
            image.assign(scratch.workingCopy().begin(), scratch.workingCopy().end());
        }
        QVERIFY(LoadInto(document_, image));
        chooseSatellite(-1);
        page_->UpdateCounters();
        QCOMPARE(label("tvCountLabel"), QStringLiteral("0"));
        QCOMPARE(label("radioCountLabel"), QStringLiteral("0"));
        page_->Refresh();
        QCOMPARE(satelliteBox()->count(), 3);
    }

    void theCurrentRowIsShownOnItsPage() {
        chooseSatellite(2);
        selectRow(45);
        page_->Refresh();
        const int perPage = list()->VisibleRowCount();
        QVERIFY(perPage > 1 && perPage < 45);
        QCOMPARE(list()->TopRow(), std::min(perPage * (45 / perPage), 50 - perPage));
        QVERIFY(list()->TopRow() <= 45 && 45 < list()->TopRow() + perPage);
    }

    void addChannelMakesTheNewChannelTheCurrentLastRow() {
        page_->setDialogRunner([this](QDialog& dialog) {
            ++dialogsRun_;
            auto* channelDialog = qobject_cast<ChannelDialog*>(&dialog);
            if (!channelDialog || channelDialog->windowTitle() != QStringLiteral("Add Channel"))
                return int(QDialog::Rejected);
            channelDialog->Store(); // the defaults: "New Prog" with no PIDs, a radio channel
            return dialog.result();
        });
        selectRow(1); // bravo, on the 10700 transponder
        page_->AddChannelCommand();
        QCOMPARE(dialogsRun_, 1);
        QVERIFY(!page_->showTv());
        QVERIFY(page_->findChild<QRadioButton*>(QStringLiteral("radioRadioButton"))->isChecked());
        QCOMPARE(list()->RowCount(), viewtest::MIXED_RADIO + 1);
        QCOMPARE(page_->currentRow(), viewtest::MIXED_RADIO);
        QCOMPARE(currentName(), QStringLiteral("New Prog"));
        QCOMPARE(cell(page_->currentRow(), 14), QStringLiteral("10700 22000 H"));
        QCOMPARE(list()->SelectedRows(), QList<int>({viewtest::MIXED_RADIO}));
        QCOMPARE(label("radioCountLabel"), QStringLiteral("5"));
        VERIFY_CONSISTENT();

        // From a placeholder row the first satellite's first transponder is taken,
        // and the page then shows that satellite with the new channel last.
        button("tvRadioButton")->click();
        chooseSatellite(1);
        QCOMPARE(cell(0, 0), QString());
        page_->AddChannelCommand();
        QCOMPARE(satelliteBox()->currentText(), QStringLiteral("Mixed Sat"));
        QCOMPARE(currentName(), QStringLiteral("New Prog"));
        QCOMPARE(cell(page_->currentRow(), 14), QStringLiteral("11000 27500 V"));
        QCOMPARE(list()->RowCount(), viewtest::MIXED_RADIO + 2);
        VERIFY_CONSISTENT();

        // A cancelled dialog leaves no trace.
        page_->setDialogRunner([](QDialog&) { return int(QDialog::Rejected); });
        const DatabaseImage before = db.workingCopy();
        page_->AddChannelCommand();
        QVERIFY(db.workingCopy() == before);
    }

    void editChannelRewritesItsRowOnly() {
        QString videoPid;
        page_->setDialogRunner([this, &videoPid](QDialog& dialog) {
            ++dialogsRun_;
            auto* channelDialog = qobject_cast<ChannelDialog*>(&dialog);
            if (!channelDialog || channelDialog->windowTitle() != QStringLiteral("Edit Channel") ||
                channelDialog->satelliteCombo()->isEnabled())
                return int(QDialog::Rejected);
            if (!videoPid.isEmpty())
                channelDialog->videoPidEdit()->setText(videoPid);
            channelDialog->Store(); // stores what the dialog was given
            return dialog.result();
        });
        selectRow(1);
        const int channel = page_->ChannelOfRow(1);
        testsupport::Edit(document_,
                          [&](vormante::ChannelDatabase& w) { w.Channel(channel).setName("Renamed"); });
        Q_EMIT list()->rowDoubleClicked(1);
        QCOMPARE(dialogsRun_, 1);
        QCOMPARE(cell(1, 0), QStringLiteral("2"));
        QCOMPARE(cell(1, 1), QStringLiteral("Renamed"));
        QCOMPARE(list()->RowCount(), viewtest::MIXED_TV);

        // Turned into a radio channel in the dialog: it leaves the TV list at once.
        videoPid = QStringLiteral("8191");
        Q_EMIT list()->rowDoubleClicked(1);
        QCOMPARE(dialogsRun_, 2);
        QCOMPARE(db.Channel(channel).serviceType(), ChannelRecord::SERVICE_RADIO);
        VERIFY_CONSISTENT();
        QCOMPARE(list()->RowCount(), viewtest::MIXED_TV - 1);
        QCOMPARE(label("tvCountLabel"), QStringLiteral("5"));
        QVERIFY(!column(1).contains(QStringLiteral("Renamed")));
        button("radioRadioButton")->click();
        QVERIFY(column(1).contains(QStringLiteral("Renamed")));
        button("tvRadioButton")->click();

        Q_EMIT list()->rowDoubleClicked(-1); // below the rows: nothing
        QCOMPARE(dialogsRun_, 2);
    }

    void theContextMenuHoldsTheCommands() {
        QStringList texts;
        for (QAction* a : page_->contextMenu()->actions())
            texts << a->text();
        QCOMPARE(texts,
                 QStringList({"Add Channel...", "Edit Channel...", "Del Channel", "Sort", "Keep this order",
                              "Move", "Move to top", "Move to bottom", "Move up", "Move down", "Flags"}));
        QStringList sorts;
        for (QAction* a : page_->contextMenu()->findChild<QMenu*>(QStringLiteral("sortMenu"))->actions())
            sorts << a->text();
        QCOMPARE(sorts, QStringList({"a..Z", "Z..a", "Scr up", "Scr down", "Freq up", "Freq down"}));

        // A right click on a row makes it the only selected, current row and shows the menu.
        const QPoint onRow = list()->visualRect(list()->model()->index(1, 1)).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, onRow, list()->viewport()->mapToGlobal(onRow));
        QApplication::sendEvent(list()->viewport(), &click);
        QVERIFY(page_->contextMenu()->isVisible());
        page_->contextMenu()->hide();
        QCOMPARE(page_->currentRow(), 1); // bravo
        QCOMPARE(list()->SelectedRows(), QList<int>({1}));
        // A right click below the rows shows nothing.
        const QPoint below(5, list()->viewport()->height() - 3);
        QContextMenuEvent miss(QContextMenuEvent::Mouse, below, list()->viewport()->mapToGlobal(below));
        QApplication::sendEvent(list()->viewport(), &miss);
        QVERIFY(!page_->contextMenu()->isVisible());

        action("sortFrequencyDownAction")->trigger();
        QCOMPARE(column(1), QStringList({"Alpha", "Charlie", "Echo", "bravo", "delta", "Zulu"}));
        QCOMPARE(currentName(), QStringLiteral("bravo"));
        VERIFY_CONSISTENT();

        MessageBox::QueueAnswer(QMessageBox::Yes);
        action("deleteChannelAction")->trigger();
        QCOMPARE(list()->RowCount(), 5);
        VERIFY_CONSISTENT();
    }

    void typingIntoTheSatelliteBoxLeavesNoSatelliteShown() {
        satelliteBox()->setEditText(QStringLiteral("Mix"));
        QCOMPARE(page_->ShownSatellite(), -1);
        const DatabaseImage before = db.workingCopy();
        page_->SortCommand(SortKind::NameDown);
        page_->MoveCommand();
        QCOMPARE(dialogsRun_, 0);
        QVERIFY(db.workingCopy() == before);
    }

    void escapeDoesNothing() {
        QTest::keyClick(page_.get(), Qt::Key_Escape);
        QVERIFY(page_->isVisible());
    }

    void everyCommandOnTheDemoImageKeepsItConsistent() {
        load(BuildDemoImage());
        VERIFY_CONSISTENT();
        const int satellites = satelliteBox()->count();
        QVERIFY(satellites > 1);
        for (int choice = 0; choice < satellites; ++choice) {
            chooseSatellite(choice);
            for (const char* kind : {"radioRadioButton", "tvRadioButton"}) {
                button(kind)->click();
                const int rows = list()->RowCount();
                selectRow(rows - 1);
                for (int sort = 0; sort <= int(SortKind::FrequencyDown); ++sort) {
                    const QString name = currentName();
                    page_->SortCommand(SortKind(sort));
                    QCOMPARE(currentName(), name);
                    VERIFY_CONSISTENT();
                }
                if (cell(0, 0).isEmpty())
                    continue; // a placeholder row
                page_->MoveCurrentTo(1);
                QCOMPARE(page_->currentRow(), 0);
                VERIFY_CONSISTENT();
                MessageBox::QueueAnswer(QMessageBox::Yes);
                page_->DeleteChannelCommand();
                if (rows > 1)
                    QCOMPARE(list()->RowCount(), rows - 1);
                VERIFY_CONSISTENT();
            }
        }
        QCOMPARE(MessageBox::pendingAnswers(), 0);
    }

    void randomImagesNeverCrashThePage() {
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            QVERIFY(LoadInto(document_, testsupport::RandomBytes(IMAGE_SIZE, seed)));
            for (int choice = 0; choice < 3; ++choice) {
                chooseSatellite(choice);
                page_->Refresh();
                selectRow(0);
                page_->SortCommand(SortKind::FrequencyUp);
                page_->MoveCurrentTo(1);
                button(choice % 2 ? "tvRadioButton" : "radioRadioButton")->click();
            }
        }
        MessageBox::ResetTestState();
    }
};

QTEST_MAIN(TestChannelListPage)
#include "tst_channellistpage.moc"
