// How the steps of the edit history name the records they change: "Delete channel
// arte", "Sort a..Z on Astra 1 19.2E", "Edit satellite Hotbird 13.0E". Names in the
// image are Latin-1 bytes; a slot that names no record gives an empty label.
#pragma once

#include "model/ChannelDatabase.h"

#include <QString>

namespace vormante {

namespace steps {

QString FromLatin1(const std::string& bytes);
// "Astra 1 19.2E": the satellite's name and orbital position.
QString SatelliteLabel(const vormante::ChannelDatabase& db, int slot);
QString SatelliteLabel(const std::string& name, int position);
// "11747/27500/V": frequency, symbol rate and polarization.
QString TransponderLabel(const vormante::ChannelDatabase& db, int slot);
QString TransponderLabel(unsigned frequency, unsigned symbolRate, bool vertical);
// The channel's name.
QString ChannelLabel(const vormante::ChannelDatabase& db, int slot);

} // namespace steps

} // namespace vormante
