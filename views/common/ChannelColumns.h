// The column layout both channel lists share (the satellite page's channel list and
// the all-channels list), in one place for the lists, their rows and the filter.
#pragma once

namespace vormante {

namespace channelcolumns {

inline constexpr int NO_COLUMN = 0;
inline constexpr int NAME_COLUMN = 1;
inline constexpr int FIRST_PID_COLUMN = 2; // video, audio, PCR, teletext
inline constexpr int LAST_PID_COLUMN = 5;
inline constexpr int CH_NO_COLUMN = 12;

} // namespace channelcolumns

} // namespace vormante
