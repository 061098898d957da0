#include "SatellitesXml.h"

#include "model/ImageFile.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <filesystem>
#include <optional>

namespace vormante {

namespace {

// Nothing is expanded (files declaring entities are refused), but keep Qt's own bound low too.
constexpr int ENTITY_EXPANSION_LIMIT = 1024;

struct Number {
    bool present = false;
    std::optional<std::int64_t> value; // empty when present but not a whole number in range
    std::string text;
};

Number NumberOf(const QXmlStreamAttributes& attributes, QLatin1String name) {
    Number number;
    if (!attributes.hasAttribute(name))
        return number;
    number.present = true;
    const QStringView text = attributes.value(name);
    number.text = text.toString().toStdString();
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (ok)
        number.value = value;
    return number;
}

// A message for the editor, translated there (the command line installs no translator);
// the arguments fill %1, %2, ... in one go, so a % in the file's text stays as it is.
template <typename... Args> std::string Text(const char* source, const Args&... args) {
    QString text = QCoreApplication::translate("SatellitesXml", source);
    if constexpr (sizeof...(Args) > 0)
        text = text.arg(args...);
    return text.toStdString();
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Describe(const char* name, const Number& number) {
    //: %1 is an XML attribute's name (keep it), %2 its value
    return Text(QT_TRANSLATE_NOOP("SatellitesXml", "%1 \"%2\" is not a whole number"), QLatin1String(name),
                Utf8(number.text.substr(0, 40)));
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : xml_(bytes) {
        xml_.setEntityExpansionLimit(ENTITY_EXPANSION_LIMIT);
    }

    SatellitesXmlRead Run() {
        bool root = false;
        while (!xml_.atEnd() && result_.error.empty()) {
            xml_.readNext();
            if (xml_.tokenType() == QXmlStreamReader::DTD && !xml_.entityDeclarations().isEmpty())
                Refuse(Line(), Text(QT_TRANSLATE_NOOP("SatellitesXml",
                                                      "the file declares entities, which are not accepted")));
            else if (xml_.tokenType() == QXmlStreamReader::StartElement)
                root = ReadRoot();
        }
        if (result_.error.empty() && xml_.hasError() &&
            (root || xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError))
            Refuse(Line(), ErrorText());
        if (result_.error.empty() && !root)
            Refuse(0, Text(QT_TRANSLATE_NOOP("SatellitesXml", "the file holds no <satellites> element")));
        result_.ok = result_.error.empty();
        if (!result_.ok)
            result_.file = {};
        return std::move(result_);
    }

private:
    int Line() const { return static_cast<int>(xml_.lineNumber()); }

    void Refuse(int line, const std::string& reason) {
        result_.errorLine = line;
        //: %1 is the line number, %2 what is wrong there
        result_.error = line > 0 ? Text(QT_TRANSLATE_NOOP("SatellitesXml", "line %1: %2"),
                                        QString::number(line), Utf8(reason))
                                 : reason;
    }

    std::string ErrorText() const {
        if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            return Text(QT_TRANSLATE_NOOP("SatellitesXml",
                                          "the file ends before its elements are closed (is it cut off?)"));
        //: %1 is the XML reader's own message
        return Text(QT_TRANSLATE_NOOP("SatellitesXml", "not well-formed XML: %1"), xml_.errorString());
    }

    bool ReadRoot() {
        if (xml_.name() != QLatin1String("satellites")) {
            //: %1 is the name of the file's first element
            Refuse(Line(),
                   Text(QT_TRANSLATE_NOOP("SatellitesXml", "the root element is <%1>, not <satellites>"),
                        xml_.name().toString()));
            return false;
        }
        while (result_.error.empty() && xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("sat"))
                ReadSatellite();
            else
                xml_.skipCurrentElement();
        }
        return true;
    }

    void ReadSatellite() {
        FileSatellite satellite;
        satellite.line = Line();
        const QXmlStreamAttributes attributes = xml_.attributes();
        satellite.name = attributes.value(QLatin1String("name")).toString().toStdString();
        const Number position = NumberOf(attributes, QLatin1String("position"));
        std::string problem;
        if (!position.present)
            problem = Text(QT_TRANSLATE_NOOP("SatellitesXml", "the satellite has no position"));
        else if (!position.value)
            problem = Describe("position", position);
        else if (*position.value < -MAX_FILE_POSITION || *position.value > MAX_FILE_POSITION)
            //: %1 is the position in tenths of a degree, east positive
            problem = Text(QT_TRANSLATE_NOOP("SatellitesXml",
                                             "position %1 lies outside -1800 to 1800 (180.0W to 180.0E)"),
                           QString::number(*position.value));
        if (!problem.empty()) {
            result_.file.skipped.push_back({satellite.line, problem});
            xml_.skipCurrentElement();
            return;
        }
        if (static_cast<int>(result_.file.satellites.size()) == MAX_FILE_SATELLITES) {
            //: %1 is the most satellites a file may hold
            Refuse(satellite.line, Text(QT_TRANSLATE_NOOP("SatellitesXml", "more than %1 satellites"),
                                        QString::number(MAX_FILE_SATELLITES)));
            return;
        }
        satellite.position = static_cast<int>(*position.value);
        while (result_.error.empty() && xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("transponder"))
                ReadTransponder(satellite);
            xml_.skipCurrentElement();
        }
        result_.file.satellites.push_back(std::move(satellite));
    }

