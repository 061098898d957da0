#include "ArchiveIndex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace vormante {

namespace {

const QString FORMAT = QStringLiteral("vormante-archive");
constexpr int VERSION = 1;
const QString TIME_IN_NAME = QStringLiteral("yyyy-MM-dd_HHmmss");

int IntOr(const QJsonObject& object, const char* key, int fallback) {
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? value.toInt(fallback) : fallback;
}

std::optional<ArchiveEntry> ParseEntry(const QJsonObject& object) {
    ArchiveEntry entry;
    entry.id = object.value(QLatin1String("id")).toString();
    entry.storedName = object.value(QLatin1String("stored")).toString();
    entry.time = QDateTime::fromString(object.value(QLatin1String("time")).toString(), Qt::ISODateWithMs);
    const std::optional<ArchiveKind> kind =
        ArchiveKindFromName(object.value(QLatin1String("kind")).toString());
    // The stored name must be one the archive makes: an index may not point at the index
    // itself, at a foreign file or out of the folder, which a removal would then delete.
    if (entry.id.isEmpty() || !entry.time.isValid() || !kind ||
        !entry.storedName.endsWith(QLatin1String(".bin")) || !ParseArchiveFileName(entry.storedName))
        return std::nullopt;
    entry.kind = *kind;
    entry.time = entry.time.toUTC();
    entry.file = object.value(QLatin1String("file")).toString();
    entry.port = object.value(QLatin1String("port")).toString();
    entry.sha256 = object.value(QLatin1String("sha256")).toString().toLatin1();
    entry.satellites = IntOr(object, "satellites", -1);
    entry.transponders = IntOr(object, "transponders", -1);
    entry.channels = IntOr(object, "channels", -1);
    return entry;
}

QJsonObject EntryObject(const ArchiveEntry& entry) {
    QJsonObject object{{QStringLiteral("id"), entry.id},
                       {QStringLiteral("time"), entry.time.toUTC().toString(Qt::ISODateWithMs)},
                       {QStringLiteral("kind"), ArchiveKindName(entry.kind)},
                       {QStringLiteral("stored"), entry.storedName},
                       {QStringLiteral("sha256"), QString::fromLatin1(entry.sha256)},
                       {QStringLiteral("satellites"), entry.satellites},
                       {QStringLiteral("transponders"), entry.transponders},
                       {QStringLiteral("channels"), entry.channels}};
    if (!entry.file.isEmpty())
        object.insert(QStringLiteral("file"), entry.file);
    if (!entry.port.isEmpty())
        object.insert(QStringLiteral("port"), entry.port);
    return object;
}

} // namespace

QString ArchiveKindName(ArchiveKind kind) {
    switch (kind) {
    case ArchiveKind::Received:
        return QStringLiteral("received");
    case ArchiveKind::Sent:
        return QStringLiteral("sent");
    case ArchiveKind::BeforeSave:
        return QStringLiteral("before-save");
    }
    return QString();
}

std::optional<ArchiveKind> ArchiveKindFromName(const QString& name) {
    for (ArchiveKind kind : {ArchiveKind::Received, ArchiveKind::Sent, ArchiveKind::BeforeSave})
        if (name == ArchiveKindName(kind))
            return kind;
    return std::nullopt;
}

bool ParseArchiveIndex(const QByteArray& json, ArchiveIndex* index) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != FORMAT ||
        !root.value(QLatin1String("entries")).isArray())
        return false;
    ArchiveIndex parsed;
    const int limit = IntOr(root, "limit", ArchiveIndex::DEFAULT_LIMIT);
    parsed.limit = limit >= 1 ? limit : ArchiveIndex::DEFAULT_LIMIT;
    for (const QJsonValue& value : root.value(QLatin1String("entries")).toArray()) {
        if (const std::optional<ArchiveEntry> entry = ParseEntry(value.toObject()))
            parsed.entries.append(*entry);
    }
    *index = std::move(parsed);
    return true;
}

QByteArray SerializeArchiveIndex(const ArchiveIndex& index) {
    QJsonArray entries;
    for (const ArchiveEntry& entry : index.entries)
        entries.append(EntryObject(entry));
    const QJsonObject root{{QStringLiteral("format"), FORMAT},
                           {QStringLiteral("version"), VERSION},
                           {QStringLiteral("limit"), index.limit},
                           {QStringLiteral("entries"), entries}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QString ArchiveStem(const QDateTime& time, ArchiveKind kind) {
    return time.toLocalTime().toString(TIME_IN_NAME) + QLatin1Char('_') + ArchiveKindName(kind);
}

std::optional<ParsedStem> ParseArchiveFileName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{6})_(received|sent|before-save)(-\\d{1,6})?(\\.bin)?$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    const QDateTime time = QDateTime::fromString(match.captured(1), TIME_IN_NAME);
    const std::optional<ArchiveKind> kind = ArchiveKindFromName(match.captured(2));
    if (!time.isValid() || !kind)
        return std::nullopt;
    return ParsedStem{time, *kind};
}

} // namespace vormante
