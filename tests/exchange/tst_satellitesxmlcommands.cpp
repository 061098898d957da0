// "Import satellites.xml..." and "Export satellites.xml..." in the editor's File
// menu, their preview, and `vormante-cli satellites`: an import is one step that
// undo takes back byte for byte, a bad file changes nothing, the preview says what
// does not fit, and the command line plans and writes the same.
#include "app/MainWindow.h"
#include "app/SatellitesXmlCommands.h"

#include "CliRun.h"
#include "TestSupport.h"
#include "controls/MessageBox.h"
#include "exchange/SatellitesXml.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"
#include "views/lists/SatellitesXmlDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

using namespace vormante;

namespace {
using testsupport::WriteFile;

// Astra 19.2E: one transponder updated, one added; Astra 3C, which the demo image lacks, with two.
const QByteArray LIST = "<?xml version=\"1.0\"?>\n<satellites>\n"
                        "<sat name=\"19.2E Astra 1N/1P\" flags=\"1\" position=\"192\">\n"
                        "<transponder frequency=\"12188000\" symbol_rate=\"29700000\" polarization=\"0\"/>\n"
                        "<transponder frequency=\"10714000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
                        "</sat>\n<sat name=\"23.5E Astra 3C\" flags=\"1\" position=\"235\">\n"
                        "<transponder frequency=\"11222000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
                        "<transponder frequency=\"11225000\" symbol_rate=\"22000000\" polarization=\"1\"/>\n"
                        "</sat>\n</satellites>\n";
constexpr int ASTRA_3C = 1; // its index in the list

} // namespace