    void ReadTransponder(FileSatellite& satellite) {
        FileTransponder transponder;
        transponder.line = Line();
        const QXmlStreamAttributes attributes = xml_.attributes();
        const Number frequency = NumberOf(attributes, QLatin1String("frequency"));
        const Number symbolRate = NumberOf(attributes, QLatin1String("symbol_rate"));
        const Number polarization = NumberOf(attributes, QLatin1String("polarization"));
        const Number system = NumberOf(attributes, QLatin1String("system"));
        std::string problem;
        if (!frequency.present || !symbolRate.present || !polarization.present)
            //: frequency, symbol_rate and polarization are the names of XML attributes; keep them
            problem = Text(QT_TRANSLATE_NOOP(
                "SatellitesXml", "the transponder lacks its frequency, symbol_rate or polarization"));
        else if (!frequency.value)
            problem = Describe("frequency", frequency);
        else if (!symbolRate.value)
            problem = Describe("symbol_rate", symbolRate);
        else if (!polarization.value || *polarization.value < 0 || *polarization.value > 3)
            //: %1 is the value of the XML attribute polarization
            problem = Text(QT_TRANSLATE_NOOP("SatellitesXml", "polarization \"%1\" is not 0, 1, 2 or 3"),
                           Utf8(polarization.text.substr(0, 40)));
        else if (system.present && !system.value)
            problem = Describe("system", system);
        else if (*frequency.value <= 0 || *symbolRate.value <= 0)
            //: %1 is the value of the XML attribute frequency
            problem = *frequency.value <= 0
                          ? Text(QT_TRANSLATE_NOOP("SatellitesXml", "frequency %1 is not above 0"),
                                 Utf8(frequency.text))
                          //: %1 is the value of the XML attribute symbol_rate
                          : Text(QT_TRANSLATE_NOOP("SatellitesXml", "symbol_rate %1 is not above 0"),
                                 Utf8(symbolRate.text));
        if (!problem.empty()) {
            satellite.skipped.push_back({transponder.line, problem});
            return;
        }
        if (++transponders_ > MAX_FILE_TRANSPONDERS) {
            //: %1 is the most transponders a file may hold
            Refuse(transponder.line, Text(QT_TRANSLATE_NOOP("SatellitesXml", "more than %1 transponders"),
                                          QString::number(MAX_FILE_TRANSPONDERS)));
            return;
        }
        transponder.frequency = *frequency.value;
        transponder.symbolRate = *symbolRate.value;
        transponder.polarization = static_cast<unsigned>(*polarization.value);
        transponder.dvbS2 = system.present && *system.value != 0;
        satellite.transponders.push_back(transponder);
    }

    QXmlStreamReader xml_;
    SatellitesXmlRead result_;
    int transponders_ = 0;
};

// Latin-1 names may hold control bytes, which XML 1.0 cannot carry.
QString XmlText(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    for (QChar& ch : text)
        if (ch.unicode() < 0x20)
            ch = QLatin1Char(' ');
    return text;
}

SatellitesXmlRead TooLarge() {
    SatellitesXmlRead refused;
    //: %1 is the largest size accepted, in megabytes
    refused.error =
        Text(QT_TRANSLATE_NOOP("SatellitesXml",
                               "the file is larger than %1 MB, far more than any transponder list"),
             QString::number(MAX_SATELLITES_XML_BYTES >> 20));
    return refused;
}

} // namespace

SatellitesXmlRead ReadSatellitesXml(const QByteArray& bytes) {
    if (static_cast<std::size_t>(bytes.size()) > MAX_SATELLITES_XML_BYTES)
        return TooLarge();
    if (bytes.isEmpty()) {
        SatellitesXmlRead refused;
        refused.error = Text(QT_TRANSLATE_NOOP("SatellitesXml", "the file is empty"));
        return refused;
    }
    return Reader(bytes).Run();
}

SatellitesXmlRead ReadSatellitesXmlFile(const std::string& path) {
    SatellitesXmlRead refused;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > MAX_SATELLITES_XML_BYTES)
        return TooLarge();
    const FileReadResult read = ReadFileBytes(path, MAX_SATELLITES_XML_BYTES);
    if (!read.ok) {
        refused.error = read.notRegularFile ? Text(QT_TRANSLATE_NOOP("SatellitesXml", "not a regular file"))
                                            //: %1 is the system's reason
                                            : Text(QT_TRANSLATE_NOOP("SatellitesXml", "cannot be read: %1"),
                                                   Utf8(read.reason));
        return refused;
    }
    return ReadSatellitesXml(QByteArray(reinterpret_cast<const char*>(read.bytes.data()),
                                        static_cast<qsizetype>(read.bytes.size())));
}

QByteArray WriteSatellitesXml(const SatelliteFile& file) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(-1); // one tab per level
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("satellites"));
    for (const FileSatellite& satellite : file.satellites) {
        xml.writeStartElement(QStringLiteral("sat"));
        xml.writeAttribute(QStringLiteral("name"), XmlText(satellite.name));
        xml.writeAttribute(QStringLiteral("flags"), QStringLiteral("1"));
        xml.writeAttribute(QStringLiteral("position"), QString::number(satellite.position));
        for (const FileTransponder& transponder : satellite.transponders) {
            xml.writeEmptyElement(QStringLiteral("transponder"));
            xml.writeAttribute(QStringLiteral("frequency"), QString::number(transponder.frequency));
            xml.writeAttribute(QStringLiteral("symbol_rate"), QString::number(transponder.symbolRate));
            xml.writeAttribute(QStringLiteral("polarization"), QString::number(transponder.polarization));
            xml.writeAttribute(QStringLiteral("fec_inner"), QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("system"),
                               transponder.dvbS2 ? QStringLiteral("1") : QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("modulation"), QStringLiteral("1"));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace vormante
