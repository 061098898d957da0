// The cell texts of one row of the all-channels list.
#pragma once

#include "controls/ColumnListModel.h"
#include "views/common/ChannelColumns.h"

#include <QStringList>

namespace vormante {

class ChannelDatabase;

namespace channelrow {

inline constexpr int COLUMN_COUNT = 15;
using channelcolumns::NAME_COLUMN;
using channelcolumns::NO_COLUMN;
inline constexpr int TP_COLUMN = 14;

// The columns of the list ("No" 20 pixels wide, "Channel Name" 80, ...), captions translated.
QList<columnlist::ColumnSpecEntry> ColumnSpec();

// The texts of channel `slot`, shown as row `number` (1-based). The transponder and
// satellite columns stay empty when the channel names no transponder or the
// transponder no satellite slot.
QStringList RowTexts(const vormante::ChannelDatabase& database, int slot, int number);

// A row of empty texts: it names no channel.
QStringList PlaceholderRow();

} // namespace channelrow

} // namespace vormante
