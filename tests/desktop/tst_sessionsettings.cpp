// What the editor remembers between runs, each part written by one instance
// and read back by a new one over the same settings file, as after a restart:
// recent files (six, newest first, a gone file said and dropped, the menu and
// its Clear list), the window's geometry, the last folders, the last port,
// dragged column widths and splitter positions.
#include "app/RecentFiles.h"
#include "app/SessionSettings.h"
#include "controls/MessageBox.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace vormante;

// A splitter the test can drag as a user would, through its handle's move.
class DraggableSplitter : public QSplitter {
public:
    DraggableSplitter() : QSplitter(Qt::Vertical) {
        addWidget(new QWidget);
        addWidget(new QWidget);
        resize(200, 400);
    }
    using QSplitter::moveSplitter;
};

class SessionSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString SettingsFile() const { return dir_.filePath(QStringLiteral("vormante.conf")); }
    QString MakeFile(const QString& name) const {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        return path;
    }

private Q_SLOTS:
    void init() {
        QFile::remove(SettingsFile());
        MessageBox::setTestMode(true);
        MessageBox::ResetTestState();
    }
    void cleanup() { QVERIFY(MessageBox::unexpectedPrompts().isEmpty()); }

    void recentFilesKeepTheLastSixAcrossARestart() {
        QStringList paths;
        for (int i = 1; i <= 8; ++i)
            paths.append(MakeFile(QStringLiteral("image%1.bin").arg(i)));
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            RecentFiles recent(settings);
            QSignalSpy changed(&recent, &RecentFiles::changed);
            for (const QString& path : paths)
                recent.Add(path);
            // Opening one again brings it to the front instead of listing it twice.
            recent.Add(dir_.filePath(QStringLiteral("sub/../image5.bin")));
            QCOMPARE(changed.count(), 9);
        }
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        RecentFiles recent(settings);
        QCOMPARE(recent.files(), (QStringList{paths[4], paths[7], paths[6], paths[5], paths[3], paths[2]}));
    }

    void handEditedListIsCleanedOnReading() {
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            settings.setValue(QStringLiteral("recentFiles"),
                              QStringList{QStringLiteral("/a.bin"), QString(), QStringLiteral("/a.bin"),
                                          QStringLiteral("/b.bin"), QStringLiteral("/c.bin"),
                                          QStringLiteral("/d.bin"), QStringLiteral("/e.bin"),
                                          QStringLiteral("/f.bin"), QStringLiteral("/g.bin")});
        }
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        RecentFiles recent(settings);
        QCOMPARE(recent.files().size(), RecentFiles::MAX_FILES);
        QCOMPARE(recent.files().first(), QStringLiteral("/a.bin"));
        QCOMPARE(recent.files().last(), QStringLiteral("/f.bin"));
    }

    void pickingAGoneFileSaysSoAndDropsIt() {
        const QString kept = MakeFile(QStringLiteral("kept.bin"));
        const QString gone = MakeFile(QStringLiteral("gone.bin"));
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            RecentFiles recent(settings);
            recent.Add(kept);
            recent.Add(gone);
            QVERIFY(QFile::remove(gone));
            QSignalSpy opened(&recent, &RecentFiles::openRequested);

            MessageBox::QueueAnswer(QMessageBox::Ok);
            QVERIFY(!recent.Pick(gone));
            QCOMPARE(opened.count(), 0);
            QCOMPARE(MessageBox::prompts().size(), 1);
            QCOMPARE(MessageBox::prompts().first().text, RecentFiles::GoneMessage(gone));
            QCOMPARE(recent.files(), QStringList{kept});

            QVERIFY(recent.Pick(kept));
            QCOMPARE(opened.count(), 1);
            QCOMPARE(opened.first().first().toString(), kept);
        }
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        QCOMPARE(RecentFiles(settings).files(), QStringList{kept});
    }

    void menuListsTheFilesAndClearsThem() {
        const QString first = MakeFile(QStringLiteral("a.bin"));
        const QString second = MakeFile(QStringLiteral("R&D.bin"));
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        RecentFiles recent(settings);
        QMenu menu;
        recent.AttachMenu(&menu, nullptr);
        QVERIFY(!menu.isEnabled());

        recent.Add(first);
        recent.Add(second);
        QStringList texts;
        for (QAction* action : menu.actions())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(texts, (QStringList{QStringLiteral("&1 R&&D.bin"), QStringLiteral("&2 a.bin"),
                                     QStringLiteral("-"), QStringLiteral("Clear list")}));
        QVERIFY(menu.isEnabled());

        QSignalSpy opened(&recent, &RecentFiles::openRequested);
        menu.actions().at(1)->trigger();
        QTRY_COMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().toString(), first);

        menu.actions().last()->trigger();
        QTRY_VERIFY(recent.files().isEmpty());
        QVERIFY(menu.actions().isEmpty());
        QVERIFY(!menu.isEnabled());
        QSettings reread(SettingsFile(), QSettings::IniFormat);
        QVERIFY(RecentFiles(reread).files().isEmpty());
    }

    void windowGeometrySurvivesARestart() {
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            SessionSettings session(settings);
            QWidget window;
            QVERIFY(!session.RestoreWindow(&window)); // nothing saved yet
            window.resize(640, 480);
            window.move(40, 30);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            session.SaveWindow(&window);
        }
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        SessionSettings session(settings);
        QWidget window;
        QVERIFY(session.RestoreWindow(&window));
        QCOMPARE(window.size(), QSize(640, 480));

        // Damaged data is refused and leaves the window alone.
        settings.setValue(QStringLiteral("window/geometry"), QByteArray("not a geometry"));
        QWidget other;
        other.resize(300, 200);
        QVERIFY(!session.RestoreWindow(&other));
        QCOMPARE(other.size(), QSize(300, 200));
    }

    void foldersAndPortSurviveARestart() {
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("opened")));
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("saved")));
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("vanishing")));
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            SessionSettings session(settings);
            QVERIFY(session.LastFolder(SessionSettings::Folder::Open).isEmpty());
            session.RememberFile(SessionSettings::Folder::Open,
                                 dir_.filePath(QStringLiteral("opened/x.bin")));
            session.RememberFile(SessionSettings::Folder::SaveAs,
                                 dir_.filePath(QStringLiteral("saved/y.bin")));
            session.SetLastPort(QStringLiteral(" /dev/ttyUSB0 "));
            session.SetLastPort(QString()); // an empty box changes nothing
        }
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            SessionSettings session(settings);
            QCOMPARE(session.LastFolder(SessionSettings::Folder::Open),
                     dir_.filePath(QStringLiteral("opened")));
            QCOMPARE(session.LastFolder(SessionSettings::Folder::SaveAs),
                     dir_.filePath(QStringLiteral("saved")));
            QCOMPARE(session.LastPort(), QStringLiteral("/dev/ttyUSB0"));
            session.RememberFile(SessionSettings::Folder::Open,
                                 dir_.filePath(QStringLiteral("vanishing/z.bin")));
        }
        QVERIFY(QDir(dir_.filePath(QStringLiteral("vanishing"))).removeRecursively());
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        // A folder that is gone is not offered; the dialog starts where it would.
        QVERIFY(SessionSettings(settings).LastFolder(SessionSettings::Folder::Open).isEmpty());
    }

    void draggedColumnWidthsSurviveARestart() {
        const auto makeTable = [] {
            auto* table = new QTableWidget(2, 3);
            for (int column = 0; column < 3; ++column)
                table->horizontalHeader()->resizeSection(column, 80);
            return table;
        };
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            SessionSettings session(settings);
            std::unique_ptr<QTableWidget> table(makeTable());
            session.TrackColumnWidths(QStringLiteral("channels"), table->horizontalHeader());
            QCOMPARE(table->horizontalHeader()->sectionSize(1), 80); // nothing saved: as built
            table->horizontalHeader()->resizeSection(1, 123);
        }
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            SessionSettings session(settings);
            std::unique_ptr<QTableWidget> table(makeTable());
            session.TrackColumnWidths(QStringLiteral("channels"), table->horizontalHeader());
            QCOMPARE(table->horizontalHeader()->sectionSize(0), 80);
            QCOMPARE(table->horizontalHeader()->sectionSize(1), 123);
            // Another list keeps its own widths.
            std::unique_ptr<QTableWidget> other(makeTable());
            session.TrackColumnWidths(QStringLiteral("transponders"), other->horizontalHeader());
            QCOMPARE(other->horizontalHeader()->sectionSize(1), 80);

            // Widths edited by hand into nonsense are ignored, column by column.
            settings.setValue(QStringLiteral("columns/channels"),
                              QVariantList{-5, QStringLiteral("wide"), 99999, 90, 70});
        }
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        SessionSettings session(settings);
        QCOMPARE(session.ColumnWidths(QStringLiteral("channels")), (QList<int>{0, 0, 0, 90, 70}));
        std::unique_ptr<QTableWidget> table(makeTable());
        session.TrackColumnWidths(QStringLiteral("channels"), table->horizontalHeader());
        QCOMPARE(table->horizontalHeader()->sectionSize(0), 80);
        QCOMPARE(table->horizontalHeader()->sectionSize(2), 80);
        QCOMPARE(table->horizontalHeader()->count(), 3);
    }

    void draggedSplitterSurvivesARestart() {
        int dragged = 0;
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            SessionSettings session(settings);
            DraggableSplitter splitter;
            session.TrackSplitter(QStringLiteral("page"), &splitter);
            splitter.show();
            QVERIFY(QTest::qWaitForWindowExposed(&splitter));
            splitter.moveSplitter(100, 1);
            dragged = splitter.sizes().at(0);
            QVERIFY(dragged < 150);
        }
        {
            QSettings settings(SettingsFile(), QSettings::IniFormat);
            SessionSettings session(settings);
            DraggableSplitter splitter;
            session.TrackSplitter(QStringLiteral("page"),
                                  &splitter); // before the first show, as the window does
            splitter.show();
            QVERIFY(QTest::qWaitForWindowExposed(&splitter));
            QCOMPARE(splitter.sizes().at(0), dragged);

            // Sizes edited by hand into nonsense, or for another number of parts, are ignored.
            settings.setValue(QStringLiteral("splitters/page"), QVariantList{QStringLiteral("tall"), 100});
            settings.setValue(QStringLiteral("splitters/other"), QVariantList{100, 100, 100});
        }
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        SessionSettings session(settings);
        for (const QString& name : {QStringLiteral("page"), QStringLiteral("other")}) {
            DraggableSplitter splitter;
            session.TrackSplitter(name, &splitter);
            splitter.show();
            QVERIFY(QTest::qWaitForWindowExposed(&splitter));
            QVERIFY2(qAbs(splitter.sizes().at(0) - splitter.sizes().at(1)) <= 1,
                     qPrintable(name)); // as built
        }
    }
};

QTEST_MAIN(SessionSettingsTest)
#include "tst_sessionsettings.moc"
