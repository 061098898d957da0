// A monkey on the three pages: on the demo image and the full image, thousands of
// random user actions (tab changes, row selections, header sorts, TV/radio, the
// satellite box, every context menu command, every settings list)
// with random answers to every message box and random contents in every edit dialog,
// accepted or cancelled at random. After each action the image must pass the
// consistency check; an action that recorded a step must undo to the image before
// it and redo to the image after it, byte for byte; an action that recorded none
// must not have changed the image. At the end, undoing everything gives the opened
// image and redoing everything the final one. A crash fails the run by itself.
//
// The run is bounded for `make test`; VORMANTE_MONKEY_COMMANDS sets the number of
// actions per image for a longer run, VORMANTE_MONKEY_SEED the random seed.
#include "views/channels/ChannelListPage.h"
#include "views/channels/MoveToDialog.h"
#include "views/satellites/SatellitePage.h"
#include "views/settings/SystemSettingsPage.h"

#include "PageTestSupport.h"
#include "TestSupport.h"
#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "model/ConsistencyCheck.h"
#include "model/SampleImages.h"
#include "views/channels/ChannelDialog.h"
#include "views/satellites/LnbDialog.h"
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/SatellitePageCommands.h"
#include "views/satellites/TransponderDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QUndoStack>
#include <QtTest>

#include <random>

using namespace vormante;
using Cmd = SatellitePageCommands;

namespace {

constexpr int DEFAULT_COMMANDS = 1500;

int CommandsPerImage() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VORMANTE_MONKEY_COMMANDS", &ok);
    return ok && n > 0 ? n : DEFAULT_COMMANDS;
}

unsigned Seed() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VORMANTE_MONKEY_SEED", &ok);
    return ok ? static_cast<unsigned>(n) : 20261208u;
}

const int SATELLITE_COMMANDS[] = {Cmd::EDIT_SATELLITE,  Cmd::DEL_SATELLITE,   Cmd::ADD_NEW_TRANSPONDER,
                                  Cmd::ADD_SATELLITE,   Cmd::ADD_TRANSPONDER, Cmd::EDIT_TRANSPONDER,
                                  Cmd::DEL_TRANSPONDER, Cmd::ADD_PROGRAM,     Cmd::EDIT_LNB,
                                  Cmd::ADD_CHANNEL,     Cmd::EDIT_CHANNEL,    Cmd::DEL_CHANNEL};

const QMessageBox::StandardButton ANSWERS[] = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok,
                                               QMessageBox::Cancel};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::setTestMode(true); }
    void cleanup() {
        page_.reset();
        channels_.reset();
        settings_.reset();
        MessageBox::ResetTestState();
    }

    void threePages_data() { testsupport::AddSampleImageRows(); }
    void threePages() {
        QFETCH(bool, full);
        random_.seed(Seed() + (full ? 1 : 0));
        accepted_ = answered_ = 0;
        QVERIFY(testsupport::LoadInto(document_, full ? BuildFullImage() : BuildDemoImage()));
        QVERIFY(CheckConsistency(db_).empty());
        page_ =
            testsupport::ShowSatellitePage(document_, [this](QDialog& dialog) { return FillDialog(dialog); });
        channels_ = std::make_unique<ChannelListPage>();
        channels_->resize(760, 520);
        channels_->show();
        channels_->Initialize(document_);
        channels_->setDialogRunner([this](QDialog& dialog) { return FillDialog(dialog); });
        channels_->Refresh();
        settings_ = std::make_unique<SystemSettingsPage>();
        settings_->FillLists(document_);
        settings_->LoadFromSettings();

        const int commands = CommandsPerImage();
        const QUndoStack* history = document_.undoStack();
        const DatabaseImage opened = db_.workingCopy();
        for (int i = 0; i < commands; ++i) {
            MessageBox::ResetTestState();
            const DatabaseImage before = db_.workingCopy();
            const int steps = history->index();
            const int which = Pick(20);
            const QString action = which < 10   ? SatellitePageAction()
                                   : which < 17 ? ChannelListAction()
                                                : SettingsAction();
            const QString where = QStringLiteral("seed %1, action %2 (%3)").arg(Seed()).arg(i).arg(action);
            const QString problems = Problems();
            QVERIFY2(problems.isEmpty(), qPrintable(where + QStringLiteral(": ") + problems));
            const DatabaseImage after = db_.workingCopy();
            if (history->index() == steps) {
                QVERIFY2(SameButCurrentSatellite(before, after),
                         qPrintable(where + QStringLiteral(": no step")));
            } else {
                QCOMPARE(history->index(), steps + 1);
                document_.Undo();
                QVERIFY2(SameButCurrentSatellite(before, db_.workingCopy()),
                         qPrintable(where + QStringLiteral(": undo")));
                document_.Redo();
                QVERIFY2(db_.workingCopy() == after, qPrintable(where + QStringLiteral(": redo")));
            }
            if (QTest::currentTestFailed())
                return;
        }
        const DatabaseImage final = db_.workingCopy();
        while (history->canUndo())
            document_.Undo();
        QVERIFY(SameButCurrentSatellite(db_.workingCopy(), opened));
        while (history->canRedo())
            document_.Redo();
        QVERIFY(SameButCurrentSatellite(db_.workingCopy(), final));
        qInfo("%d actions on the three pages of the %s image, %d dialogs accepted, %d message boxes answered",
              commands, full ? "full" : "demo", accepted_, answered_);
    }