class TestSatellitesXmlCommands : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(testsupport::WriteDemoImage(Path("demo.bin")));
        QVERIFY(WriteFile(Path("full.bin"), testsupport::ToByteArray(BuildFullImage())));
        QVERIFY(WriteFile(Path("list.xml"), LIST));
        QVERIFY(WriteFile(Path("cut.xml"), LIST.left(200)));
    }

    void init() {
        MessageBox::setTestMode(true);
        MessageBox::ResetTestState();
    }

    void importFromTheMenuIsOneStepThatUndoesByteExact() {
        MainWindow window;
        auto* commands = window.findChild<SatellitesXmlCommands*>();
        QVERIFY(commands != nullptr && !commands->importAction()->isEnabled());
        QVERIFY(window.OpenFile(Path("demo.bin")));
        QVERIFY(commands->importAction()->isEnabled() && commands->exportAction()->isEnabled());
        const DatabaseImage opened = window.database().workingCopy();
        QString summary;
        commands->setDialogRunner([&](QDialog& shown) {
            auto& preview = static_cast<SatellitesXmlDialog&>(shown);
            preview.additionsTree()->topLevelItem(preview.offerRow(ASTRA_3C))->setCheckState(0, Qt::Checked);
            summary = preview.summaryLabel()->text();
            return int(QDialog::Accepted);
        });
        FileDialog::QueueFileName(Path("list.xml"));
        commands->importAction()->trigger();
        QCOMPARE(summary,
                 QStringLiteral("1 satellite of the image found in the file: 1 transponder to add, 1 "
                                "updated, 5 not in the file. New: 1 satellite with 2 transponders."));
        const QUndoStack* history = window.document().undoStack();
        QCOMPARE(history->count(), 1);
        QCOMPARE(history->undoText(), SatellitesXmlCommands::StepName());
        const int added = SatelliteSlotByOrdinal(window.database(), 7);
        QCOMPARE(window.database().Satellite(added).name(), std::string("Astra 3C"));
        QCOMPARE(window.database().Satellite(added).transponderCount(), 2u);
        window.document().Undo();
        QVERIFY(window.database().workingCopy() == opened);
        QVERIFY(MessageBox::unexpectedPrompts().isEmpty());
    }

    void badFilesChangeNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("cut off") << "cut.xml"
                                 << "cut.xml was not imported: line 5: the file ends before";
        QTest::newRow("missing") << "none.xml"
                                 << "none.xml was not imported: cannot be read";
    }

    void badFilesChangeNothing() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        Document document;
        QVERIFY(testsupport::LoadInto(document, BuildDemoImage()));
        SatellitesXmlCommands commands(document, nullptr);
        commands.setDialogRunner([](QDialog&) { return int(QDialog::Accepted); });
        FileDialog::QueueFileName(dir_.filePath(file));
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!commands.ImportFile());
        QVERIFY2(MessageBox::prompts().last().text.startsWith(message),
                 qPrintable(MessageBox::prompts().last().text));
        QCOMPARE(document.undoStack()->count(), 0);
    }

    void exportReadsBackAsNoChanges() {
        Document document;
        QVERIFY(testsupport::LoadInto(document, BuildDemoImage()));
        SatellitesXmlCommands commands(document, nullptr);
        FileDialog::QueueFileName(Path("exported.xml"));
        QVERIFY(commands.ExportFile());
        const SatellitesXmlRead read = ReadSatellitesXmlFile(Path("exported.xml").toStdString());
        QVERIFY(read.ok && read.file.satellites.size() == 6);
        QVERIFY(!PlanTransponderUpdate(document.database(), read.file, {}).ChangesImage());
        FileDialog::QueueFileName(Path("no/such/folder/out.xml"));
        MessageBox::QueueAnswer(QMessageBox::Ok);
        QVERIFY(!commands.ExportFile());
        QVERIFY(MessageBox::prompts().last().text.contains(QStringLiteral("could not be written")));
    }

    void previewOnTheFullImageSaysWhatDoesNotFit() {
        Document document;
        QVERIFY(testsupport::LoadInto(document, BuildFullImage()));
        const int full002 = document.database().Satellite(1).position();
        const SatellitesXmlRead read = ReadSatellitesXml(
            QStringLiteral("<satellites><sat name=\"x\" position=\"%1\"><transponder frequency=\"12650000\" "
                           "symbol_rate=\"27500000\" polarization=\"1\"/></sat>")
                .arg(full002)
                .toUtf8() +
            LIST.mid(LIST.indexOf("<sat name=\"23.5E")));
        QVERIFY2(read.ok, read.error.c_str());
        SatellitesXmlDialog preview(document.database(), read.file);
        QVERIFY(
            preview.summaryLabel()->text().contains(QStringLiteral("Does not fit the tables (100 satellites, "
                                                                   "2000 transponders): 0 satellites and 1 "
                                                                   "transponder;")));
        preview.additionsTree()->topLevelItem(preview.offerRow(1))->setCheckState(0, Qt::Checked);
        QVERIFY(preview.summaryLabel()->text().contains(QStringLiteral("1 satellite and 3 transponders")));
        QVERIFY(preview.changeCaptions().contains(
            QStringLiteral("New satellite Astra 3C (23.5E), Type 1, does not fit")));
        // Ticking the delete option makes room for the one transponder; taking no beam offers the satellite.
        preview.deleteUnlistedCheckBox()->setChecked(true);
        QCOMPARE(preview.plan().transpondersNotFitting, 2);
        QVERIFY(preview.plan().ChangesImage());
        preview.beamComboBox(1)->setCurrentIndex(0);
        QVERIFY(preview.offerRow(0) >= 0 && !preview.plan().ChangesImage());
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString demo = Path("demo.bin"), list = Path("list.xml");
        QTest::newRow("export") << QStringList{"satellites", "export", demo} << 0
                                << "<sat name=\"Astra 1 19.2E\" flags=\"1\" position=\"192\">"
                                << "";
        QTest::newRow("dry run") << QStringList{"satellites", "import", demo, list, "--dry-run"} << 0
                                 << "Astra 1 19.2E (19.2E): from \"19.2E Astra 1N/1P\" (line 3): 1 added, 1 "
                                    "updated, 5 not in the file, 0 skipped\n"
                                 << "";
        QTest::newRow("add one") << QStringList{"satellites", "import", demo,
                                                list,         "-o",     Path("out.bin"),
                                                "--position", "23.5E",  "--add-satellites"}
                                 << 0 << "New satellite \"Astra 3C\" (23.5E, Type 1): 2 added, 0 skipped\n"
                                 << "";
        QTest::newRow("full image")
            << QStringList{"satellites",         "import",          Path("full.bin"), list, "-o",
                           Path("full-out.bin"), "--add-satellites"}
            << 1 << "Does not fit: 2 satellites and 4 transponders"
            << "";
        QTest::newRow("cut off") << QStringList{"satellites", "import", demo, Path("cut.xml"), "--dry-run"}
                                 << 2 << ""
                                 << "cut.xml: line 5: the file ends before";
        QTest::newRow("no output") << QStringList{"satellites", "import", demo, list} << 2 << ""
                                   << "-o OUT";
        QTest::newRow("bad position")
            << QStringList{"satellites", "import", demo, list, "--position", "19.2N"} << 2 << ""
            << "not '19.2N'";
        QTest::newRow("no action") << QStringList{"satellites", "sort"} << 2 << ""
                                   << "'export' or 'import'";
    }

    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        Run run;
        if (!RunDataRow(run))
            return;
        const bool wrote = run.out.contains(QStringLiteral("Wrote "));
        QCOMPARE(wrote, args.contains(QStringLiteral("-o")) && status < 2);
    }
};

QTEST_MAIN(TestSatellitesXmlCommands)
#include "tst_satellitesxmlcommands.moc"
