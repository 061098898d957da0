// The commands a channel list offers for its selected rows: delete them, move them
// as a block (to a number, the top, the bottom, one place, a drop point) and set or
// clear a flag on them. The selected shown rows are resolved to channel slots
// before anything changes, each command changes the image as one named step, and
// the selection follows the moved channels. Keys for the commands sit on the list
// (Qt::WidgetWithChildrenShortcut), so two pages' lists never claim the same key.
#pragma once

#include "model/BulkOperations.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vormante {

class ColumnListCtrl;
class ChannelDatabase;
class ListKeeper;

class BulkChannelCommands : public QObject {
    Q_OBJECT

public:
    using Operation = std::function<void(vormante::ChannelDatabase&)>;
    struct Hooks {
        std::function<const vormante::ChannelDatabase*()> database;
        std::function<int(int row)> channelOfRow;        // -1 for a row naming no shown channel
        std::function<std::vector<int>()> shownChannels; // every channel the list may show
        std::function<int()> satellite;                  // the chain the list shows, -1 none
        std::function<bool()> tv;
        // One step of the document; see Document::Apply for the merge key.
        std::function<bool(const QString& name, const Operation& operation, const QString& mergeKey)> change;
    };

    BulkChannelCommands(QWidget* page, vormante::ListKeeper* keeper, Hooks hooks);

    // The channels of the selected shown rows, in row order, each once.
    std::vector<int> SelectedChannels() const;
    bool HasSeveralSelected() const { return SelectedChannels().size() > 1; }

    // Asks once, naming the count, then deletes the selected channels as one step.
    void DeleteSelected();
    void MoveSelectedTo(int target);
    void MoveSelectedToTop();
    void MoveSelectedToBottom();
    void MoveSelectedByOne(bool up);
    // Puts the selected channels before the channel of `row` (after the last for a
    // row past the end), as a drop does.
    void DropSelectedAt(int row);
    void SetFlag(vormante::ChannelFlag flag, bool on);

    // "Keep this order": the channels of the selected rows when several are selected,
    // else of every row, in the order the rows stand (a header click sorts them).
    std::vector<int> ShownOrder() const;
    // Whether the rows stand in another order than the stored one.
    bool CanKeepShownOrder() const;
    // Stores the shown order as the channels' order, in the places they occupy, as one step.
    void KeepShownOrder();
    // Adds "Keep this order" to the menu, grayed while the rows stand in the stored order.
    QAction* AddKeepOrderAction(QMenu* menu);

    // Adds the "Flags" submenu with its keyed actions to the menu.
    QMenu* AddFlagMenu(QMenu* menu);
    // Puts a key on an action and makes it work while the list has the focus.
    void Key(QAction* action, const QKeySequence& key);

    static QString FlagText(vormante::ChannelFlag flag);

private:
    static const char* FlagSource(vormante::ChannelFlag flag);
    QString countLabel(const std::vector<int>& channels) const;
    // Moves the channels as one step named `name`.
    void move(const std::vector<int>& channels, const QString& name,
              const std::function<bool(vormante::ChannelDatabase&, int satellite, bool tv)>& operation,
              const QString& mergeKey = QString());

    QWidget* page_;
    vormante::ListKeeper* keeper_;
    ColumnListCtrl* list_;
    Hooks hooks_;
};

} // namespace vormante
