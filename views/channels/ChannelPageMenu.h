// The "CH" context menu of the all-channels page: its commands with their keys and
// the Sort submenu. Its texts keep the page's translation context.
#pragma once

#include "model/RecordOperations.h"

#include <QString>

class QMenu;

namespace vormante {

class BulkChannelCommands;
class ChannelListPage;

namespace channelmenu {

// Builds the menu on `page`; every item runs its page command guarded.
QMenu* Build(ChannelListPage* page, BulkChannelCommands* bulk);
// The shown name of a sort, as in the Sort submenu ("a..Z", "Freq up"...).
QString SortName(vormante::SortKind kind);

} // namespace channelmenu

} // namespace vormante
