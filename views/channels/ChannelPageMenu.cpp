#include "views/channels/ChannelPageMenu.h"

#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelListPage.h"
#include "views/common/CommandGuard.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

namespace vormante {

using vormante::SortKind;

namespace {

struct SortEntry {
    const char* text;
    SortKind kind;
    const char* objectName;
};

// Translated where shown: in the Sort menu and in the name of the sort step.
const SortEntry K_SORT_ENTRIES[] = {
    //: Sort by name, A to Z.
    {QT_TRANSLATE_NOOP("ChannelListPage", "a..Z"), SortKind::NameUp, "sortNameUpAction"},
    //: Sort by name, Z to A.
    {QT_TRANSLATE_NOOP("ChannelListPage", "Z..a"), SortKind::NameDown, "sortNameDownAction"},
    //: Sort the scrambled (encrypted) channels first.
    {QT_TRANSLATE_NOOP("ChannelListPage", "Scr up"), SortKind::ScrambledFirst, "sortScrambledFirstAction"},
    //: Sort the scrambled (encrypted) channels last.
    {QT_TRANSLATE_NOOP("ChannelListPage", "Scr down"), SortKind::ScrambledLast, "sortScrambledLastAction"},
    //: Sort by frequency, lowest first.
    {QT_TRANSLATE_NOOP("ChannelListPage", "Freq up"), SortKind::FrequencyUp, "sortFrequencyUpAction"},
    //: Sort by frequency, highest first.
    {QT_TRANSLATE_NOOP("ChannelListPage", "Freq down"), SortKind::FrequencyDown, "sortFrequencyDownAction"},
};

// The page's own translation context, so the texts keep their translations.
QString PageText(const char* text) {
    return QCoreApplication::translate("ChannelListPage", text);
}

QAction* AddAction(QMenu* menu, const QString& text, const char* name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

// An item that runs `command` on the page, guarded, with `key` shown beside it.
template <typename Command>
QAction* AddCommand(QMenu* menu, BulkChannelCommands* bulk, ChannelListPage* page, const QString& text,
                    const char* name, const QKeySequence& key, Command command) {
    QAction* action = AddAction(menu, text, name);
    if (!key.isEmpty())
        bulk->Key(action, key);
    QObject::connect(action, &QAction::triggered, page,
                     [page, command] { RunGuarded(page, [page, command] { command(page); }); });
    return action;
}

void AddSortMenu(QMenu* menu, ChannelListPage* page) {
    //: A submenu: the ways to sort the channels.
    QMenu* sortMenu = menu->addMenu(QCoreApplication::translate("ChannelListPage", "Sort"));
    sortMenu->setObjectName(QStringLiteral("sortMenu"));
    for (const SortEntry& entry : K_SORT_ENTRIES) {
        const SortKind kind = entry.kind;
        QObject::connect(AddAction(sortMenu, PageText(entry.text), entry.objectName), &QAction::triggered,
                         page, [page, kind] { RunGuarded(page, [page, kind] { page->SortCommand(kind); }); });
    }
}

void AddMoveItems(QMenu* menu, BulkChannelCommands* bulk, ChannelListPage* page) {
    //: A menu item (a verb): move the channel to a number typed in.
    AddCommand(menu, bulk, page, QCoreApplication::translate("ChannelListPage", "Move"), "moveAction",
               QKeySequence(), [](ChannelListPage* p) { p->MoveCommand(); });
    AddCommand(menu, bulk, page, QCoreApplication::translate("ChannelListPage", "Move to top"),
               "moveToTopAction", QKeySequence(Qt::CTRL | Qt::Key_Home),
               [](ChannelListPage* p) { p->MoveToTopCommand(); });
    AddCommand(menu, bulk, page, QCoreApplication::translate("ChannelListPage", "Move to bottom"),
               "moveToBottomAction", QKeySequence(Qt::CTRL | Qt::Key_End),
               [](ChannelListPage* p) { p->MoveToBottomCommand(); });
    AddCommand(menu, bulk, page, QCoreApplication::translate("ChannelListPage", "Move up"), "moveUpAction",
               QKeySequence(Qt::CTRL | Qt::Key_Up), [](ChannelListPage* p) { p->MoveByOneCommand(true); });
    AddCommand(menu, bulk, page, QCoreApplication::translate("ChannelListPage", "Move down"),
               "moveDownAction", QKeySequence(Qt::CTRL | Qt::Key_Down),
               [](ChannelListPage* p) { p->MoveByOneCommand(false); });
}

} // namespace

namespace channelmenu {

QMenu* Build(ChannelListPage* page, BulkChannelCommands* bulk) {
    auto* menu = new QMenu(QStringLiteral("CH"), page);
    menu->setObjectName(QStringLiteral("channelContextMenu"));
    AddCommand(menu, bulk, page, QCoreApplication::translate("ChannelListPage", "Add Channel..."),
               "addChannelAction", QKeySequence(Qt::Key_Insert),
               [](ChannelListPage* p) { p->AddChannelCommand(); });
    QAction* edit =
        AddCommand(menu, bulk, page, QCoreApplication::translate("ChannelListPage", "Edit Channel..."),
                   "editChannelAction", QKeySequence(Qt::Key_Return),
                   [](ChannelListPage* p) { p->EditChannelCommand(); });
    edit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_F2)});
    //: Delete the channel (a menu item).
    AddCommand(menu, bulk, page, QCoreApplication::translate("ChannelListPage", "Del Channel"),
               "deleteChannelAction", QKeySequence(QKeySequence::Delete),
               [](ChannelListPage* p) { p->DeleteChannelCommand(); });
    AddSortMenu(menu, page);
    bulk->AddKeepOrderAction(menu);
    AddMoveItems(menu, bulk, page);
    bulk->AddFlagMenu(menu);
    return menu;
}

QString SortName(SortKind kind) {
    for (const SortEntry& entry : K_SORT_ENTRIES)
        if (entry.kind == kind)
            return PageText(entry.text);
    return QString();
}

} // namespace channelmenu

} // namespace vormante
