// The editor in each shipped language: the translations fill in what the program puts into its
// texts, the menus speak the language, and nothing is cut or overlaps, on a small screen and in
// the dialogs alike.
#include "app/AboutDialog.h"
#include "app/Language.h"
#include "app/LanguageDialog.h"
#include "app/MainWindow.h"
#include "archive/ImageArchive.h"
#include "controls/PageTabCtrl.h"
#include "model/SampleImages.h"
#include "transfer/PortOptionDialog.h"
#include "transfer/TransferDialog.h"
#include "views/channels/ChannelDialog.h"
#include "views/channels/MoveToDialog.h"
#include "views/lists/ArchiveDialog.h"
#include "views/lists/CompareDialog.h"
#include "views/lists/DuplicatesDialog.h"
#include "views/lists/FindChannelDialog.h"
#include "views/lists/ListImportDialog.h"
#include "views/lists/NamesOrderDialog.h"
#include "views/lists/ReorderDialog.h"
#include "views/lists/SatellitesXmlDialog.h"
#include "views/satellites/LnbDialog.h"
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/TransponderDialog.h"

#include "TestSupport.h"
#include "WidgetChecks.h"
#include "WindowPictures.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

using namespace vormante;

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void translationsKeepWhatTheProgramFillsIn_data();
    void translationsKeepWhatTheProgramFillsIn();
    void menusSpeakTheChosenLanguage_data();
    void menusSpeakTheChosenLanguage();
    void languageChoiceIsRemembered();
    void fitsASmallScreenInEveryLanguage_data();
    void fitsASmallScreenInEveryLanguage();
    void dialogsShowTheirTextsWhole_data();
    void dialogsShowTheirTextsWhole();
    void screenshots();

private:
    QTemporaryDir dir_;
    QString demo_;
    vormante::ChannelDatabase db_;
};

namespace {

void AddLanguageRows() {
    QTest::addColumn<QString>("code");
    for (const vormante::ShippedLanguage& language : vormante::ShippedLanguages())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

// What a translation must keep of its source: the numbers and names the program fills in, and
// the marked access key of a menu or button.
QString Kept(const QString& text) {
    static const QRegularExpression filled(QStringLiteral("%\\d"));
    QStringList kept;
    for (auto it = filled.globalMatch(text); it.hasNext();)
        kept << it.next().captured();
    kept.sort();
    kept.removeDuplicates();
    if (text.contains(QRegularExpression(QStringLiteral("&[^&\\s]"))))
        kept << QStringLiteral("&");
    return kept.join(QLatin1Char(' '));
}

QStringList MenuTitles(const MainWindow& window) {
    QStringList titles;
    for (const QAction* action : window.menuBar()->actions())
        titles << action->text();
    return titles;
}

} // namespace

void TestTranslations::initTestCase() {
    QVERIFY(dir_.isValid());
    demo_ = dir_.filePath(QStringLiteral("demo.bin"));
    QVERIFY(testsupport::WriteDemoImage(demo_));
    QVERIFY(testsupport::LoadInto(db_, vormante::BuildDemoImage()));
}

void TestTranslations::cleanup() {
    vormante::InstallTranslators(QStringLiteral("en"));
}

void TestTranslations::translationsKeepWhatTheProgramFillsIn_data() {
    AddLanguageRows();
}

void TestTranslations::translationsKeepWhatTheProgramFillsIn() {
    QFETCH(QString, code);
    if (code == QStringLiteral("en"))
        QSKIP("English is the source");
    QFile file(QStringLiteral(VORMANTE_SOURCE_DIR "/translations/vormante_%1.ts").arg(code));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString source;
    int messages = 0;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QStringLiteral("source")) {
            source = ts.readElementText();
        } else if (ts.name() == QStringLiteral("translation")) {
            // A plural text holds one form per plural of the language: each keeps what its source fills in.
            const QString translation = ts.readElementText(QXmlStreamReader::IncludeChildElements);
            ++messages;
            QVERIFY2(!translation.isEmpty(), qPrintable(source));
            QVERIFY2(Kept(translation) == Kept(source),
                     qPrintable(QStringLiteral("\"%1\" -> \"%2\"").arg(source, translation)));
        }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(messages > 0);
}

void TestTranslations::menusSpeakTheChosenLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("cancel"); // Qt's own text, from Qt's translations
    QTest::newRow("English") << QStringLiteral("en")
                             << QStringList{QStringLiteral("File"), QStringLiteral("Edit"),
                                            QStringLiteral("Data"), QStringLiteral("Help")}
                             << QStringLiteral("Cancel");
    QTest::newRow("German") << QStringLiteral("de")
                            << QStringList{QStringLiteral("Datei"), QStringLiteral("Bearbeiten"),
                                           QStringLiteral("Daten"), QStringLiteral("Hilfe")}
                            << QStringLiteral("Abbrechen");
}

