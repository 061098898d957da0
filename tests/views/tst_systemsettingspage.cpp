// The system settings page: each list shows and writes exactly its own field,
// the number boxes only show, and the counters follow currentSatellite.
#include "TestSupport.h"
#include "ViewTestImages.h"
#include "model/ChannelDatabase.h"
#include "model/ConsistencyCheck.h"
#include "views/settings/SystemSettingsPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace vormante;
using testsupport::LoadInto;
using testsupport::RandomBytes;

namespace {

struct ListCase {
    const char* objectName;
    int word, bit, width;
    unsigned (ConstSystemSettingsBlock::*get)() const;
    unsigned valueOffset;
};

const ListCase K_LISTS[] = {
    {"menuLanguageComboBox", 0, 3, 3, &ConstSystemSettingsBlock::menuLanguage, 0},
    {"aspectComboBox", 0, 2, 1, &ConstSystemSettingsBlock::aspectRatio, 0},
    {"colorComboBox", 0, 18, 3, &ConstSystemSettingsBlock::colorSystem, 0},
    {"delayTimeComboBox", 0, 23, 3, &ConstSystemSettingsBlock::delayTime, 1},
    {"standbyComboBox", 0, 1, 1, &ConstSystemSettingsBlock::standby, 0},
    {"summerTimeComboBox", 1, 25, 1, &ConstSystemSettingsBlock::summerTime, 0},
    {"timeZoneComboBox", 1, 11, 13, &ConstSystemSettingsBlock::timeZone, 0},
    {"soundComboBox", 0, 15, 3, &ConstSystemSettingsBlock::soundSystem, 0},
    {"gmtUsageComboBox", 1, 24, 1, &ConstSystemSettingsBlock::gmtUsage, 0},
    {"lockMenuComboBox", 0, 22, 1, &ConstSystemSettingsBlock::lockMenu, 0},
    {"lockReceiverComboBox", 0, 21, 1, &ConstSystemSettingsBlock::lockReceiver, 0},
};

// Byte positions at which two images differ.
std::vector<std::size_t> Differences(const DatabaseImage& a, const DatabaseImage& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < IMAGE_SIZE; ++i)
        if (a[i] != b[i])
            at.push_back(i);
    return at;
}

} // namespace

class TestSystemSettingsPage : public QObject {
    Q_OBJECT

    vormante::Document document_;

    const vormante::ChannelDatabase& db_ = document_.database();
    std::unique_ptr<SystemSettingsPage> page_;

    QComboBox* list(const char* name) { return page_->findChild<QComboBox*>(QLatin1String(name)); }
    QLineEdit* box(const char* name) { return page_->findChild<QLineEdit*>(QLatin1String(name)); }

    void loadRandom(std::uint32_t seed) {
        QVERIFY(LoadInto(document_, RandomBytes(IMAGE_SIZE, seed)));
        page_->LoadFromSettings();
    }

private Q_SLOTS:
    void init() {
        page_ = std::make_unique<SystemSettingsPage>();
        page_->FillLists(document_);
    }
    void cleanup() { page_.reset(); }

    void listsAreFilledAndNothingIsSelectedBeforeALoad() {
        for (const ListCase& c : K_LISTS) {
            QVERIFY2(list(c.objectName), c.objectName);
            QCOMPARE(list(c.objectName)->currentIndex(), -1);
        }
        QCOMPARE(list("menuLanguageComboBox")->count(), 6);
        QCOMPARE(list("timeZoneComboBox")->count(), 54);
        QCOMPARE(list("delayTimeComboBox")->count(), 7);
        QCOMPARE(list("soundComboBox")->itemText(3), QStringLiteral("D/K"));
        QCOMPARE(list("mainAudioComboBox")->count(), 1);
        QVERIFY(!list("mainAudioComboBox")->isEnabled());

        page_->LoadFromSettings(); // no image: nothing changes
        for (const ListCase& c : K_LISTS)
            QCOMPARE(list(c.objectName)->currentIndex(), -1);
        QVERIFY(box("volumeLeftEdit")->text().isEmpty());
    }

