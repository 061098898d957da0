// The store: loading, the change test, writing, and the record addresses.
#include "TestSupport.h"
#include "model/ChannelDatabase.h"
#include "model/ImageFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vormante;
using testsupport::LoadInto;
using testsupport::RandomBytes;

namespace {
std::size_t OffsetOf(const ChannelDatabase& db, const std::uint8_t* p) {
    return static_cast<std::size_t>(p - db.workingCopy().data());
}
} // namespace

class TestChannelDatabase : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordAddressesAtTheEdges() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, testsupport::EmptyImage()));
        const std::pair<int, std::size_t> channels[] = {{0, 40256},     {499, 64208},   {500, 73772},
                                                        {1749, 133724}, {1750, 139308}, {2999, 199260}};
        for (auto [slot, offset] : channels) {
            QCOMPARE(OffsetOf(db, db.ChannelPointer(slot)), offset);
            QCOMPARE(OffsetOf(db, db.Channel(slot).data()), offset);
        }
        QCOMPARE(OffsetOf(db, db.Channel(2999).data()) + ChannelRecord::SIZE, std::size_t(199308));
        QCOMPARE(OffsetOf(db, db.Satellite(99).data()), std::size_t(3608));
        QCOMPARE(OffsetOf(db, db.Transponder(1999).data()), std::size_t(40220));
        QCOMPARE(OffsetOf(db, db.SettingsPointer()), std::size_t(5684));
        QCOMPARE(OffsetOf(db, db.SatellitePointer()), std::size_t(44));
        QCOMPARE(OffsetOf(db, db.MarkPointer()), std::size_t(3664));
        QCOMPARE(OffsetOf(db, db.TransponderPointer()), std::size_t(8236));
        QCOMPARE(OffsetOf(db, &db.TransponderMark(1999)), std::size_t(5663));

        std::uint8_t* base = db.workingCopy().data() + 8192;
        QCOMPARE(ChannelDatabase::RecordAddress(5, base, 3000), base);
        QCOMPARE(ChannelDatabase::RecordAddress(4, base, 7), base);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, db.Channel(3000));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, db.Channel(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, db.Satellite(100));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, db.Transponder(2000));
    }

    void pointersStayUnsetBeforeLoad() {
        ChannelDatabase db;
        db.BuildRecordPointers();
        QVERIFY(!db.pointersBuilt());
        QVERIFY(db.ChannelPointer(0) == nullptr);
        QVERIFY(db.TransponderPointer() == nullptr);
        QVERIFY(!db.loaded());
    }

    void loadRefusesAnythingButAnImage() {
        ChannelDatabase db;
        const auto image = RandomBytes(IMAGE_SIZE, 7);
        QVERIFY(LoadInto(db, image));
        for (std::size_t size : {std::size_t(0), std::size_t(100), IMAGE_SIZE - 1, IMAGE_SIZE + 1}) {
            const auto other = RandomBytes(size, 8);
            const LoadResult result = db.Load(other);
            QVERIFY(!result.ok);
            QVERIFY(result.error.find(std::to_string(size)) != std::string::npos);
            QVERIFY(std::equal(image.begin(), image.end(), db.loadedCopy().begin()));
            QVERIFY(std::equal(image.begin(), image.end(), db.workingCopy().begin()));
        }
        QVERIFY(db.loaded());
    }

    void changeTestFollowsBytesNotEdits() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, RandomBytes(IMAGE_SIZE, 9)));
        QVERIFY(!db.IsChanged());
        SatelliteRecord satellite = db.Satellite(42);
        const unsigned before = satellite.lnbType();
        satellite.setLnbType((before + 1) % 8);
        QVERIFY(db.IsChanged());
        satellite.setLnbType(before);
        QVERIFY(!db.IsChanged());
        // The last byte of the image counts too.
        db.workingCopy()[IMAGE_SIZE - 1] ^= 1;
        QVERIFY(db.IsChanged());
        db.Commit();
        QVERIFY(!db.IsChanged());
        QCOMPARE(db.loadedCopy()[IMAGE_SIZE - 1], db.workingCopy()[IMAGE_SIZE - 1]);
    }

    void writesReportTheSinkAndKeepTheChangeTest() {
        ChannelDatabase db;
        const auto image = RandomBytes(IMAGE_SIZE, 10);
        QVERIFY(LoadInto(db, image));
        db.Channel(5).setName("Edited");
        std::vector<std::uint8_t> written;
        QVERIFY(db.WriteWorking([&](std::span<const std::uint8_t> bytes) {
            written.assign(bytes.begin(), bytes.end());
            return true;
        }));
        QCOMPARE(written.size(), IMAGE_SIZE);
        QVERIFY(std::equal(written.begin(), written.end(), db.workingCopy().begin()));
        QVERIFY(db.IsChanged()); // "Save as" does not commit

        QVERIFY(!db.WriteLoaded([](std::span<const std::uint8_t>) { return false; }));
        QVERIFY(db.WriteLoaded([&](std::span<const std::uint8_t> bytes) {
            written.assign(bytes.begin(), bytes.end());
            return true;
        }));
        QVERIFY(written == image);
    }

    void randomImagesSurviveALoadWriteRoundTrip() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (std::uint32_t seed = 100; seed < 120; ++seed) {
            const auto image = RandomBytes(IMAGE_SIZE, seed);
            const std::string in = (dir.path() + "/in.bin").toStdString();
            const std::string out = (dir.path() + "/out.bin").toStdString();
            QVERIFY(WriteFileSafely(in, image).ok());
            const FileReadResult read = ReadFileBytes(in, IMAGE_SIZE);
            QVERIFY(read.ok);
            ChannelDatabase db;
            QVERIFY(LoadInto(db, read.bytes));
            QVERIFY(db.WriteWorking(
                [&](std::span<const std::uint8_t> b) { return WriteFileSafely(out, b).ok(); }));
            const FileReadResult back = ReadFileBytes(out, IMAGE_SIZE);
            QVERIFY(back.ok);
            QVERIFY(back.bytes == image);
        }
    }

    void fileHelpersReportFailures() {
        QTemporaryDir dir;
        const FileReadResult missing = ReadFileBytes((dir.path() + "/nope.bin").toStdString(), IMAGE_SIZE);
        QVERIFY(!missing.ok);
        QVERIFY(!missing.error.empty());

        // A long file is read one byte past the limit so the caller can refuse it.
        const auto big = RandomBytes(IMAGE_SIZE + 10, 3);
        const std::string path = (dir.path() + "/big.bin").toStdString();
        QVERIFY(WriteFileSafely(path, big).ok());
        QCOMPARE(ReadFileBytes(path, IMAGE_SIZE).bytes.size(), IMAGE_SIZE + 1);

        const FileWriteResult nowhere =
            WriteFileSafely((dir.path() + "/no/such/dir/x.bin").toStdString(), big);
        QVERIFY(!nowhere.ok());
        QVERIFY(!nowhere.message.empty());
        if (QFileInfo::exists("/dev/full")) {
            // A device is never replaced by a renamed file.
            QVERIFY(!WriteFileSafely("/dev/full", big).ok());
            QVERIFY(!QFileInfo("/dev/full").isFile());
        }
    }
};

QTEST_GUILESS_MAIN(TestChannelDatabase)
#include "tst_channeldatabase.moc"
