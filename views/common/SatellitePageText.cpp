#include "views/common/SatellitePageText.h"

#include "document/StepNames.h"

#include <QComboBox>
#include <QCoreApplication>

#include <climits>

namespace vormante {

namespace satview {

int ReadNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r' ||
                     text[i] == u'\v' || text[i] == u'\f'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

std::string ToBytes(const QString& text) {
    const QByteArray latin = text.toLatin1();
    return std::string(latin.constData(), static_cast<std::size_t>(latin.size()));
}

int ChosenIndex(const QComboBox& combo) {
    if (!combo.isEditable())
        return combo.currentIndex();
    return combo.findText(combo.currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

QStringList SatelliteCells(const ChannelDatabase& db, int slot) {
    const ConstSatelliteRecord record = db.Satellite(slot);
    return {steps::FromLatin1(record.name()), QString::fromStdString(FormatPosition(record.position())),
            QString::fromStdString(texts::SatelliteLnbTypeName(static_cast<int>(record.lnbType())))};
}

QStringList TransponderCells(const ChannelDatabase& db, int slot) {
    const ConstTransponderRecord record = db.Transponder(slot);
    return {QString::number(record.frequency()), PolarizationText(record.isVertical()),
            QString::number(record.symbolRate()), QString::number(slot)};
}

QStringList LnbCells(const ChannelDatabase& db, int type) {
    const ConstSystemSettingsBlock settings = db.Settings();
    const ConstLnbSlot slot = settings.lnbSlot(type);
    const LnbFrequencies frequencies = LnbFrequenciesOf(settings, type);
    auto mhz = [](const std::optional<unsigned>& value) {
        return value ? QString::number(*value) : QString();
    };
    return {QString::fromStdString(texts::LnbTypeName(type)), mhz(frequencies.lowMHz),
            mhz(frequencies.highMHz), QString::fromLatin1(texts::At(texts::DISEQC, slot.diseqcItem())),
            QString::fromLatin1(texts::At(texts::TONE22K, slot.tone22k())),
            QString::fromLatin1(texts::At(texts::TONE22K, slot.switch12V())),
            // The receiver's own words, like the 22K column's: not translated.
            slot.lnbPower() ? QStringLiteral("ON") : QStringLiteral("OFF")};
}

QStringList ChannelCells(const ChannelDatabase& db, int slot) {
    const ConstChannelRecord record = db.Channel(slot);
    const QString yes =
        //: A channel's flag (lock, scrambled, favourites) is set: short for Yes.
        QCoreApplication::translate("SatellitePageText", "Y");
    const QString no =
        //: A channel's flag (lock, scrambled, favourites) is not set: short for No.
        QCoreApplication::translate("SatellitePageText", "N");
    auto yesNo = [&](bool on) { return on ? yes : no; };
    return {steps::FromLatin1(record.name()),
            QString::number(record.videoPid()),
            QString::number(record.audioPid()),
            QString::number(record.pcrPid()),
            QString::number(record.teletextPid()),
            yesNo(record.locked()),
            yesNo(record.scrambled()),
            yesNo(record.fav1()),
            yesNo(record.fav2()),
            yesNo(record.fav3()),
            yesNo(record.fav4()),
            QString::number(record.channelNumber())};
}

QString PolarizationText(bool vertical) {
    if (vertical)
        //: Vertical polarisation, one letter.
        return QCoreApplication::translate("SatellitePageText", "V");
    //: Horizontal polarisation, one letter.
    return QCoreApplication::translate("SatellitePageText", "H");
}

QString TransponderChoiceText(const ChannelDatabase& db, int slot) {
    const ConstTransponderRecord record = db.Transponder(slot);
    return QStringLiteral("%1 %2 %3")
        .arg(record.frequency())
        .arg(record.symbolRate())
        .arg(PolarizationText(record.isVertical()));
}

} // namespace satview

} // namespace vormante