    void loadingShowsEveryStoredValueAndWritesNothing() {
        QVERIFY(LoadInto(document_, RandomBytes(IMAGE_SIZE, 5)));
        testsupport::Edit(document_, [&](ChannelDatabase& w) {
            w.Settings().setMenuLanguage(4);
            w.Settings().setTimeZone(53);
            w.Settings().setDelayTime(1);
            w.Settings().setColorSystem(2);
            w.Settings().setSoundSystem(1);
            w.Settings().setLockMenu(1);
            w.Settings().setLockReceiver(0);
            w.Settings().setTimeOffset(33);
            w.Settings().setRfChannel(99);
        });
        document_.MarkSaved(document_.path());
        const ConstSystemSettingsBlock settings = db_.Settings();
        page_->LoadFromSettings();

        QCOMPARE(list("menuLanguageComboBox")->currentText(), QStringLiteral("Greek"));
        QCOMPARE(list("timeZoneComboBox")->currentText(), QStringLiteral("Wellington, Auckland"));
        QCOMPARE(list("delayTimeComboBox")->currentText(), QStringLiteral("ALWAYS"));
        QCOMPARE(list("colorComboBox")->currentText(), QStringLiteral("NTSC"));
        QCOMPARE(list("soundComboBox")->currentText(), QStringLiteral("B/G"));
        QCOMPARE(list("lockMenuComboBox")->currentText(), QStringLiteral("Locked"));
        QCOMPARE(list("lockReceiverComboBox")->currentText(), QStringLiteral("Free"));
        QCOMPARE(list("mainAudioComboBox")->currentText(), QStringLiteral("English"));
        QCOMPARE(box("timeOffsetEdit")->text(), QStringLiteral("33"));
        QCOMPARE(box("rfChannelEdit")->text(), QStringLiteral("99"));
        QCOMPARE(box("volumeLeftEdit")->text(), QString::number(settings.volumeLeft()));
        QCOMPARE(box("transparencyEdit")->text(), QString::number(settings.transparency()));
        QVERIFY(!db_.IsChanged());
    }

    void eachListWritesOnlyItsOwnBits() {
        std::mt19937 random(11);
        for (const ListCase& c : K_LISTS) {
            loadRandom(random());
            QComboBox* combo = list(c.objectName);
            const int position = static_cast<int>(random() % static_cast<unsigned>(combo->count()));
            // Force a change even when the random image already holds that value.
            combo->setCurrentIndex(position == 0 ? 1 : 0);
            const DatabaseImage before = db_.workingCopy();
            combo->setCurrentIndex(position);

            const ConstSystemSettingsBlock settings = db_.Settings();
            QCOMPARE((settings.*c.get)(), unsigned(position) + c.valueOffset);
            const std::size_t at = layout::SETTINGS_BLOCK + 4 * std::size_t(c.word);
            const std::uint32_t mask = bits::Mask(c.width) << c.bit;
            QCOMPARE(bits::LoadWord(db_.workingCopy().data() + at) & ~mask,
                     bits::LoadWord(before.data() + at) & ~mask);
            for (std::size_t i : Differences(before, db_.workingCopy()))
                QVERIFY2(i >= at && i < at + 4, c.objectName);
        }
    }

    void everyPickKeepsAConsistentImageConsistent() {
        QVERIFY(LoadInto(document_, viewtest::TwoSatelliteImage()));
        QVERIFY(CheckConsistency(db_).empty());
        page_->LoadFromSettings();
        for (const ListCase& c : K_LISTS) {
            QComboBox* combo = list(c.objectName);
            for (int position = 0; position < combo->count(); ++position) {
                combo->setCurrentIndex(position);
                QVERIFY2(CheckConsistency(db_).empty(), c.objectName);
            }
        }
        QVERIFY(db_.IsChanged());
    }

    void lockedInLockMenuSetsOnlyBit22() {
        QVERIFY(LoadInto(document_, RandomBytes(IMAGE_SIZE, 3)));
        testsupport::Edit(document_, [&](vormante::ChannelDatabase& w) { w.Settings().setLockMenu(0); });
        document_.MarkSaved(document_.path());
        page_->LoadFromSettings();
        list("lockMenuComboBox")->setCurrentIndex(1);
        const std::vector<std::size_t> changed = Differences(db_.loadedCopy(), db_.workingCopy());
        QCOMPARE(changed.size(), std::size_t(1));
        QCOMPARE(changed[0], layout::SETTINGS_BLOCK + 2);
        QCOMPARE(db_.workingCopy()[changed[0]] ^ db_.loadedCopy()[changed[0]], 1 << 6); // bit 22 of word 0
        QVERIFY(db_.IsChanged());
    }

    void delayTimeIsStoredAsPositionPlusOne() {
        loadRandom(8);
        list("delayTimeComboBox")
            ->setCurrentIndex(list("delayTimeComboBox")->findText(QStringLiteral("7 Sec")));
        QCOMPARE(db_.Settings().delayTime(), 7u);
        testsupport::Edit(document_, [&](vormante::ChannelDatabase& w) { w.Settings().setDelayTime(1); });
        page_->LoadFromSettings();
        QCOMPARE(list("delayTimeComboBox")->currentText(), QStringLiteral("ALWAYS"));
    }

    void the21stTimeZoneStores20() {
        loadRandom(9);
        const std::uint32_t before = bits::LoadWord(db_.workingCopy().data() + layout::SETTINGS_BLOCK + 4);
        list("timeZoneComboBox")->setCurrentIndex(20);
        QCOMPARE(list("timeZoneComboBox")->currentText(), QStringLiteral("GMT; Dublin, London"));
        QCOMPARE(db_.Settings().timeZone(), 20u);
        const std::uint32_t mask = bits::Mask(13) << 11;
        QCOMPARE(bits::LoadWord(db_.workingCopy().data() + layout::SETTINGS_BLOCK + 4) & ~mask,
                 before & ~mask);
    }

