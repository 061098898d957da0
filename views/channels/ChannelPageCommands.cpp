#include "views/channels/ChannelPageCommands.h"

#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "document/Document.h"
#include "document/StepNames.h"
#include "model/ChannelDatabase.h"
#include "views/channels/BulkChannelCommands.h"
#include "views/channels/ChannelListPage.h"
#include "views/channels/ChannelPageMenu.h"
#include "views/channels/ChannelRowTexts.h"
#include "views/channels/MoveToDialog.h"
#include "views/common/ListKeeper.h"

namespace vormante {

using vormante::ChannelDatabase;
using vormante::SortKind;

bool ChannelPageCommands::HasCurrentChannel() const {
    const int row = page_.channelList_->currentRow();
    return page_.ShownSatellite() >= 0 && row >= 0 && row < page_.channelList_->RowCount() &&
           !page_.channelList_->CellText(row, channelrow::NO_COLUMN).isEmpty();
}

// The current row's channel on the shown satellite's chain; the dialog starts on
// the channel's transponder and that transponder's satellite.
ChannelCommands::Target ChannelPageCommands::CurrentTarget() const {
    ChannelCommands::Target target;
    target.channel = page_.ChannelOfRow(page_.channelList_->currentRow());
    if (target.channel < 0)
        return target;
    const ChannelDatabase& db = *page_.database();
    target.chain = page_.ShownSatellite();
    target.transponder = db.Channel(target.channel).transponder();
    target.satellite = target.chain;
    if (vormante::IsTransponderSlot(target.transponder) &&
        vormante::IsSatelliteSlot(static_cast<int>(db.Transponder(target.transponder).satellite())))
        target.satellite = static_cast<int>(db.Transponder(target.transponder).satellite());
    return target;
}

ChannelCommands::Context ChannelPageCommands::ChannelContext() {
    ChannelCommands::Context context;
    context.list.database = [&page = page_] { return page.database(); };
    context.list.channelOfRow = [&page = page_](int row) { return page.ChannelOfRow(row); };
    context.list.shownChannels = [&page = page_] {
        const int satellite = page.ShownSatellite();
        return satellite < 0 ? std::vector<int>{}
                             : vormante::ChannelsOfKind(*page.database(), satellite, page.showTv_);
    };
    context.list.satellite = [&page = page_] { return page.ShownSatellite(); };
    context.list.tv = [&page = page_] { return page.showTv_; };
    context.list.change =
        [&page = page_](const QString& name, const BulkChannelCommands::Operation& operation,
                        const QString& mergeKey) { return page.Change(name, operation, mergeKey); };
    context.runDialog = [&page = page_](QDialog& dialog) { return page.dialogRunner_(dialog); };
    context.addPlace = [&page = page_] {
        if (!page.document_ || !page.document_->isOpen())
            return ChannelCommands::Target{};
        const ChannelCommands::Target fromRow = ChannelCommands::PlaceOfChannel(
            *page.database(), page.ChannelOfRow(page.channelList_->currentRow()));
        return fromRow.transponder >= 0 ? fromRow : ChannelCommands::PlaceOnFirstSatellite(*page.database());
    };
    context.current = [this] { return CurrentTarget(); };
    // The page shows the new channel's kind and satellite (the user may have stored it
    // on another one).
    context.showAdded = [&page = page_](bool tv) {
        page.SetShowTv(tv);
        page.showCurrentSatellite_ = true;
    };
    context.placeSelectable = true;
    //: %1 is the channel's name; keep the tabs.
    context.deleteQuestion =
        QCoreApplication::translate("ChannelListPage", "\t Do you want to del channel [%1]?\t\t");
    return context;
}

void ChannelPageCommands::Sort(SortKind kind) {
    if (!HasCurrentChannel())
        return;
    const int satellite = page_.ShownSatellite();
    const int row = page_.channelList_->currentRow();
    // The channel shown in the current row, even when the rows were reordered by a header click.
    const int channel = page_.ChannelOfRow(row);
    const QString sortName = channelmenu::SortName(kind);
    // The same channel stays current, at its new place.
    page_.keeper_->Plan(vormante::Placement::Show([channel] { return channel; }));
    //: The name of an edit step: %1 is the sort (a..Z, Freq up...), %2 the satellite.
    page_.Change(QCoreApplication::translate("ChannelListPage", "Sort %1 on %2")
                     .arg(sortName, steps::SatelliteLabel(*page_.database(), satellite)),
                 [&](ChannelDatabase& db) { vormante::SortChannels(db, satellite, kind); });
}

void ChannelPageCommands::Move() {
    if (!HasCurrentChannel())
        return;
    MoveToDialog dialog(&page_);
    page_.dialogRunner_(dialog); // a cancelled dialog leaves the target at 0, which is refused below
    MoveCurrentTo(dialog.targetPosition());
}

void ChannelPageCommands::MoveCurrentTo(int target) {
    if (!HasCurrentChannel())
        return;
    const int satellite = page_.ShownSatellite();
    const int row = page_.channelList_->currentRow();
    if (target < 1 || target > page_.channelList_->RowCount()) {
        MessageBox::information(&page_, QCoreApplication::translate("ChannelListPage", "Error Input!"));
        return;
    }
    if (page_.bulk_->HasSeveralSelected()) {
        page_.bulk_->MoveSelectedTo(target);
        return;
    }
    const int channel = page_.ChannelOfRow(row);
    const int number = vormante::ChannelOrdinal(*page_.database(), satellite, -1, page_.showTv_, channel);
    if (channel < 0 || number < 1)
        return;
    // The moved channel is current, at its new place.
    page_.keeper_->Plan(vormante::Placement::Show([channel] { return channel; }));
    page_.Change(
        //: The name of an edit step: %1 is the channel's name, %2 its new number.
        QCoreApplication::translate("ChannelListPage", "Move %1 to %2")
            .arg(steps::ChannelLabel(*page_.database(), channel), QString::number(target)),
        [&](ChannelDatabase& db) {
            vormante::MoveChannelToNumber(db, satellite, number, target, page_.showTv_);
        });
}

} // namespace vormante
