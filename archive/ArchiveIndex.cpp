#include "ArchiveIndex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace vormante {

namespace {

const QString FORMAT = QStringLiteral("vormante-archive");
constexpr int VERSION = 1;
const QString TIME_IN_NAME = QStringLiteral("yyyy-MM-dd_HHmmss"); // for writing names only

int IntOr(const QJsonObject& object, const char* key, int fallback) {
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? value.toInt(fallback) : fallback;
}

std::optional<ArchiveEntry> ParseEntry(const QJsonObject& object) {
    ArchiveEntry entry;
    entry.id = object.value(QLatin1String("id")).toString();
    entry.storedName = object.value(QLatin1String("stored")).toString();
    const QJsonValue msecs = object.value(QLatin1String("msecs"));
    if (msecs.isDouble())
        entry.time = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msecs.toDouble()), Qt::UTC);
    const std::optional<ArchiveKind> kind =
        ArchiveKindFromName(object.value(QLatin1String("kind")).toString());
    // The stored name must be one the archive makes: an index may not point at the index
    // itself, at a foreign file or out of the folder, which a removal would then delete.
    if (entry.id.isEmpty() || !entry.time.isValid() || !kind ||
        !entry.storedName.endsWith(QLatin1String(".bin")) || !ParseArchiveFileName(entry.storedName))
        return std::nullopt;
    entry.kind = *kind;
    entry.file = object.value(QLatin1String("file")).toString();
    entry.port = object.value(QLatin1String("port")).toString();
    entry.sha256 = object.value(QLatin1String("sha256")).toString().toLatin1();
    entry.satellites = IntOr(object, "satellites", -1);
    entry.transponders = IntOr(object, "transponders", -1);
    entry.channels = IntOr(object, "channels", -1);
    return entry;
}

// The index is written by hand, one entry per line: it is rewritten on every image kept,
// and building QJsonObjects for 500 entries costs several times what the write does.
void AppendString(QByteArray& out, const QString& text) {
    out += '"';
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00";
            out += "0123456789abcdef"[(c >> 4) & 0xF];
            out += "0123456789abcdef"[c & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendMember(QByteArray& out, const char* key, const QString& text) {
    out += ",\"";
    out += key;
    out += "\":";
    AppendString(out, text);
}

void AppendMember(QByteArray& out, const char* key, qint64 number) {
    out += ",\"";
    out += key;
    out += "\":";
    out += QByteArray::number(number);
}

void AppendEntry(QByteArray& out, const ArchiveEntry& entry) {
    out += "{\"id\":";
    AppendString(out, entry.id);
    AppendMember(out, "msecs", entry.time.toMSecsSinceEpoch());
    AppendMember(out, "kind", ArchiveKindName(entry.kind));
    AppendMember(out, "stored", entry.storedName);
    AppendMember(out, "sha256", QString::fromLatin1(entry.sha256));
    AppendMember(out, "satellites", entry.satellites);
    AppendMember(out, "transponders", entry.transponders);
    AppendMember(out, "channels", entry.channels);
    if (!entry.file.isEmpty())
        AppendMember(out, "file", entry.file);
    if (!entry.port.isEmpty())
        AppendMember(out, "port", entry.port);
    out += '}';
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
    QByteArray out;
    out.reserve(300 * (index.entries.size() + 1));
    out += "{\"format\":";
    AppendString(out, FORMAT);
    AppendMember(out, "version", VERSION);
    AppendMember(out, "limit", index.limit);
    out += ",\"entries\":[";
    for (qsizetype i = 0; i < index.entries.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        AppendEntry(out, index.entries[i]);
    }
    out += "\n]}\n";
    return out;
}

QString ArchiveStem(const QDateTime& time, ArchiveKind kind) {
    return time.toLocalTime().toString(TIME_IN_NAME) + QLatin1Char('_') + ArchiveKindName(kind);
}

std::optional<ParsedStem> ParseArchiveFileName(const QString& fileName) {
    // "2026-12-09_183005_received", then "-N" and ".bin" optionally; read by hand, as the
    // index is checked name by name each time the archive is listed.
    QStringView name(fileName);
    if (name.endsWith(QLatin1String(".bin")))
        name.chop(4);
    if (name.size() < 18 || name[4] != '-' || name[7] != '-' || name[10] != '_' || name[17] != '_')
        return std::nullopt;
    auto number = [&name](qsizetype at, qsizetype digits) {
        int value = 0;
        for (qsizetype i = at; i < at + digits; ++i) {
            const char16_t digit = name[i].unicode();
            if (digit < u'0' || digit > u'9')
                return -1;
            value = value * 10 + (digit - u'0');
        }
        return value;
    };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(13, 2), number(15, 2));
    QStringView rest = name.mid(18);
    if (const qsizetype dash = rest.lastIndexOf(QLatin1Char('-')); dash > 0 && dash + 1 < rest.size()) {
        const QStringView suffix = rest.mid(dash + 1);
        const bool digits = suffix.size() <= 6 && std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
                                return c.unicode() >= '0' && c.unicode() <= '9';
                            });
        if (digits)
            rest = rest.left(dash);
    }
    const std::optional<ArchiveKind> kind = ArchiveKindFromName(rest.toString());
    if (!date.isValid() || !time.isValid() || !kind)
        return std::nullopt;
    return ParsedStem{QDateTime(date, time), *kind};
}

} // namespace vormante