    void aValueWithNoListPositionShowsNoSelectionAndStays() {
        QVERIFY(LoadInto(document_, RandomBytes(IMAGE_SIZE, 21)));
        testsupport::Edit(document_, [&](ChannelDatabase& w) {
            w.Settings().setDelayTime(0);
            w.Settings().setMenuLanguage(7);
            w.Settings().setTimeZone(54);
            w.Settings().setColorSystem(5);
            w.Settings().setSoundSystem(4);
        });
        document_.MarkSaved(document_.path());
        page_->LoadFromSettings();
        for (const char* name : {"delayTimeComboBox", "menuLanguageComboBox", "timeZoneComboBox",
                                 "colorComboBox", "soundComboBox"})
            QCOMPARE(list(name)->currentIndex(), -1);
        QVERIFY(!db_.IsChanged());
        // A later load with a listed value selects it again.
        testsupport::Edit(document_, [&](vormante::ChannelDatabase& w) { w.Settings().setDelayTime(3); });
        page_->LoadFromSettings();
        QCOMPARE(list("delayTimeComboBox")->currentText(), QStringLiteral("3 Sec"));
    }

    void shownOnlyBoxesAreNeverWritten() {
        loadRandom(4);
        const QString stored = box("volumeLeftEdit")->text();
        box("volumeLeftEdit")->clear();
        QTest::keyClicks(box("volumeLeftEdit"), "42");
        QTest::keyClicks(box("pinCodeEdit"), "9");
        QTest::keyClicks(box("rfChannelEdit"), "1");
        QVERIFY(!db_.IsChanged());
        page_->LoadFromSettings();
        QCOMPARE(box("volumeLeftEdit")->text(), stored);
        QVERIFY(!db_.IsChanged());
    }

    void shownOnlyBoxesTakeNoTyping() {
        loadRandom(5);
        for (const char* name : {"volumeLeftEdit", "volumeRightEdit", "timeOffsetEdit", "transparencyEdit",
                                 "rfChannelEdit", "pinCodeEdit"}) {
            QLineEdit* shown = box(name);
            const QString before = shown->text();
            QVERIFY2(shown->isReadOnly(), name);
            QTest::keyClicks(shown, "7");
            QTest::keyClick(shown, Qt::Key_Backspace);
            QCOMPARE(shown->text(), before);
            // Drawn as not editable: no entry-box frame, in the desktop's own colours.
            QVERIFY2(!shown->hasFrame(), name);
            QVERIFY2(!shown->testAttribute(Qt::WA_SetPalette), name);
        }
    }

    void pinCodeIsShownInClear() {
        QVERIFY(LoadInto(document_, testsupport::EmptyImage()));
        testsupport::Edit(document_, [](ChannelDatabase& w) {
            std::memcpy(w.workingCopy().data() + layout::SETTINGS_BLOCK + SystemSettingsBlock::PIN_CODE_BYTE,
                        "4711", 5);
        });
        page_->LoadFromSettings();
        QCOMPARE(box("pinCodeEdit")->text(), QStringLiteral("4711"));
    }

    void countersShowTheCurrentSatellitesChannels() {
        QVERIFY(LoadInto(document_, viewtest::TwoSatelliteImage()));
        testsupport::Edit(document_, [&](vormante::ChannelDatabase& w) {
            w.Settings().setCurrentSatellite(viewtest::MIXED_SATELLITE);
        });
        page_->LoadFromSettings();
        QCOMPARE(box("tvNumEdit")->text(), QString::number(viewtest::MIXED_TV));
        QCOMPARE(box("radioNumEdit")->text(), QString::number(viewtest::MIXED_RADIO));
        QVERIFY(!box("tvNumEdit")->isEnabled());

        testsupport::Edit(document_, [&](vormante::ChannelDatabase& w) {
            w.Settings().setCurrentSatellite(viewtest::RADIO_SATELLITE);
        });
        page_->LoadFromSettings();
        QCOMPARE(box("tvNumEdit")->text(), QStringLiteral("0"));
        QCOMPARE(box("radioNumEdit")->text(), QString::number(viewtest::RADIO_ONLY_RADIO));
    }

    void countersAreZeroWhenCurrentSatelliteNamesNoUsedSlot() {
        QVERIFY(LoadInto(document_, viewtest::TwoSatelliteImage()));
        for (unsigned current : {0xFFu, 100u, 99u}) { // slot 99 is free
            testsupport::Edit(
                document_, [&](vormante::ChannelDatabase& w) { w.Settings().setCurrentSatellite(current); });
            page_->LoadFromSettings();
            QCOMPARE(box("tvNumEdit")->text(), QStringLiteral("0"));
            QCOMPARE(box("radioNumEdit")->text(), QStringLiteral("0"));
        }
    }

    void randomImagesNeverCrashTheLoad() {
        for (std::uint32_t seed = 100; seed < 140; ++seed)
            loadRandom(seed);
        QVERIFY(!db_.IsChanged());
    }
};

QTEST_MAIN(TestSystemSettingsPage)
#include "tst_systemsettingspage.moc"
