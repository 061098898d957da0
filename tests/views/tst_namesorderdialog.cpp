// The preview of "Order by a list of names": every line with how it matched, the
// channels left out, a box where a line could take several channels, and the
// options; choosing replans, and the image never changes.
#include "TestSupport.h"
#include "ViewTestImages.h"

#include "model/BulkOperations.h"
#include "views/lists/NamesOrderDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

using namespace vormante;

class TestNamesOrderDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsEveryLineAndReplansOnEveryChoice() {
        ChannelDatabase db;
        QVERIFY(testsupport::LoadInto(db, viewtest::TwoSatelliteImage()));
        const std::vector<int> tv = ChannelsOfKind(db, viewtest::MIXED_SATELLITE, true);
        db.Channel(tv.back()).setName("Alpha"); // Zulu becomes a second Alpha
        const DatabaseImage before = db.workingCopy();
        const NamesListResult list = ReadNamesList("alpha\n\xD0\xAF\nCHARLIE HD\nnobody\n");
        QVERIFY(list.ok);

        NamesOrderDialog dialog(db, list, "mine.txt", viewtest::MIXED_SATELLITE, true);
        QCOMPARE(dialog.groupCaptions(), (QStringList{"Matched lines (2)", "Lines that match no channel (2)",
                                                      "Channels not in the list (4)"}));
        const QTreeWidgetItem* matched = dialog.linesTree()->topLevelItem(0);
        QCOMPARE(matched->child(0)->text(NamesOrderDialog::MATCH_COLUMN), QString("case-folded, one of 2"));
        QCOMPARE(matched->child(1)->text(NamesOrderDialog::MATCH_COLUMN), QString("loose"));
        QCOMPARE(dialog.linesTree()->topLevelItem(1)->child(0)->text(NamesOrderDialog::MATCH_COLUMN),
                 QString("not Latin-1"));
        QVERIFY(dialog.summaryLabel()->text().startsWith(
            "mine.txt (UTF-8), 4 lines: 0 exact, 1 case-folded, 1 loose"));

        // The line's box offers both Alphas; choosing the second replans.
        auto* box = qobject_cast<QComboBox*>(
            dialog.linesTree()->itemWidget(matched->child(0), NamesOrderDialog::CHANNEL_COLUMN));
        QVERIFY(box && box->count() == 2);
        box->setCurrentIndex(1);
        QTRY_COMPARE(dialog.plan().lines[0].channel, tv.back());

        dialog.renameCheckBox()->setChecked(true);
        QVERIFY(dialog.groupCaptions().contains("Renamed (2)"));
        dialog.deleteMissingCheckBox()->setChecked(true);
        QVERIFY(dialog.plan().options.deleteUnlisted && dialog.plan().options.rename);
        dialog.radioRadioButton()->setChecked(true);
        QVERIFY(!dialog.plan().options.tv && dialog.plan().options.picks.empty());
        QCOMPARE(dialog.plan().Count(NameMatch::None), std::size_t(4));
        QVERIFY(db.workingCopy() == before);
    }
};

QTEST_MAIN(TestNamesOrderDialog)
#include "tst_namesorderdialog.moc"
