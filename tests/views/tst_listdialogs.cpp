// The previews of the channel list features: they show the plan grouped, hand
// back the user's choices, and never change the image themselves.
#include "TestSupport.h"

#include "controls/MessageBox.h"
#include "model/ChannelList.h"
#include "model/ChannelMatcher.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"
#include "views/lists/CompareDialog.h"
#include "views/lists/DuplicatesDialog.h"
#include "views/lists/ListImportDialog.h"
#include "views/lists/ReorderDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace vormante;

namespace {

std::unique_ptr<ChannelDatabase> Demo() {
    auto db = std::make_unique<ChannelDatabase>();
    if (!testsupport::LoadInto(*db, BuildDemoImage()))
        qFatal("demo image refused");
    return db;
}

std::vector<std::uint8_t> BytesOf(const ChannelDatabase& db) {
    return {db.workingCopy().begin(), db.workingCopy().end()};
}

// A copy of the first channel on its transponder: a duplicate.
int Duplicate(ChannelDatabase& db, int of) {
    const ConstChannelRecord from = db.Channel(of);
    const int c = AddChannel(db, from.transponder());
    ChannelRecord to = db.Channel(c);
    to.setTransponder(from.transponder());
    to.setName("Copy");
    to.setVideoPid(from.videoPid());
    to.setAudioPid(from.audioPid());
    RenumberChannels(db, 0);
    return c;
}

QStringList Children(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

} // namespace

class TestListDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        MessageBox::setTestMode(true);
        MessageBox::ResetTestState();
    }
    void cleanup() {
        QVERIFY(MessageBox::unexpectedPrompts().isEmpty());
        QVERIFY(FileDialog::unexpectedDialogs().isEmpty());
        MessageBox::setTestMode(false);
    }

    void importPreviewGroupsThePlanAndReturnsTheChoice() {
        auto db = Demo();
        const auto before = BytesOf(*db);
        // The list backwards, less its last row, with one stranger and one name too long.
        std::string list = WriteChannelList(*db);
        std::vector<std::string> rows;
        for (std::size_t at = list.find("\r\n") + 2; at < list.size();) {
            const std::size_t end = list.find("\r\n", at) + 2;
            rows.insert(rows.begin(), list.substr(at, end - at));
            at = end;
        }
        rows.erase(rows.begin());
        rows.push_back(rows.back());
        rows.back().replace(rows.back().find(",Das Erste,"), 11, ",Stranger,");
        rows.back().replace(rows.back().find(",101,102,"), 9, ",999,102,");
        rows[0].replace(rows[0].find(",TRT Radyo 1,"), 13, ",TRT Radyo 1 FM,");
        std::string text = list.substr(0, list.find("\r\n") + 2);
        for (const std::string& row : rows)
            text += row;
        const ListReadResult read = ReadChannelList(text);
        QVERIFY2(read.ok, read.error.c_str());
        const ListImportPlan plan = PlanListImport(*db, read.rows);

        ListImportDialog dialog(*db, plan);
        const QStringList captions = dialog.groupCaptions();
        QCOMPARE(captions.size(), 4);
        QVERIFY(captions[0].startsWith("Moved ("));
        QCOMPARE(captions.mid(1), (QStringList{"Not in the list (1)", "Rows that match no channel (1)",
                                               "Names that do not fit 11 Latin-1 characters (1)"}));
        QCOMPARE(Children(dialog.changesTree()->topLevelItem(2)).first(),
                 QString("Line %1: Stranger (19.2E)").arg(rows.size() + 1));
        QCOMPARE(Children(dialog.changesTree()->topLevelItem(3)).first(),
                 QString("Line 2: TRT Radyo 1 FM (keeps the name TRT Radyo 1)"));
        QVERIFY(dialog.deleteMissingCheckBox()->isEnabled());
        QVERIFY(!dialog.deleteMissing());
        QVERIFY(dialog.summaryLabel()->text().contains("kept after the listed ones"));
        dialog.deleteMissingCheckBox()->setChecked(true);
        QVERIFY(dialog.summaryLabel()->text().contains("Not in the list: 1 channel, to be deleted"));
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.deleteMissing());
        QVERIFY(BytesOf(*db) == before);
    }

    // A Windows-1252 list, a row whose PIDs changed, and an image that cannot take any plan.
    void importPreviewSaysHowItReadTheList() {
        auto db = Demo();
        std::string list = WriteChannelList(*db);
        list.replace(list.find(",Das Erste,11836,H,27500,101,"), 29, ",Das Erste,11836,H,27500,999,");
        list += "A,1.0E,TV,1,M\xFCnchen,1,H,1,1,1,1,1,0,0,0,0,0,0\r\n"; // not UTF-8
        const ListReadResult read = ReadChannelList(list);
        QVERIFY2(read.ok, read.error.c_str());
        const ListImportPlan plan = PlanListImport(*db, read);
        ListImportDialog dialog(*db, plan);
        QVERIFY(
            dialog.summaryLabel()->text().startsWith("Read as Windows-1252 text (the file is not UTF-8)."));
        QVERIFY(dialog.groupCaptions().contains(
            "Rows paired by name: their PIDs or transponder differ, the channels keep theirs (1)"));
        QVERIFY(dialog.okButton()->isEnabled());

        db->Channel(db->Satellite(1).lastChannel()).setNextChannel(db->Satellite(0).lastChannel());
        const ListImportPlan damagedPlan = PlanListImport(*db, read);
        ListImportDialog damaged(*db, damagedPlan);
        QVERIFY2(damaged.summaryLabel()->text().startsWith("The image is damaged: channel slot "),
                 qPrintable(damaged.summaryLabel()->text()));
        QVERIFY(!damaged.okButton()->isEnabled());
    }

    void importPreviewOfAnUnchangedList() {
        auto db = Demo();
        const ListImportPlan plan = PlanListImport(*db, ReadChannelList(WriteChannelList(*db)).rows);
        ListImportDialog dialog(*db, plan);
        QVERIFY(dialog.groupCaptions().isEmpty());
        QCOMPARE(dialog.summaryLabel()->text(), QString("The list changes nothing."));
        QVERIFY(!dialog.deleteMissingCheckBox()->isEnabled());
    }

    void reorderPreviewFollowsItsOptions() {
        auto image = Demo();
        SortChannels(*image, 0, SortKind::NameUp);
        auto backup = Demo();
        backup->Channel(0).setName("Mine");
        backup->Channel(1).setFav3(true);
        const auto before = BytesOf(*image);

        ReorderDialog dialog(*image, *backup);
        QVERIFY(dialog.groupCaptions().first().startsWith("Moved ("));
        QCOMPARE(dialog.groupCaptions().size(), 1);
        QCOMPARE(dialog.options().names, false);
        dialog.namesCheckBox()->setChecked(true);
        QCOMPARE(dialog.plan().renamed.size(), std::size_t(1));
        QVERIFY(dialog.groupCaptions().contains("Renamed (1)"));
        QVERIFY(Children(dialog.changesTree()->topLevelItem(1)).first().endsWith("Das Erste \u2192 Mine"));
        dialog.flagsCheckBox()->setChecked(true);
        QVERIFY(dialog.groupCaptions().contains("Flags changed (1)"));
        QVERIFY(Children(dialog.changesTree()->topLevelItem(2)).first().endsWith("arte: Fav 3 on"));
        QVERIFY(dialog.options().names && dialog.options().flags);
        QVERIFY(BytesOf(*image) == before);

        ReorderDialog same(*backup, *backup);
        QCOMPARE(same.summaryLabel()->text(), QString("The channels are in that order already."));
        QVERIFY(same.okButton()->isEnabled());

        image->Channel(image->Satellite(1).lastChannel()).setNextChannel(image->Satellite(0).lastChannel());
        ReorderDialog damaged(*image, *backup);
        QVERIFY2(damaged.summaryLabel()->text().startsWith("The image is damaged: channel slot "),
                 qPrintable(damaged.summaryLabel()->text()));
        QVERIFY(!damaged.okButton()->isEnabled());
    }

    void compareDialogGroupsBySatelliteAndSavesTheReport() {
        auto first = Demo();
        auto second = Demo();
        second->Channel(0).setName("Eins");
        second->Settings().setMenuLanguage(second->Settings().menuLanguage() ^ 1);
        CompareDialog dialog(*first, *second, "old.bin", "new.bin");
        QTreeWidget* tree = dialog.differencesTree();
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("Satellite Astra 1 19.2E (19.2E): changed"));
        QCOMPARE(Children(tree->topLevelItem(0)), QStringList{"TV 1 Das Erste: changed"});
        QCOMPARE(Children(tree->topLevelItem(0)->child(0)),
                 QStringList{"name: \"Das Erste\" \u2192 \"Eins\""});
        QCOMPARE(tree->topLevelItem(1)->text(0), QString("Settings: changed"));
        QCOMPARE(tree->topLevelItem(2)->text(0), QString("Bytes that differ"));
        QCOMPARE(Children(tree->topLevelItem(2)),
                 (QStringList{"settings: 1 byte", "channel table: 9 bytes"}));

        QTemporaryDir dir;
        const QString path = dir.filePath("report.txt");
        FileDialog::QueueFileName(path);
        QVERIFY(dialog.saveReport());
        QCOMPARE(QString::fromUtf8(testsupport::ReadFile(path)), dialog.reportText());
        QVERIFY(dialog.reportText().startsWith("Differences from old.bin to new.bin\n"));
        FileDialog::QueueFileName(QString()); // Cancel
        QVERIFY(!dialog.saveReport());
        FileDialog::QueueFileName(dir.path()); // a folder cannot be replaced
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!dialog.saveReport());
        QCOMPARE(MessageBox::prompts().size(), 1);
        QVERIFY(MessageBox::prompts().first().text.startsWith("The report could not be saved: "));

        CompareDialog same(*first, *first, "a", "b");
        QCOMPARE(same.differencesTree()->topLevelItemCount(), 0);
        QCOMPARE(same.summaryLabel()->text(), QString("The images do not differ."));
        second = Demo();
        second->Channel(0).setState(3); // a byte no compared field shows
        CompareDialog bytes(*first, *second, "a", "b");
        QCOMPARE(bytes.summaryLabel()->text(),
                 QString("No compared field differs, but bytes do: 1 in the channel table."));
    }

    void duplicatesDialogTicksExtraCopies() {
        auto db = Demo();
        const int copy1 = Duplicate(*db, 0);
        const int copy2 = Duplicate(*db, 0);
        const auto before = BytesOf(*db);
        DuplicatesDialog dialog(*db);
        QCOMPARE(dialog.groups().size(), std::size_t(1));
        QCOMPARE(dialog.selectedChannels(), (std::vector<int>{copy1, copy2}));
        QCOMPARE(dialog.summaryLabel()->text(),
                 QString("Stored more than once: 1 service. Selected for deletion: 2 channels."));
        QVERIFY(dialog.setSelected(0, true));
        QVERIFY(dialog.setSelected(copy1, false));
        QCOMPARE(dialog.selectedChannels(), (std::vector<int>{0, copy2}));
        QVERIFY(!dialog.setSelected(5, true)); // not a duplicate
        QVERIFY(dialog.setSelected(0, false) && dialog.setSelected(copy2, false));
        QVERIFY(!dialog.deleteButton()->isEnabled());
        QVERIFY(BytesOf(*db) == before);

        auto clean = Demo();
        DuplicatesDialog none(*clean);
        QCOMPARE(none.summaryLabel()->text(), QString("No channel is stored twice."));
        QVERIFY(!none.deleteButton()->isEnabled());

        // A channel on two chains: deleting would be refused, so the dialog says why up front.
        db->Channel(db->Satellite(1).lastChannel()).setNextChannel(db->Satellite(2).firstChannel());
        DuplicatesDialog damaged(*db);
        QVERIFY2(damaged.summaryLabel()->text().contains(" The image is damaged: channel slot "),
                 qPrintable(damaged.summaryLabel()->text()));
        QVERIFY(!damaged.deleteButton()->isEnabled());
    }
};

QTEST_MAIN(TestListDialogs)
#include "tst_listdialogs.moc"
