// The transfer engine under byte scripts, the same way the fuzz target drives it:
// the hand-written scripts that seed the fuzzer, every input the fuzzer ever found
// a fault with (tests/fuzz/regressions/fuzz_transfer-*), and a few thousand random
// scripts, so the checks run in every build, not only under `make fuzz`.
#include "FuzzTransferSupport.h"

#include <QDirIterator>
#include <QtTest>

#include <random>

using namespace vormante;

class TransferScriptsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { fuzztransfer::PrepareFiles(); }

    void handWrittenScripts_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::newRow("receive a whole image") << QByteArray("\x01\x03\x00\x05\xff\x00\x01", 7);
        QTest::newRow("port lost mid-receive") << QByteArray("\x01\x03\x00\x00\x05"
                                                             "ab\x01\x02\x06",
                                                             10);
        QTest::newRow("send every block") << QByteArray("\x00\x03\x01\x0b\x1f\x0b\x1f\x0b\x1f\x04\x03", 11);
        QTest::newRow("send a short file") << QByteArray("\x02\x03\x01\x07\x00\x03\x01\x09", 8);
        QTest::newRow("start and stop") << QByteArray("\x05\x07\x02\x07\x00\x08\x0a", 7);
        // Saving the received image fails, is cancelled, then the port goes while asking.
        QTest::newRow("save fails, then cancelled")
            << QByteArray("\x01\x03\x00\x05\xff\x00\x00\x03\x01\x00\x01", 11);
    }
    void handWrittenScripts() {
        QFETCH(QByteArray, script);
        Run(script);
    }

    void foundByTheFuzzer() {
        int replayed = 0;
        QDirIterator it(QStringLiteral(VORMANTE_FUZZ_REGRESSIONS), {QStringLiteral("fuzz_transfer-*")},
                        QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            Run(file.readAll(), file.fileName());
            ++replayed;
        }
        qInfo("%d fuzz findings replayed", replayed);
    }

    void randomScripts() {
        std::mt19937 random(1208);
        for (int i = 0; i < 2000; ++i) {
            QByteArray script(static_cast<qsizetype>(random() % 200), '\0');
            for (char& byte : script)
                byte = static_cast<char>(random());
            Run(script);
            if (QTest::currentTestFailed())
                return;
        }
    }

private:
    void Run(const QByteArray& script, const QString& name = {}) {
        const std::string failure =
            fuzztransfer::RunScript(reinterpret_cast<const std::uint8_t*>(script.constData()),
                                    static_cast<std::size_t>(script.size()));
        QVERIFY2(failure.empty(), qPrintable(QStringLiteral("%1 [%2]: %3")
                                                 .arg(name, QString::fromLatin1(script.toHex()),
                                                      QString::fromStdString(failure))));
    }
};

QTEST_GUILESS_MAIN(TransferScriptsTest)
#include "tst_transferscripts.moc"
