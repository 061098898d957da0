#include "StepNames.h"

namespace vormante {

namespace steps {

QString FromLatin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString SatelliteLabel(const std::string& name, int position) {
    return FromLatin1(name) + QLatin1Char(' ') + QString::fromStdString(FormatPosition(position));
}

QString SatelliteLabel(const ChannelDatabase& db, int slot) {
    if (!IsSatelliteSlot(slot))
        return {};
    const ConstSatelliteRecord satellite = db.Satellite(slot);
    return SatelliteLabel(satellite.name(), satellite.position());
}

QString TransponderLabel(unsigned frequency, unsigned symbolRate, bool vertical) {
    return QStringLiteral("%1/%2/%3")
        .arg(frequency)
        .arg(symbolRate)
        .arg(vertical ? QLatin1Char('V') : QLatin1Char('H'));
}

QString TransponderLabel(const ChannelDatabase& db, int slot) {
    if (!IsTransponderSlot(slot))
        return {};
    const ConstTransponderRecord transponder = db.Transponder(slot);
    return TransponderLabel(transponder.frequency(), transponder.symbolRate(), transponder.isVertical());
}

QString ChannelLabel(const ChannelDatabase& db, int slot) {
    return IsChannelSlot(slot) ? FromLatin1(db.Channel(slot).name()) : QString();
}

} // namespace steps

} // namespace vormante