void TestTranslations::menusSpeakTheChosenLanguage() {
    QFETCH(QString, code);
    QFETCH(QStringList, titles);
    QFETCH(QString, cancel);
    QCOMPARE(vormante::InstallTranslators(code), code);
    MainWindow window;
    QCOMPARE(MenuTitles(window), titles);
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancel);
}

void TestTranslations::languageChoiceIsRemembered() {
    QSettings settings(dir_.filePath(QStringLiteral("choice.conf")), QSettings::IniFormat);
    QCOMPARE(vormante::ChosenLanguage(settings), QString());
    {
        LanguageDialog dialog(settings);
        auto* box = dialog.findChild<QComboBox*>(QStringLiteral("languages"));
        QVERIFY(box != nullptr);
        QCOMPARE(box->currentIndex(), 0); // "System"
        box->setCurrentIndex(box->findData(QStringLiteral("pl")));
        QVERIFY(dialog.StoreChoice());
        QVERIFY(!dialog.StoreChoice()); // the same choice again changes nothing
    }
    QCOMPARE(vormante::ChosenLanguage(settings), QStringLiteral("pl"));
    // A language this version does not ship counts as no choice.
    settings.setValue(QStringLiteral("language"), QStringLiteral("xx"));
    QCOMPARE(vormante::ChosenLanguage(settings), QString());
}

void TestTranslations::fitsASmallScreenInEveryLanguage_data() {
    AddLanguageRows();
}

void TestTranslations::fitsASmallScreenInEveryLanguage() {
    QFETCH(QString, code);
    QCOMPARE(vormante::InstallTranslators(code), code);
    MainWindow window;
    QVERIFY(window.OpenFile(demo_));
    window.resize(640, 480);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.width() <= 640 && window.height() <= 480);
    for (int tab = 0; tab < window.pageTabCtrl()->count(); ++tab) {
        window.pageTabCtrl()->setCurrentIndex(tab);
        QApplication::processEvents();
        const QString fault = testsupport::FirstOverlap(&window) + testsupport::FirstCutText(&window);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("tab %1: %2").arg(tab).arg(fault)));
    }
}

void TestTranslations::dialogsShowTheirTextsWhole_data() {
    AddLanguageRows();
}

void TestTranslations::dialogsShowTheirTextsWhole() {
    QFETCH(QString, code);
    QCOMPARE(vormante::InstallTranslators(code), code);
    QSettings settings(dir_.filePath(QStringLiteral("dialogs.conf")), QSettings::IniFormat);
    vormante::ImageArchive archive(dir_.filePath(QStringLiteral("archive")));
    vormante::Document document;
    QVERIFY(testsupport::LoadInto(document, vormante::BuildDemoImage()));
    vormante::NamesListResult names;
    names.ok = true;
    const std::function<QDialog*()> dialogs[] = {
        [] { return new AboutDialog; },
        [&] { return new LanguageDialog(settings); },
        [] { return new ChannelDialog; },
        [] { return new MoveToDialog; },
        [] { return new SatelliteDialog; },
        [] { return new TransponderDialog; },
        [] { return new LnbDialog; },
        [] { return new vormante::PortOptionDialog; },
        [] {
            return new vormante::TransferDialog(vormante::TransferDirection::Send,
                                                QStringLiteral("demo.bin"));
        },
        [] {
            return new vormante::TransferDialog(vormante::TransferDirection::Receive,
                                                QStringLiteral("demo.bin"));
        },
        [this] { return new FindChannelDialog(db_); },
        [this] { return new DuplicatesDialog(db_); },
        [this] { return new CompareDialog(db_, db_, QStringLiteral("a.bin"), QStringLiteral("b.bin")); },
        [this] { return new ReorderDialog(db_, db_); },
        [this] { return new ListImportDialog(db_, vormante::ListImportPlan{}); },
        [&] { return new NamesOrderDialog(db_, names, QStringLiteral("names.txt"), 0, true); },
        [this] { return new SatellitesXmlDialog(db_, vormante::SatelliteFile{}); },
        [&] { return new ArchiveDialog(archive, document, [] { return true; }); },
    };
    for (const auto& make : dialogs) {
        const std::unique_ptr<QDialog> dialog(make());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QString fault =
            testsupport::FirstOverlap(dialog.get()) + testsupport::FirstCutText(dialog.get());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

void TestTranslations::screenshots() {
    const QString folder = qEnvironmentVariable("VORMANTE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("set VORMANTE_SCREENSHOT_DIR to a folder to save pictures of the window in every language");
    for (const vormante::ShippedLanguage& language : vormante::ShippedLanguages()) {
        vormante::InstallTranslators(language.code);
        QVERIFY(testsupport::SaveWindowPictures(demo_, [&](QSize size, int tab) {
            return QStringLiteral("%1/window-%2-%3x%4-tab%5.png")
                .arg(folder, language.code)
                .arg(size.width())
                .arg(size.height())
                .arg(tab);
        }));
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
