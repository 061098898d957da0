#include "TestSupport.h"

#include "model/SampleImages.h"

#include <QFile>
#include <QTest>

using namespace vormante;

namespace vormante::testsupport {

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(generator());
    return bytes;
}

std::vector<std::uint8_t> EmptyImage() {
    return std::vector<std::uint8_t>(vormante::IMAGE_SIZE, 0);
}

bool LoadInto(vormante::ChannelDatabase& db, const std::vector<std::uint8_t>& bytes) {
    db.Reset(false);
    if (!db.Load(bytes).ok)
        return false;
    db.BuildRecordPointers();
    return true;
}

bool LoadInto(vormante::Document& document, const std::vector<std::uint8_t>& bytes, const QString& path) {
    return document.Open(bytes, path).ok;
}

void Edit(vormante::Document& document, const std::function<void(vormante::ChannelDatabase&)>& change) {
    document.Apply(QStringLiteral("Test edit"), change);
}

QByteArray ToByteArray(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString WriteFileOrDie(const QString& path, const QByteArray& bytes) {
    if (!WriteFile(path, bytes))
        qFatal("cannot write a test file");
    return path;
}

bool WriteDemoImage(const QString& path) {
    return WriteFile(path, ToByteArray(vormante::BuildDemoImage()));
}

void AddSampleImageRows() {
    QTest::addColumn<bool>("full");
    QTest::newRow("demo") << false;
    QTest::newRow("full") << true;
}

} // namespace vormante::testsupport
