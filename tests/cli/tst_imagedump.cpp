// The dump of a small image built field by field, against values written out by hand.
#include "ImageDump.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <memory>
#include <sstream>

using namespace vormante;

class TestImageDump : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ChannelDatabase> db_;
    QJsonObject dump_;

    QJsonObject DumpOf(const ChannelDatabase& db) {
        std::ostringstream out;
        cli::WriteImageJson(db, out);
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &error);
        if (error.error != QJsonParseError::NoError)
            qWarning() << "dump is not JSON:" << error.errorString();
        return document.object();
    }

    // Checks that every member of expected has the same value in actual, and no other member is there.
    static void Compare(const QJsonObject& actual, const QJsonObject& expected) {
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            QVERIFY2(actual.contains(it.key()), qPrintable("missing " + it.key()));
            QVERIFY2(actual.value(it.key()) == it.value(),
                     qPrintable(it.key() + ": got " +
                                QJsonDocument(QJsonArray{actual.value(it.key())}).toJson() + " expected " +
                                QJsonDocument(QJsonArray{it.value()}).toJson()));
        }
        QCOMPARE(actual.keys(), expected.keys());
    }

private Q_SLOTS:
    void initTestCase() {
        db_ = std::make_unique<ChannelDatabase>();
        QVERIFY(testsupport::LoadInto(*db_, testsupport::EmptyImage()));
        ChannelDatabase& db = *db_;

        SatelliteRecord sat = db.Satellite(3);
        sat.setState(1);
        sat.setChannelCount(2);
        sat.setTransponderCount(1);
        sat.setFirstChannel(7);
        sat.setLastChannel(2999);
        sat.setLnbType(6);
        sat.setChannelFlag(true);
        sat.setFirstTransponder(1999);
        sat.setLastTransponder(1999);
        sat.setSlotMark(90);
        sat.setDefaultTvChannel(7);
        sat.setDefaultRadioChannel(0xFFFF);
        // Latin-1 bytes: e-acute and a double quote, which JSON must escape.
        sat.setName("Caf\xE9 \"1\"");
        sat.setPosition(-1800);
        sat.setAuxByte(0xAB);

        SatelliteRecord other = db.Satellite(99);
        other.setState(3);
        other.setFirstChannel(NO_LINK);
        other.setLastChannel(NO_LINK);
        other.setFirstTransponder(NO_LINK);
        other.setLastTransponder(NO_LINK);
        other.setPosition(2047);
        // Fifteen characters plus a sixteenth byte that is not NUL: readers stop after 16.
        other.setName("ABCDEFGHIJKLMNO");
        other.data()[31] = 'P';

        TransponderRecord tp = db.Transponder(1999);
        tp.setNumber(2047);
        tp.setPolarization(2);
        tp.setSymbolRate(65535);
        tp.setPrevTransponder(NO_LINK);
        tp.setNextTransponder(NO_LINK);
        tp.setSatellite(3);
        tp.setSpareWord(0xFFFFFFFFu);
        tp.setFrequency(11836);
        tp.setInUse(1); // one bit alone still counts as in use
        tp.setHasChannels(true);

        db.Transponder(5).setFrequency(12000); // free: not dumped

        ChannelRecord tv = db.Channel(7);
        tv.setPrevChannel(NO_LINK);
        tv.setNextChannel(2999);
        tv.setServiceType(1);
        tv.setLocked(true);
        tv.setAudioPid(102);
        tv.setState(1);
        tv.setVideoPid(101);
        tv.setFav1(true);
        tv.setFav3(true);
        tv.setSpareShort(0);
        tv.setTransponder(1999);
        tv.setTeletextPid(104);
        tv.setPairBits(2);
        tv.setScrambled(true);
        tv.setPcrPid(8191);
        tv.setChannelNumber(8191);
        tv.setExtraPid(0);
        tv.setName("Das Erste");
        tv.data()[29] = 0x01;
        tv.data()[32] = 0x80;

        ChannelRecord radio = db.Channel(2999);
        radio.setPrevChannel(7);
        radio.setNextChannel(NO_LINK);
        radio.setServiceType(2);
        radio.setAudioPid(16383);
        radio.setState(2); // occupied though never written by the editor
        radio.setVideoPid(NULL_PID);
        radio.setFav2(true);
        radio.setFav4(true);
        radio.setSpareShort(0xFFFF);
        radio.setTransponder(0xFFFF);
        radio.setTeletextPid(NULL_PID);
        radio.setPcrPid(NULL_PID);
        radio.setChannelNumber(1);
        radio.setExtraPid(NULL_PID);
        radio.setName("ELEVENCHARS"); // fills the field: no terminator

        SystemSettingsBlock s = db.Settings();
        s.setStandby(1);
        s.setAspectRatio(1);
        s.setMenuLanguage(7);
        s.setRfChannel(127);
        s.setSoundSystem(3);
        s.setColorSystem(2);
        s.setLockReceiver(1);
        s.setLockMenu(0);
        s.setDelayTime(0);
        s.setTimeZone(8191);
        s.setGmtUsage(1);
        s.setSummerTime(1);
        s.setTimeOffset(63);
        s.setCurrentSatellite(3);
        s.setSatelliteCount(2);
        s.data()[51] = 10;
        s.data()[52] = 200;
        s.data()[53] = 255;
        const char pin[] = "1234";
        std::copy(pin, pin + sizeof pin, s.data() + SystemSettingsBlock::PIN_CODE_BYTE);
        s.setLnbLowFrequency(0, 9750000);
        s.setLnbHighFrequency(0, 10600000);
        s.setLnbHighFrequency(3, 0xFFFFFFFFu);
        LnbSlot type1 = s.lnbSlot(0);
        type1.setLowBandIndex(1);
        type1.setHighBandIndex(3);
        type1.setDiseqcItem(6);
        type1.setTone22k(2);
        type1.setLnbPower(true);
        LnbSlot type8 = s.lnbSlot(7);
        type8.setLowBandIndex(31);
        type8.setHighBandIndex(8);
        type8.setPolarityControl(4);
        type8.setBandControl(7);
        type8.setSwitch12V(3);

        dump_ = DumpOf(db);
    }

    void topLevelHasFourMembers() {
        QCOMPARE(dump_.keys(), (QStringList{"channels", "satellites", "settings", "transponders"}));
        QCOMPARE(dump_["satellites"].toArray().size(), 2);
        QCOMPARE(dump_["transponders"].toArray().size(), 1);
        QCOMPARE(dump_["channels"].toArray().size(), 2);
    }

    void satellites() {
        const QJsonArray satellites = dump_["satellites"].toArray();
        Compare(satellites[0].toObject(), QJsonObject{{"slot", 3},
                                                      {"state", 1},
                                                      {"channelCount", 2},
                                                      {"transponderCount", 1},
                                                      {"firstChannel", 7},
                                                      {"lastChannel", 2999},
                                                      {"lnbType", 6},
                                                      {"channelFlag", 1},
                                                      {"firstTransponder", 1999},
                                                      {"lastTransponder", 1999},
                                                      {"slotMark", 90},
                                                      {"defaultTvChannel", 7},
                                                      {"defaultRadioChannel", 65535},
                                                      {"name", QString::fromUtf8("Caf\u00e9 \"1\"")},
                                                      {"position", -1800},
                                                      {"auxByte", 171}});
        Compare(satellites[1].toObject(), QJsonObject{{"slot", 99},
                                                      {"state", 3},
                                                      {"channelCount", 0},
                                                      {"transponderCount", 0},
                                                      {"firstChannel", -1},
                                                      {"lastChannel", -1},
                                                      {"lnbType", 0},
                                                      {"channelFlag", 0},
                                                      {"firstTransponder", -1},
                                                      {"lastTransponder", -1},
                                                      {"slotMark", 0},
                                                      {"defaultTvChannel", 0},
                                                      {"defaultRadioChannel", 0},
                                                      {"name", "ABCDEFGHIJKLMNOP"},
                                                      {"position", 2047},
                                                      {"auxByte", 0}});
    }

    void transponders() {
        Compare(dump_["transponders"].toArray()[0].toObject(), QJsonObject{{"slot", 1999},
                                                                           {"number", 2047},
                                                                           {"polarization", 2},
                                                                           {"symbolRate", 65535},
                                                                           {"prevTransponder", -1},
                                                                           {"nextTransponder", -1},
                                                                           {"satellite", 3},
                                                                           {"spareWord", 4294967295.0},
                                                                           {"frequency", 11836},
                                                                           {"inUse", 1},
                                                                           {"hasChannels", 1}});
    }

    void channels() {
        const QJsonArray channels = dump_["channels"].toArray();
        Compare(channels[0].toObject(), QJsonObject{{"slot", 7},
                                                    {"prevChannel", -1},
                                                    {"nextChannel", 2999},
                                                    {"serviceType", 1},
                                                    {"locked", 1},
                                                    {"audioPid", 102},
                                                    {"state", 1},
                                                    {"videoPid", 101},
                                                    {"fav1", 1},
                                                    {"fav2", 0},
                                                    {"fav3", 1},
                                                    {"fav4", 0},
                                                    {"spareShort", 0},
                                                    {"transponder", 1999},
                                                    {"teletextPid", 104},
                                                    {"pairBits", 2},
                                                    {"scrambled", 1},
                                                    {"pcrPid", 8191},
                                                    {"channelNumber", 8191},
                                                    {"extraPid", 0},
                                                    {"shortText1", qint64(0x80000001)},
                                                    {"shortText2", 0},
                                                    {"name", "Das Erste"}});
        Compare(channels[1].toObject(), QJsonObject{{"slot", 2999},
                                                    {"prevChannel", 7},
                                                    {"nextChannel", -1},
                                                    {"serviceType", 2},
                                                    {"locked", 0},
                                                    {"audioPid", 16383},
                                                    {"state", 2},
                                                    {"videoPid", 8191},
                                                    {"fav1", 0},
                                                    {"fav2", 1},
                                                    {"fav3", 0},
                                                    {"fav4", 1},
                                                    {"spareShort", 65535},
                                                    {"transponder", 65535},
                                                    {"teletextPid", 8191},
                                                    {"pairBits", 0},
                                                    {"scrambled", 0},
                                                    {"pcrPid", 8191},
                                                    {"channelNumber", 1},
                                                    {"extraPid", 8191},
                                                    {"shortText1", 0},
                                                    {"shortText2", 0},
                                                    {"name", "ELEVENCHARS"}});
    }

    void settings() {
        QJsonObject settings = dump_["settings"].toObject();
        const QJsonArray lnb = settings.take("lnb").toArray();
        Compare(settings, QJsonObject{{"standby", 1},
                                      {"aspectRatio", 1},
                                      {"menuLanguage", 7},
                                      {"rfChannel", 127},
                                      {"soundSystem", 3},
                                      {"colorSystem", 2},
                                      {"lockReceiver", 1},
                                      {"lockMenu", 0},
                                      {"delayTime", 0},
                                      {"timeZone", 8191},
                                      {"gmtUsage", 1},
                                      {"summerTime", 1},
                                      {"timeOffset", 63},
                                      {"currentSatellite", 3},
                                      {"satelliteCount", 2},
                                      {"transparency", 10},
                                      {"volumeLeft", 200},
                                      {"volumeRight", 255},
                                      {"pinCode", "1234"}});
        QCOMPARE(lnb.size(), 8);
        Compare(lnb[0].toObject(), QJsonObject{{"lowBandIndex", 1},
                                               {"highBandIndex", 3},
                                               {"diseqcOn", 1},
                                               {"diseqcPort", 5},
                                               {"polarityControl", 0},
                                               {"bandControl", 0},
                                               {"tone22k", 2},
                                               {"switch12V", 0},
                                               {"lnbPower", 1},
                                               {"lowFrequency", 9750000},
                                               {"highFrequency", 10600000}});
        QCOMPARE(lnb[3].toObject()["highFrequency"].toDouble(), 4294967295.0);
        QCOMPARE(lnb[3].toObject()["lowFrequency"].toInt(), 0);
        // Types 5 to 8 take their frequencies from the table: no frequency members.
        Compare(lnb[7].toObject(), QJsonObject{{"lowBandIndex", 31},
                                               {"highBandIndex", 8},
                                               {"diseqcOn", 0},
                                               {"diseqcPort", 0},
                                               {"polarityControl", 4},
                                               {"bandControl", 7},
                                               {"tone22k", 0},
                                               {"switch12V", 3},
                                               {"lnbPower", 0}});
    }

    void emptyImageHasEmptyTables() {
        ChannelDatabase empty;
        QVERIFY(testsupport::LoadInto(empty, testsupport::EmptyImage()));
        const QJsonObject dump = DumpOf(empty);
        QVERIFY(dump["satellites"].isArray() && dump["satellites"].toArray().isEmpty());
        QVERIFY(dump["transponders"].toArray().isEmpty());
        QVERIFY(dump["channels"].toArray().isEmpty());
        QCOMPARE(dump["settings"].toObject()["lnb"].toArray().size(), 8);
    }

    void controlBytesInNamesAreEscaped() {
        ChannelDatabase db;
        QVERIFY(testsupport::LoadInto(db, testsupport::EmptyImage()));
        db.Channel(0).setState(1);
        db.Channel(0).setName(std::string("a\x01\\\x7F\xFF", 5));
        std::ostringstream out;
        cli::WriteImageJson(db, out);
        QVERIFY(out.str().find("\"name\": \"a\\u0001\\\\\\u007f\xC3\xBF\"") != std::string::npos);
        QCOMPARE(DumpOf(db)["channels"].toArray()[0].toObject()["name"].toString(),
                 QString::fromUtf8("a\u0001\\\u007f\u00ff"));
    }
};

QTEST_GUILESS_MAIN(TestImageDump)
#include "tst_imagedump.moc"