private:
    // Showing a satellite makes it the current one without a step of its own (it
    // joins the next step), so that one byte may differ.
    static bool SameButCurrentSatellite(const DatabaseImage& a, const DatabaseImage& b) {
        constexpr std::size_t CURRENT = layout::SETTINGS_BLOCK + SystemSettingsBlock::CURRENT_SATELLITE_BYTE;
        return std::equal(a.begin(), a.begin() + CURRENT, b.begin()) &&
               std::equal(a.begin() + CURRENT + 1, a.end(), b.begin() + CURRENT + 1);
    }

    int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool Chance(int percent) { return Pick(100) < percent; }

    // One random action on the satellite page; returns what it was for the failure message.
    QString SatellitePageAction() {
        const int kind = Pick(11);
        if (kind == 10) { // its tab comes up
            for (int which = 0; which < 4; ++which)
                page_->RefreshList(which);
            return QStringLiteral("satellite page shown");
        }
        if (kind < 3) {
            const int which = Pick(4);
            ColumnListCtrl* list = page_->list(which);
            const int rows = list->RowCount();
            const int row = Chance(5) ? rows : Pick(rows); // now and then one past the end
            page_->SelectRowAndReact(which, row);
            return QStringLiteral("select row %1 of list %2").arg(row).arg(which);
        }
        if (kind == 3) {
            const bool tv = Chance(50);
            (tv ? page_->tvButton() : page_->radioButton())->click();
            return tv ? QStringLiteral("TV") : QStringLiteral("radio");
        }
        if (kind == 4) {
            const int which = Pick(4);
            ColumnListCtrl* list = page_->list(which);
            const int column = Pick(list->ColumnCount());
            const bool ascending = Chance(50);
            list->SortByColumn(column, ascending);
            return QStringLiteral("sort list %1 by column %2").arg(which).arg(column);
        }
        // A command, with a few random answers queued for whatever it asks.
        const int id = SATELLITE_COMMANDS[Pick(std::size(SATELLITE_COMMANDS))];
        QueueAnswers();
        page_->RunCommand(id);
        return QStringLiteral("command %1").arg(id);
    }

    QString ChannelListAction() {
        switch (Pick(12)) {
        case 0:
            channels_->Refresh();
            return QStringLiteral("channel list shown");
        case 1: {
            QComboBox* box = channels_->findChild<QComboBox*>();
            if (box && box->count() > 0)
                box->setCurrentIndex(Pick(box->count()));
            return QStringLiteral("satellite box");
        }
        case 2:
            channels_->SetShowTv(Chance(50));
            return QStringLiteral("channel list TV/radio");
        case 3:
        case 4: {
            ColumnListCtrl* list = channels_->channelList();
            const int row = Pick(list->RowCount() + 1);
            list->SelectRow(row, true);
            return QStringLiteral("channel list row %1").arg(row);
        }
        case 5: {
            ColumnListCtrl* list = channels_->channelList();
            list->SortByColumn(Pick(list->ColumnCount()), Chance(50));
            return QStringLiteral("channel list header sort");
        }
        case 6:
            QueueAnswers();
            channels_->AddChannelCommand();
            return QStringLiteral("channel list add");
        case 7:
            QueueAnswers();
            channels_->EditChannelCommand();
            return QStringLiteral("channel list edit");
        case 8:
            QueueAnswers();
            channels_->DeleteChannelCommand();
            return QStringLiteral("channel list delete");
        case 9: {
            const int kind = Pick(6);
            channels_->SortCommand(static_cast<SortKind>(kind));
            return QStringLiteral("channel list sort %1").arg(kind);
        }
        default:
            QueueAnswers();
            channels_->MoveCommand();
            return QStringLiteral("channel list move");
        }
    }

    QString SettingsAction() {
        if (Chance(20)) {
            settings_->LoadFromSettings();
            return QStringLiteral("settings shown");
        }
        const QList<QComboBox*> boxes = settings_->findChildren<QComboBox*>();
        if (boxes.isEmpty())
            return QStringLiteral("settings: no lists");
        QComboBox* box = boxes.at(Pick(boxes.size()));
        const int index = box->count() > 0 ? Pick(box->count()) : -1;
        if (box->isEnabled())
            box->setCurrentIndex(index);
        return QStringLiteral("settings list %1 to %2").arg(box->objectName()).arg(index);
    }

    void QueueAnswers() {
        for (int a = Pick(3); a > 0; --a) {
            MessageBox::QueueAnswer(ANSWERS[Pick(std::size(ANSWERS))]);
            ++answered_;
        }
    }

    // Random contents in the dialog's fields, then OK or Cancel.
    int FillDialog(QDialog& dialog) {
        if (Chance(25))
            return QDialog::Rejected;
        if (Chance(70)) {
            for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
                if (Chance(50) && edit->isEnabled())
                    edit->setText(RandomText());
            for (QComboBox* combo : dialog.findChildren<QComboBox*>())
                if (Chance(30) && combo->isEnabled() && combo->count() > 0)
                    combo->setCurrentIndex(Pick(combo->count()));
            for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
                if (Chance(30) && box->isEnabled())
                    box->setChecked(!box->isChecked());
        }
        if (auto* move = qobject_cast<MoveToDialog*>(&dialog)) {
            if (Chance(70))
                move->positionEdit()->setText(QString::number(Pick(3100) - 50));
            move->accept();
        } else if (!testsupport::StoreEditDialog(dialog))
            return QDialog::Rejected;
        if (dialog.result() == QDialog::Accepted)
            ++accepted_;
        return dialog.result();
    }

    QString RandomText() {
        static const QString digits = QStringLiteral("0123456789");
        static const QString any = QStringLiteral("0123456789-.,+ abcXYZ\u00e9\u00fc#\u4e2d");
        const QString& pool = Chance(70) ? digits : any;
        QString text;
        for (int n = Pick(12); n > 0; --n)
            text += pool.at(Pick(pool.size()));
        return text;
    }

    QString Problems() const { return testsupport::ConsistencyProblems(db_).join('\n'); }

    vormante::Document document_;

    const vormante::ChannelDatabase& db_ = document_.database();
    std::unique_ptr<SatellitePage> page_;
    std::unique_ptr<ChannelListPage> channels_;
    std::unique_ptr<SystemSettingsPage> settings_;
    std::mt19937 random_;
    int accepted_ = 0;
    int answered_ = 0;
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
