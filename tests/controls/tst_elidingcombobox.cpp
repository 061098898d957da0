// A drop-down list grows to its longest entry, and where it is held narrower it
// shows the chosen entry elided with "…", never cut off, the whole entry as its tip.
#include "controls/ElidingComboBox.h"

#include <QtTest>

using namespace vormante;

class ElidingComboBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheEntryInFullOrElided() {
        ElidingComboBox box;
        box.addItems({QStringLiteral("Warsaw"), QStringLiteral("New Delhi, Mumbai, Chennai, Calcutta")});
        box.setCurrentIndex(1);
        QCOMPARE(box.toolTip(), QStringLiteral("New Delhi, Mumbai, Chennai, Calcutta"));
        // Laid out freely it is as wide as the longest entry needs.
        box.resize(box.sizeHint());
        QCOMPARE(box.shownText(), box.currentText());

        box.resize(box.sizeHint().width() / 2, box.sizeHint().height());
        QVERIFY(box.shownText().endsWith(QChar(0x2026)));
        QVERIFY(box.currentText().startsWith(box.shownText().chopped(1)));

        box.setCurrentIndex(0);
        QCOMPARE(box.shownText(), QStringLiteral("Warsaw"));
        QCOMPARE(box.toolTip(), QStringLiteral("Warsaw"));
    }
};

QTEST_MAIN(ElidingComboBoxTest)
#include "tst_elidingcombobox.moc"
