// The channel list commands as a script sees them: export, import, reorder,
// diff and duplicates, with their outputs, exit status and refusals.
#include "CliRun.h"
#include "TestSupport.h"

#include "model/ChannelDatabase.h"
#include "model/RecordOperations.h"
#include "model/SampleImages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace vormante;

class TestCliLists : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::vector<std::uint8_t> demo_;
    QString demoPath_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) {
        return testsupport::WriteFileOrDie(Path(name), bytes);
    }

    QString Planted(const QString& name, const std::function<void(ChannelDatabase&)>& plant) {
        auto db = std::make_unique<ChannelDatabase>();
        if (!testsupport::LoadInto(*db, demo_))
            qFatal("demo image refused");
        plant(*db);
        return Write(name, testsupport::ToByteArray({db->workingCopy().begin(), db->workingCopy().end()}));
    }

    static QJsonObject Json(const QString& text) {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError)
            qWarning("not JSON: %s", qPrintable(error.errorString()));
        return document.object();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        demo_ = BuildDemoImage();
        demoPath_ = Write("demo.bin", testsupport::ToByteArray(demo_));
    }

    void exportThenImportWritesTheSameBytes() {
        const Run exported = RunCommand({"export", demoPath_});
        QCOMPARE(exported.status, cli::EXIT_OK);
        QVERIFY(exported.out.startsWith("Satellite,Position,TV/Radio,Number,Name,"));
        QCOMPARE(RunCommand({"export", demoPath_, "-o", Path("list.csv")}).status, cli::EXIT_OK);
        QCOMPARE(testsupport::ReadFile(Path("list.csv")), exported.out.toUtf8());

        const Run imported = RunCommand({"import", demoPath_, Path("list.csv"), "-o", Path("same.bin")});
        QCOMPARE(imported.status, cli::EXIT_OK);
        QVERIFY(imported.out.contains("Moved:           0 channels"));
        QCOMPARE(testsupport::ReadFile(Path("same.bin")), testsupport::ToByteArray(demo_));
    }

    void importsASpreadsheetListInItsOrder() {
        QByteArray list = testsupport::ReadFile(Path("list.csv"));
        QList<QByteArray> lines = list.split('\n');
        // Rows 2 and 3 (Das Erste, arte) swap; every field quoted, semicolons, BOM and CRLF.
        std::swap(lines[1], lines[2]);
        QByteArray saved = "\xEF\xBB\xBF";
        for (QByteArray line : lines) {
            line = line.trimmed();
            if (line.isEmpty())
                continue;
            saved += "\"" + line.replace(",", "\";\"") + "\"\r\n";
        }
        saved.replace("\"arte\"", "\"arte \"\"HD\"\"\"");
        const Run run = RunCommand({"import", demoPath_, Write("calc.csv", saved), "-o", Path("calc.bin")});
        QCOMPARE(run.status, cli::EXIT_OK);
        QVERIFY2(run.out.contains("Moved:           2 channels"), qPrintable(run.out));
        QVERIFY(run.out.contains("Renamed:         1 channel\n"));
        QCOMPARE(RunCommand({"check", Path("calc.bin")}).status, cli::EXIT_OK);
        const Run exported = RunCommand({"export", Path("calc.bin")});
        QVERIFY(exported.out.contains("\r\nAstra 1 19.2E,19.2E,TV,1,\"arte \"\"HD\"\"\",11836,"));
        QVERIFY(exported.out.contains("\r\nAstra 1 19.2E,19.2E,TV,2,Das Erste,11836,"));
    }

    void malformedListsAreRefusedAndNothingIsWritten() {
        const QString out = Write("untouched.bin", "keep me");
        const QString list =
            Write("bad.csv", testsupport::ReadFile(Path("list.csv")) +
                                 "Astra,19.2E,TV,1,\"open,11836,H,27500,1,2,3,4,0,0,0,0,0,0\r\n");
        const Run run = RunCommand({"import", demoPath_, list, "-o", out});
        QCOMPARE(run.status, cli::EXIT_UNUSABLE);
        QVERIFY2(run.err.contains(": line 86: a quoted field is not closed; nothing was written"),
                 qPrintable(run.err));
        QCOMPARE(testsupport::ReadFile(out), QByteArray("keep me"));
        const Run image = RunCommand({"import", list, list, "-o", out});
        QCOMPARE(image.status, cli::EXIT_UNUSABLE);
        QCOMPARE(testsupport::ReadFile(out), QByteArray("keep me"));
    }

    void rowsWithoutChannelAndMissingChannelsAreReported() {
        QByteArray list = testsupport::ReadFile(Path("list.csv"));
        const int first = list.indexOf("\r\n") + 2;
        const int second = list.indexOf("\r\n", first) + 2;
        list.remove(first, second - first); // Das Erste is not in the list
        list.replace(",arte,11836,H,27500,401,", ",Nobody Here,11836,H,27500,4000,");
        const QString file = Write("short.csv", list);
        Run run = RunCommand({"import", demoPath_, file, "-o", Path("kept.bin")});
        QCOMPARE(run.status, cli::EXIT_PROBLEMS);
        QVERIFY2(run.err.contains("line 2: no channel of the image matches \"Nobody Here\" (19.2E)"),
                 qPrintable(run.err));
        QVERIFY(run.out.contains("Not in the list: 2 channels, kept after the listed ones"));
        QVERIFY(QFileInfo::exists(Path("kept.bin")));
        run = RunCommand({"import", demoPath_, file, "-o", Path("deleted.bin"), "--delete-missing"});
        QVERIFY(run.out.contains("Not in the list: 2 channels, deleted"));
        QCOMPARE(RunCommand({"check", Path("deleted.bin")}).status, cli::EXIT_OK);
        const Run diff = RunCommand({"diff", demoPath_, Path("deleted.bin"), "--json"});
        QCOMPARE(diff.status, cli::EXIT_PROBLEMS);
        const QJsonArray channels =
            Json(diff.out)["satellites"].toArray()[0].toObject()["channels"].toArray();
        int removed = 0;
        for (const auto& channel : channels)
            removed += channel.toObject()["kind"].toString() == "removed";
        QCOMPARE(removed, 2);
    }

    void reorderRestoresTheOrderOfAnotherImage() {
        const QString sorted = Planted("sorted.bin", [](ChannelDatabase& db) {
            for (int s = 0; s < SATELLITE_SLOTS; ++s)
                if (db.Satellite(s).isUsed())
                    SortChannels(db, s, SortKind::NameDown);
            db.Channel(0).setName("Renamed");
            db.Channel(0).setFav4(true);
        });
        QCOMPARE(RunCommand({"diff", demoPath_, sorted}).status, cli::EXIT_PROBLEMS);
        Run run = RunCommand({"reorder", sorted, "--like", demoPath_, "-o", Path("restored.bin")});
        QCOMPARE(run.status, cli::EXIT_OK);
        Run diff = RunCommand({"diff", demoPath_, Path("restored.bin")});
        QCOMPARE(diff.status, cli::EXIT_PROBLEMS); // only the name and the flag of channel 0 differ
        QCOMPARE(diff.out.count(": changed\n"), 2);
        run = RunCommand(
            {"reorder", sorted, "--like", demoPath_, "-o", Path("restored.bin"), "--names", "--flags"});
        QCOMPARE(run.status, cli::EXIT_OK);
        QVERIFY(run.out.contains("Renamed:         1\n"));
        diff = RunCommand({"diff", demoPath_, Path("restored.bin")});
        // Each kind has its old order, but TV and radio interleave in the chain as sorting left them.
        QCOMPARE(diff.status, cli::EXIT_PROBLEMS);
        QVERIFY2(
            diff.out.contains("\nNo compared field differs, but bytes do.\n\nBytes that differ: 4 in the "
                              "satellite table, 52 in the channel table.\n"),
            qPrintable(diff.out));
    }

    void diffReportsAsTextAndJson() {
        const Run same = RunCommand({"diff", demoPath_, demoPath_, "--json"});
        QCOMPARE(same.status, cli::EXIT_OK);
        QCOMPARE(Json(same.out)["identical"].toBool(), true);
        const QString changed = Planted("changed.bin", [](ChannelDatabase& db) {
            db.Channel(0).setName("Eins \xC4");
            db.Settings().setMenuLanguage(db.Settings().menuLanguage() ^ 1);
        });
        const Run text = RunCommand({"diff", demoPath_, changed});
        QCOMPARE(text.status, cli::EXIT_PROBLEMS);
        QVERIFY2(text.out.contains("Satellite Astra 1 19.2E (19.2E): changed\n  TV 1 Das Erste: changed\n"
                                   "    name: \"Das Erste\" -> \"Eins \u00C4\"\n"),
                 qPrintable(text.out));
        QVERIFY(text.out.contains("Settings: changed\n  menu language: "));
        const QJsonObject json = Json(RunCommand({"diff", demoPath_, changed, "--json"}).out);
        QCOMPARE(json["identical"].toBool(), false);
        const QJsonObject satellite = json["satellites"].toArray()[0].toObject();
        QCOMPARE(satellite["position"].toInt(), 192);
        const QJsonObject field =
            satellite["channels"].toArray()[0].toObject()["fields"].toArray()[0].toObject();
        QCOMPARE(field["after"].toString(), QString::fromUtf8("\"Eins \u00C4\""));
        QCOMPARE(json["settings"].toArray()[0].toObject()["field"].toString(), QString("menu language"));
    }

    void duplicatesAreListed() {
        QCOMPARE(RunCommand({"duplicates", demoPath_}).status, cli::EXIT_OK);
        const QString doubled = Planted("doubled.bin", [](ChannelDatabase& db) {
            const int c = AddChannel(db, db.Channel(0).transponder());
            ChannelRecord copy = db.Channel(c);
            copy.setTransponder(db.Channel(0).transponder());
            copy.setName("Copy");
            copy.setVideoPid(db.Channel(0).videoPid());
            copy.setAudioPid(db.Channel(0).audioPid());
            RenumberChannels(db, 0);
        });
        const Run text = RunCommand({"duplicates", doubled});
        QCOMPARE(text.status, cli::EXIT_PROBLEMS);
        QVERIFY2(text.out.startsWith("Astra 1 19.2E (19.2E): TV 1 \"Das Erste\" (slot 0), TV "),
                 qPrintable(text.out));
        QVERIFY(text.err.contains("1 extra copy in 1 group"));
        const Run json = RunCommand({"duplicates", doubled, "--json"});
        const QJsonObject object = Json(json.out);
        QCOMPARE(object["extraCopies"].toInt(), 1);
        QCOMPARE(
            object["groups"].toArray()[0].toObject()["channels"].toArray()[1].toObject()["name"].toString(),
            QString("Copy"));
    }

    // What each command says and returns in the cases a script must tell apart, and
    // whether it wrote OUT. Names from files are shown with their control characters escaped.
    void commandsSayWhatHappened_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::addColumn<bool>("written");
        const QByteArray list = RunCommand({"export", demoPath_}).out.toUtf8();
        Write("plain.csv", QString::fromUtf8(list)
                               .replace("TV/Radio,Number,", "")
                               .replace(QRegularExpression(",(TV|Radio),\\d+,"), ",")
                               .toUtf8());
        Write("long.csv", QByteArray(list).replace(",Das Erste,", ",Das Erste HD+,"));
        Write("stranger.csv", list + "A,19.2E,TV,1,X\x1B[2J,11836,H,27500,7000,7001,1,1,0,0,0,0,0,0\r\n");
        Write("empty.bin", testsupport::ToByteArray(testsupport::EmptyImage()));
        Planted("two-chains.bin", [](ChannelDatabase& db) {
            db.Channel(db.Satellite(1).lastChannel()).setNextChannel(db.Satellite(0).lastChannel());
        });
        Planted("control.bin", [](ChannelDatabase& db) { db.Channel(0).setName("A\x1B[31mB"); });
        const auto row = [](const char* name, const QStringList& args, int status, const QString& says,
                            bool written) { QTest::newRow(name) << args << status << says << written; };
        row("import -o and --output", {"import", "DEMO", "plain.csv", "-o", "OUT", "--output", "OUT"}, 2,
            "give -o or --output, not both", false);
        row("reorder -o and --output", {"reorder", "DEMO", "--like", "DEMO", "-o", "OUT", "--output", "OUT"},
            2, "give -o or --output, not both", false);
        row("order-by-names -o and --output",
            {"order-by-names", "DEMO", "plain.csv", "-o", "OUT", "--output", "OUT"}, 2,
            "give -o or --output, not both", false);
        row("no duplicates", {"duplicates", "DEMO"}, 0, "No duplicates.\n", false);
        row("reorder matching nothing", {"reorder", "DEMO", "--like", "empty.bin", "-o", "OUT"}, 1,
            "empty.bin matches a channel of", false);
        row("import without Number and TV/Radio", {"import", "DEMO", "plain.csv", "-o", "OUT"}, 0,
            "Moved:           0 channels", true);
        row("import of a name only too long", {"import", "DEMO", "long.csv", "-o", "OUT"}, 1,
            "line 2: the name \"Das Erste HD+\" does not fit", true);
        row("export where it cannot write", {"export", "DEMO", "-o", "no-such-folder/x.csv"}, 1,
            "Cannot write", false);
        row("diff shows control characters", {"diff", "DEMO", "control.bin"}, 1, "\"A\\x1B[31mB\"", false);
        row("import shows control characters", {"import", "DEMO", "stranger.csv", "-o", "OUT"}, 1,
            "matches \"X\\x1B[2J\"", true);
        row("import into a damaged image", {"import", "two-chains.bin", "plain.csv", "-o", "OUT"}, 1,
            "two-chains.bin is damaged: channel slot ", false);
        row("reorder of a damaged image", {"reorder", "two-chains.bin", "--like", "DEMO", "-o", "OUT"}, 1,
            "two-chains.bin is damaged: channel slot ", false);
    }
    void commandsSayWhatHappened() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(bool, written);
        const QString out =
            Path(QString("out-%1.bin")
                     .arg(QString(QTest::currentDataTag()).replace(QRegularExpression("\\W"), "-")));
        for (QString& arg : args)
            arg = arg == "DEMO" ? demoPath_ : arg == "OUT" ? out : arg.contains('.') ? Path(arg) : arg;
        const Run run = RunCommand(args);
        QVERIFY2(run.status == status, qPrintable(run.out + run.err));
        QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
        QVERIFY(!(run.out + run.err).contains('\x1B'));
        QCOMPARE(QFileInfo::exists(out), written);
    }

    // Writing over an image keeps what it held in OUT.bak, as Save does; without a backup nothing is written.
    void writingOverAnImageKeepsABackup_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("backupBlocked");
        const QString list = Write("backup.csv", RunCommand({"export", demoPath_}).out.toUtf8());
        QTest::newRow("import") << QStringList{"import", demoPath_, list, "-o"} << false;
        QTest::newRow("reorder") << QStringList{"reorder", demoPath_, "--like", demoPath_, "-o"} << false;
        QTest::newRow("backup blocked") << QStringList{"import", demoPath_, list, "-o"} << true;
    }
    void writingOverAnImageKeepsABackup() {
        QFETCH(QStringList, args);
        QFETCH(bool, backupBlocked);
        const QByteArray old = testsupport::ToByteArray(testsupport::EmptyImage());
        const QString out = Write(QString("over-%1.bin").arg(QTest::currentDataTag()).replace(' ', '-'), old);
        if (backupBlocked)
            QVERIFY(QDir().mkdir(out + ".bak"));
        const Run run = RunCommand(args << out);
        QCOMPARE(run.status, backupBlocked ? cli::EXIT_PROBLEMS : cli::EXIT_OK);
        QCOMPARE(testsupport::ReadFile(out), backupBlocked ? old : testsupport::ToByteArray(demo_));
        if (backupBlocked)
            QVERIFY2(run.err.contains("Cannot back up \"" + out + "\""), qPrintable(run.err));
        else
            QCOMPARE(testsupport::ReadFile(out + ".bak"), old);
    }

    // Deleting the channels a list lacks from a chain whose head has a wrong previous link
    // leaves a consistent image, not one with orphaned channels.
    void deleteMissingMendsAWrongPreviousLink() {
        const QString damaged = Planted("wrong-head.bin", [](ChannelDatabase& db) {
            const int head = db.Satellite(1).firstChannel();
            db.Channel(head).setPrevChannel(db.Channel(db.Channel(head).nextChannel()).nextChannel());
        });
        QCOMPARE(RunCommand({"check", damaged}).status, cli::EXIT_PROBLEMS);
        QByteArray list;
        for (const QByteArray& line : RunCommand({"export", demoPath_}).out.toUtf8().split('\n'))
            if (!line.startsWith("Hot") && !line.isEmpty()) // satellite slot 1's rows
                list += line + "\n";
        const Run run = RunCommand(
            {"import", damaged, Write("no-hotbird.csv", list), "-o", Path("mended.bin"), "--delete-missing"});
        QCOMPARE(run.status, cli::EXIT_OK);
        const Run check = RunCommand({"check", Path("mended.bin")});
        QVERIFY2(check.status == cli::EXIT_OK, qPrintable(check.out));
    }

    void wrongUsageExitsWithTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("export without image") << QStringList{"export"};
        QTest::newRow("import without -o") << QStringList{"import", "a.bin", "b.csv"};
        QTest::newRow("import without list") << QStringList{"import", "a.bin", "-o", "c.bin"};
        QTest::newRow("reorder without --like") << QStringList{"reorder", "a.bin", "-o", "c.bin"};
        QTest::newRow("reorder without -o") << QStringList{"reorder", "a.bin", "--like", "b.bin"};
        QTest::newRow("diff of one") << QStringList{"diff", "a.bin"};
        QTest::newRow("duplicates unknown option") << QStringList{"duplicates", "a.bin", "--all"};
        QTest::newRow("missing image") << QStringList{"diff", "no-such.bin", "no-such.bin"};
        QTest::newRow("list that is a folder") << QStringList{"import", "DEMO", "/", "-o", "x.bin"};
    }
    void wrongUsageExitsWithTwo() {
        QFETCH(QStringList, args);
        args.replaceInStrings("DEMO", demoPath_);
        const Run run = RunCommand(args);
        QCOMPARE(run.status, cli::EXIT_UNUSABLE);
        QVERIFY(run.err.startsWith("vormante-cli " + args.first() + ": "));
    }
};

QTEST_GUILESS_MAIN(TestCliLists)
#include "tst_clilists.moc"
