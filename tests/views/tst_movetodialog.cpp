// The Move-to dialog: only a whole number closes it with OK; Cancel reads nothing.
#include "controls/MessageBox.h"
#include "views/channels/MoveToDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vormante;

class TestMoveToDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { MessageBox::setTestMode(true); }
    void cleanup() { MessageBox::setTestMode(false); }

    void acceptsWholeNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "12" << 12;
        QTest::newRow("blanks around") << "  7 " << 7;
        QTest::newRow("plus sign") << "+3" << 3;
        QTest::newRow("negative") << "-4" << -4; // the page refuses it, not the dialog
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("leading zeros") << "007" << 7;
    }
    void acceptsWholeNumbers() {
        QFETCH(QString, text);
        QFETCH(int, value);
        MoveToDialog dialog;
        dialog.positionEdit()->setText(text);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.targetPosition(), value);
        QVERIFY(MessageBox::prompts().isEmpty());
    }

    void refusesAnythingElseAndStaysOpen_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("letters") << "abc";
        QTest::newRow("trailing text") << "12x";
        QTest::newRow("inner blank") << "1 2";
        QTest::newRow("two signs") << "--1";
        QTest::newRow("fraction") << "1.5";
        QTest::newRow("too large") << "99999999999";
    }
    void refusesAnythingElseAndStaysOpen() {
        QFETCH(QString, text);
        MoveToDialog dialog;
        dialog.show();
        dialog.positionEdit()->setText(text);
        MessageBox::QueueAnswer(QMessageBox::Ok);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.targetPosition(), 0);
        QCOMPARE(MessageBox::prompts().size(), 1);
        QCOMPARE(MessageBox::prompts().first().text, QStringLiteral("Please enter an integer."));
        QVERIFY(MessageBox::unexpectedPrompts().isEmpty());

        // Correcting the text then closes it.
        dialog.positionEdit()->setText(QStringLiteral("2"));
        dialog.accept();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.targetPosition(), 2);
    }

    void cancelLeavesTheTargetAtZero() {
        MoveToDialog dialog;
        dialog.positionEdit()->setText(QStringLiteral("5"));
        dialog.reject();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.targetPosition(), 0);
        QVERIFY(MessageBox::prompts().isEmpty());
    }

    void theButtonsAndReturnKeyDriveIt() {
        MoveToDialog dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
        QTest::keyClicks(dialog.positionEdit(), "9");
        QTest::keyClick(dialog.positionEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.targetPosition(), 9);

        MoveToDialog cancelled;
        cancelled.show();
        QPushButton* cancel = nullptr;
        for (QPushButton* button : cancelled.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Cancel"))
                cancel = button;
        QVERIFY(cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestMoveToDialog)
#include "tst_movetodialog.moc"
