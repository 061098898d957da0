#include "views/channels/ChannelCommands.h"

#include "controls/MessageBox.h"
#include "document/StepNames.h"
#include "model/ChannelDatabase.h"
#include "model/EditOperations.h"
#include "model/RecordOperations.h"
#include "views/channels/ChannelDialog.h"
#include "views/channels/MultiChannelEdit.h"
#include "views/common/ListKeeper.h"

#include <QDialog>

namespace vormante {

using vormante::ChannelDatabase;
using vormante::Placement;

ChannelCommands::ChannelCommands(QWidget* page, vormante::ListKeeper* keeper, Context context)
    : QObject(page), page_(page), keeper_(keeper), context_(std::move(context)),
      bulk_(new BulkChannelCommands(page, keeper, context_.list)) {}

ChannelCommands::Target ChannelCommands::PlaceOfChannel(const ChannelDatabase& db, int channel) {
    Target place;
    if (channel < 0)
        return place;
    const int transponder = db.Channel(channel).transponder();
    if (!vormante::IsTransponderSlot(transponder))
        return place;
    const int satellite = static_cast<int>(db.Transponder(transponder).satellite());
    if (!vormante::IsSatelliteSlot(satellite))
        return place;
    place.transponder = transponder;
    place.satellite = satellite;
    return place;
}

ChannelCommands::Target ChannelCommands::PlaceOnFirstSatellite(const ChannelDatabase& db) {
    Target place;
    int satellite = 0;
    while (satellite < vormante::SATELLITE_SLOTS && !db.Satellite(satellite).isUsed())
        ++satellite;
    if (satellite == vormante::SATELLITE_SLOTS)
        return place;
    const std::vector<int> transponders = vormante::ListedTransponders(db, satellite);
    if (!transponders.empty()) {
        place.satellite = satellite;
        place.transponder = transponders.front();
    }
    return place;
}

bool ChannelCommands::accepted(QDialog& dialog) const {
    return context_.runDialog(dialog) == QDialog::Accepted;
}

int ChannelCommands::StoreEntered(ChannelDatabase& db, ChannelDialog& dialog) {
    int slot = -1;
    if (dialog.isNew())
        slot =
            vormante::AddChannelWith(db, dialog.transponderSlot(), dialog.satelliteSlot(), dialog.values());
    else if (vormante::StoreChannel(db, dialog.channelSlot(), dialog.transponderSlot(),
                                    dialog.satelliteSlot(), dialog.values()))
        slot = dialog.channelSlot();
    dialog.Stored(slot);
    return slot;
}

bool ChannelCommands::Add() {
    const Target place = context_.addPlace();
    if (place.transponder < 0)
        return false;
    const ChannelDatabase& db = *context_.list.database();
    ChannelDialog dialog(page_);
    dialog.PrepareNew(tr("Add Channel"), db, place.transponder, place.satellite, context_.placeSelectable);
    if (!accepted(dialog))
        return false;
    // The list shows the kind of the new channel (radio when none could be stored),
    // the new channel, the last row, current.
    context_.showAdded(dialog.isTv() && vormante::FindFreeChannelSlot(db) >= 0);
    keeper_->Plan(Placement::Last());
    int added = -1;
    context_.list.change(
        //: The name of an edit step: %1 is the channel's name.
        tr("Add channel %1").arg(steps::FromLatin1(dialog.values().name)),
        [&](ChannelDatabase& image) { added = StoreEntered(image, dialog); }, QString());
    if (added < 0)
        MessageBox::information(page_, tr("Prog is Full!"));
    return true;
}

void ChannelCommands::Edit() {
    if (const std::vector<int> several = bulk_->SelectedChannels(); several.size() > 1) {
        EditSeveral(several);
        return;
    }
    const Target current = context_.current();
    if (current.channel < 0)
        return;
    ChannelDialog dialog(page_);
    dialog.PrepareEdit(tr("Edit Channel"), *context_.list.database(), current.transponder, current.satellite,
                       current.channel, false);
    if (!accepted(dialog))
        return;
    // The row is rewritten in place; a channel that turned from TV to radio or back
    // leaves the list of its old kind.
    context_.list.change(
        //: The name of an edit step: %1 is the channel's name.
        tr("Edit channel %1").arg(steps::FromLatin1(dialog.values().name)),
        [&](ChannelDatabase& image) { StoreEntered(image, dialog); }, QString());
}

void ChannelCommands::EditSeveral(const std::vector<int>& channels) {
    ChannelDialog dialog(page_);
    const MultiChannelEdit several(dialog, *context_.list.database(), channels);
    if (!accepted(dialog))
        return;
    const vormante::ChannelFieldEdits edits = several.Edits();
    bool stored = false;
    keeper_->Plan(Placement::Select(channels));
    context_.list.change(
        several.StepName(),
        [&](ChannelDatabase& image) { stored = vormante::EditChannels(image, channels, edits); }, QString());
    if (!stored)
        MessageBox::information(page_, tr("The channels have changed; nothing was stored."));
}

void ChannelCommands::Delete() {
    if (bulk_->HasSeveralSelected()) {
        bulk_->DeleteSelected();
        return;
    }
    const Target current = context_.current();
    if (current.channel < 0)
        return;
    const QString name = steps::FromLatin1(context_.list.database()->Channel(current.channel).name());
    //: The title of the question before a channel is deleted.
    if (!MessageBox::AskYesNo(page_, tr("Del Channel"), context_.deleteQuestion.arg(name)))
        return;
    keeper_->Plan(Placement::KeepTop());
    context_.list.change(
        //: The name of an edit step: %1 is the channel's name.
        tr("Delete channel %1").arg(name),
        [&](ChannelDatabase& image) {
            vormante::DeleteChannel(image, current.channel, current.chain);
            vormante::RenumberChannels(image, current.chain);
        },
        QString());
}

} // namespace vormante
