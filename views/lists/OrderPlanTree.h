// The changes of a channel order plan as groups of a tree, for the import and
// the order-like-another-image previews.
#pragma once

#include "model/ChannelOrderPlan.h"

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace vormante {

namespace planview {

// What Count counts.
enum class Noun { Channel, Line, Satellite, Service, Transponder };

// "1 channel", "3 channels", translated.
QString Count(std::size_t count, Noun noun);

// A channel as the previews show it: "Astra 1 19.2E: TV 3 Das Erste".
QString ChannelText(const vormante::ChannelDatabase& db, int satellite, bool tv, int number,
                    const std::string& name);

// "Lock on, Fav 2 off" for the flags that differ between before and after.
QString FlagChangeText(unsigned before, unsigned after);

// The previews' tree of changes ("changesTree"): no header, room for the groups.
QTreeWidget* MakeChangesTree(QWidget* parent);
// The captions of the tree's top-level groups, in order.
QStringList GroupCaptions(const QTreeWidget* tree);

// A top-level group "caption (count)" with one child per text; none when texts is empty.
QTreeWidgetItem* AddGroup(QTreeWidget* tree, const QString& caption, const QStringList& texts);

// Moved, renamed, flags changed, and the channels the source lacks under missingCaption.
void AddOrderPlanGroups(QTreeWidget* tree, const vormante::ChannelDatabase& db,
                        const vormante::ChannelOrderPlan& plan, const QString& missingCaption);

} // namespace planview

} // namespace vormante
