#include "views/channels/BulkChannelCommands.h"

#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "document/StepNames.h"
#include "model/ChannelDatabase.h"
#include "model/Duplicates.h"
#include "model/NamesOrder.h"
#include "views/common/CommandGuard.h"
#include "views/common/ListKeeper.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QSet>

namespace vormante {

using vormante::ChannelDatabase;
using vormante::ChannelFlag;

BulkChannelCommands::BulkChannelCommands(QWidget* page, vormante::ListKeeper* keeper, Hooks hooks)
    : QObject(page), page_(page), keeper_(keeper), list_(keeper->list()), hooks_(std::move(hooks)) {}

std::vector<int> BulkChannelCommands::SelectedChannels() const {
    // One pass over the shown channels checks every row key, however many are selected.
    const std::vector<int> shown = hooks_.shownChannels();
    const QSet<int> valid(shown.begin(), shown.end());
    std::vector<int> channels;
    QSet<int> seen;
    for (const int row : list_->SelectedRows()) {
        if (!list_->IsRowShown(row))
            continue;
        const int channel = list_->RowKey(row);
        if (channel >= 0 && valid.contains(channel) && !seen.contains(channel)) {
            seen.insert(channel);
            channels.push_back(channel);
        }
    }
    return channels;
}

QString BulkChannelCommands::countLabel(const std::vector<int>& channels) const {
    if (channels.size() == 1)
        return steps::ChannelLabel(*hooks_.database(), channels.front());
    const int count = static_cast<int>(channels.size());
    //: A number of channels in the name of an edit step, for example "Move 3 channels to top".
    return count == 1 ? tr("%n channel", nullptr, count) : tr("%n channels", nullptr, count);
}

void BulkChannelCommands::DeleteSelected() {
    const std::vector<int> channels = SelectedChannels();
    if (channels.empty())
        return;
    const int count = static_cast<int>(channels.size());
    //: The title of the question before channels are deleted.
    if (!MessageBox::AskYesNo(page_, tr("Del Channel"), tr("Delete %n channels?", nullptr, count)))
        return;
    bool deleted = false;
    keeper_->Plan(vormante::Placement::KeepTop());
    hooks_.change(
        tr("Delete %n channels", nullptr, count),
        [&](ChannelDatabase& db) { deleted = vormante::DeleteChannels(db, channels); }, QString());
    if (!deleted)
        MessageBox::information(page_, tr("The channels have changed; nothing was deleted."));
}

void BulkChannelCommands::move(const std::vector<int>& channels, const QString& name,
                               const std::function<bool(ChannelDatabase&, int, bool)>& operation,
                               const QString& mergeKey) {
    const int satellite = hooks_.satellite();
    if (channels.empty() || satellite < 0)
        return;
    const bool tv = hooks_.tv();
    // The moved channels stay selected, the first of them current and in view.
    keeper_->Plan(vormante::Placement::Select(channels));
    hooks_.change(
        name, [&](ChannelDatabase& db) { operation(db, satellite, tv); }, mergeKey);
}

void BulkChannelCommands::MoveSelectedTo(int target) {
    const std::vector<int> channels = SelectedChannels();
    //: The name of an edit step: %1 is a channel's name or a number of channels, %2 the new
    //: channel number.
    const QString name = tr("Move %1 to %2").arg(countLabel(channels), QString::number(target));
    move(channels, name, [&](ChannelDatabase& db, int satellite, bool tv) {
        return vormante::MoveChannelsToNumber(db, satellite, channels, target, tv);
    });
}

void BulkChannelCommands::MoveSelectedToTop() {
    const std::vector<int> channels = SelectedChannels();
    //: The name of an edit step: %1 is a channel's name or a number of channels.
    move(channels, tr("Move %1 to top").arg(countLabel(channels)),
         [&](ChannelDatabase& db, int satellite, bool tv) {
             return vormante::MoveChannelsToTop(db, satellite, channels, tv);
         });
}

void BulkChannelCommands::MoveSelectedToBottom() {
    const std::vector<int> channels = SelectedChannels();
    //: The name of an edit step: %1 is a channel's name or a number of channels.
    move(channels, tr("Move %1 to bottom").arg(countLabel(channels)),
         [&](ChannelDatabase& db, int satellite, bool tv) {
             return vormante::MoveChannelsToBottom(db, satellite, channels, tv);
         });
}

void BulkChannelCommands::MoveSelectedByOne(bool up) {
    const std::vector<int> channels = SelectedChannels();
    const int satellite = hooks_.satellite();
    if (channels.empty() || satellite < 0)
        return;
    // Nothing to do when the block already stands at that end: no empty step.
    const std::vector<int> kind = vormante::ChannelsOfKind(*hooks_.database(), satellite, hooks_.tv());
    const QSet<int> chosen(channels.begin(), channels.end());
    std::size_t edge = 0;
    if (up)
        while (edge < kind.size() && chosen.contains(kind[edge]))
            ++edge;
    else
        while (edge < kind.size() && chosen.contains(kind[kind.size() - 1 - edge]))
            ++edge;
    if (edge >= static_cast<std::size_t>(chosen.size()))
        return;
    // Moving the same rows the same way again joins the step before: one undo takes
    // the whole run back.
    QString key = QStringLiteral("move one place %1 on %2 %3:")
                      .arg(up ? QStringLiteral("up") : QStringLiteral("down"))
                      .arg(satellite)
                      .arg(hooks_.tv() ? QStringLiteral("tv") : QStringLiteral("radio"));
    for (const int channel : channels)
        key += QLatin1Char(' ') + QString::number(channel);
    move(
        channels,
        //: The name of an edit step: %1 is a channel's name or a number of channels.
        up ? tr("Move %1 to one place up").arg(countLabel(channels))
           //: The name of an edit step: %1 is a channel's name or a number of channels.
           : tr("Move %1 to one place down").arg(countLabel(channels)),
        [&](ChannelDatabase& db, int s, bool tv) {
            return vormante::MoveChannelsByOne(db, s, channels, tv, up);
        },
        key);
}

void BulkChannelCommands::DropSelectedAt(int row) {
    const std::vector<int> channels = SelectedChannels();
    if (channels.empty() || row < 0)
        return;
    // The anchor is resolved now, before anything changes; a row past the end or the
    // placeholder means after the last channel.
    const int anchor = row < list_->RowCount() ? hooks_.channelOfRow(row) : -1;
    if (row < list_->RowCount() && anchor < 0 && list_->RowKey(row) >= 0)
        return; // a stale row: refuse rather than guess
    //: The name of an edit step: %1 is a channel's name or a number of channels, %2 the name
    //: of the channel they now stand before.
    const QString name = anchor >= 0
                             ? tr("Move %1 to before %2")
                                   .arg(countLabel(channels), steps::ChannelLabel(*hooks_.database(), anchor))
                             : tr("Move %1 to bottom").arg(countLabel(channels));
    move(channels, name, [&](ChannelDatabase& db, int satellite, bool tv) {
        return vormante::DropChannelsBefore(db, satellite, channels, anchor, tv);
    });
}

// The flag's English name: the source of its shown text and of its actions' object names.
const char* BulkChannelCommands::FlagSource(ChannelFlag flag) {
    switch (flag) {
    case ChannelFlag::Lock:
        //: The channel flag that locks a channel behind the receiver's PIN.
        return QT_TR_NOOP("Lock");
    case ChannelFlag::Fav1:
        //: Favourite list 1 (a channel flag).
        return QT_TR_NOOP("Fav 1");
    case ChannelFlag::Fav2:
        //: Favourite list 2 (a channel flag).
        return QT_TR_NOOP("Fav 2");
    case ChannelFlag::Fav3:
        //: Favourite list 3 (a channel flag).
        return QT_TR_NOOP("Fav 3");
    case ChannelFlag::Fav4:
        //: Favourite list 4 (a channel flag).
        return QT_TR_NOOP("Fav 4");
    }
    return "";
}

QString BulkChannelCommands::FlagText(ChannelFlag flag) {
    return tr(FlagSource(flag));
}

void BulkChannelCommands::SetFlag(ChannelFlag flag, bool on) {
    const std::vector<int> channels = SelectedChannels();
    if (channels.empty())
        return;
    //: The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel's name or a number
    //: of channels.
    const QString name = on ? tr("Set %1 on %2").arg(FlagText(flag), countLabel(channels))
                            //: The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel's
                            //: name or a number of channels.
                            : tr("Clear %1 on %2").arg(FlagText(flag), countLabel(channels));
    // The rows are rewritten in place: the selection, the current row and the place stay.
    hooks_.change(
        name, [&](ChannelDatabase& db) { vormante::SetChannelsFlag(db, channels, flag, on); }, QString());
}

void BulkChannelCommands::Key(QAction* action, const QKeySequence& key) {
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setShortcutVisibleInContextMenu(true);
    list_->addAction(action);
}

QMenu* BulkChannelCommands::AddFlagMenu(QMenu* menu) {
    //: The submenu that sets and clears the lock and favourite flags.
    QMenu* flags = menu->addMenu(tr("Flags"));
    flags->setObjectName(QStringLiteral("flagsMenu"));
    static constexpr ChannelFlag ALL[] = {ChannelFlag::Lock, ChannelFlag::Fav1, ChannelFlag::Fav2,
                                          ChannelFlag::Fav3, ChannelFlag::Fav4};
    // Ctrl+L and Ctrl+1..4 set, the same with Alt clear.
    static constexpr Qt::Key KEYS[] = {Qt::Key_L, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int on = 1; on >= 0; --on) {
        for (int i = 0; i < 5; ++i) {
            const ChannelFlag flag = ALL[i];
            //: A menu item: %1 is a flag (Lock, Fav 1...).
            QAction* action = flags->addAction(on ? tr("Set %1").arg(FlagText(flag))
                                                  //: A menu item: %1 is a flag (Lock, Fav 1...).
                                                  : tr("Clear %1").arg(FlagText(flag)));
            // "setFav1Action": from the English name, the same in every language.
            action->setObjectName((on ? QStringLiteral("set") : QStringLiteral("clear")) +
                                  QString::fromLatin1(FlagSource(flag)).remove(QLatin1Char(' ')) +
                                  QStringLiteral("Action"));
            Key(action, QKeySequence(on ? (Qt::CTRL | KEYS[i]) : (Qt::CTRL | Qt::ALT | KEYS[i])));
            connect(action, &QAction::triggered, page_,
                    [this, flag, on] { RunGuarded(page_, [this, flag, on] { SetFlag(flag, on != 0); }); });
        }
        if (on)
            flags->addSeparator();
    }
    return flags;
}

std::vector<int> BulkChannelCommands::ShownOrder() const {
    if (std::vector<int> selected = SelectedChannels(); selected.size() > 1)
        return selected;
    // Every row, hidden ones too: a header click sorts them all.
    const std::vector<int> shown = hooks_.shownChannels();
    const QSet<int> valid(shown.begin(), shown.end());
    std::vector<int> channels;
    for (int row = 0; row < list_->RowCount(); ++row)
        if (const int channel = list_->RowKey(row); valid.contains(channel))
            channels.push_back(channel);
    return channels;
}

bool BulkChannelCommands::CanKeepShownOrder() const {
    const ChannelDatabase* db = hooks_.database();
    const int satellite = hooks_.satellite();
    return db != nullptr && db->loaded() && satellite >= 0 &&
           vormante::ShownOrderDiffers(*db, satellite, hooks_.tv(), ShownOrder());
}

void BulkChannelCommands::KeepShownOrder() {
    if (!CanKeepShownOrder())
        return;
    const std::vector<int> channels = ShownOrder();
    const int satellite = hooks_.satellite();
    const bool tv = hooks_.tv();
    // The rows come back in the order kept, the selected channels still selected.
    const std::vector<int> selected = SelectedChannels();
    keeper_->Plan(selected.empty() ? vormante::Placement::KeepTop() : vormante::Placement::Select(selected));
    bool kept = false;
    hooks_.change(
        tr("Keep the shown order"),
        [&](ChannelDatabase& db) { kept = vormante::KeepShownOrder(db, satellite, tv, channels); },
        QString());
    if (!kept)
        MessageBox::information(page_, tr("The channels have changed; the order was not kept."));
}

QAction* BulkChannelCommands::AddKeepOrderAction(QMenu* menu) {
    QAction* keep = menu->addAction(tr("Keep this order"));
    keep->setObjectName(QStringLiteral("keepOrderAction"));
    connect(keep, &QAction::triggered, page_, [this] { RunGuarded(page_, [this] { KeepShownOrder(); }); });
    connect(menu, &QMenu::aboutToShow, keep, [this, keep] { keep->setEnabled(CanKeepShownOrder()); });
    return keep;
}

} // namespace vormante
