#include "views/satellites/SatellitePageCommands.h"

#include "controls/ColumnListCtrl.h"
#include "controls/MessageBox.h"
#include "document/StepNames.h"
#include "model/ChannelDatabase.h"
#include "model/EditOperations.h"
#include "model/RecordOperations.h"
#include "model/SystemSettings.h"
#include "views/channels/ChannelCommands.h"
#include "views/common/ListKeeper.h"
#include "views/common/SatellitePageText.h"
#include "views/satellites/LnbDialog.h"
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/TransponderDialog.h"

#include <algorithm>
#include <vector>

namespace vormante {

namespace {
constexpr int NONE = SatellitePage::NONE;
} // namespace

SatellitePageCommands::SatellitePageCommands(SatellitePage& page)
    : page_(page), runDialog_([](QDialog& dialog) { return dialog.exec(); }) {}

void SatellitePageCommands::setDialogRunner(SatellitePage::DialogRunner runner) {
    if (runner)
        runDialog_ = std::move(runner);
    else
        runDialog_ = [](QDialog& dialog) { return dialog.exec(); };
}

void SatellitePageCommands::Run(int id) {
    switch (id) {
    case ADD_SATELLITE:
        AddSatellite();
        break;
    case EDIT_SATELLITE:
        EditSatellite();
        break;
    case DEL_SATELLITE:
        DelSatellite();
        break;
    case ADD_NEW_TRANSPONDER:
        AddNewTransponder();
        break;
    case ADD_TRANSPONDER:
        AddTransponder();
        break;
    case EDIT_TRANSPONDER:
        EditTransponder();
        break;
    case DEL_TRANSPONDER:
        DelTransponder();
        break;
    case ADD_PROGRAM:
        // "Add a Program..." from the transponder menu leaves the focus in the transponder list.
        if (page_.channelCommands()->Add())
            page_.transponderList()->setFocus();
        break;
    case EDIT_LNB:
        EditLnb();
        break;
    case ADD_CHANNEL:
        page_.channelCommands()->Add();
        break;
    case EDIT_CHANNEL:
        page_.channelCommands()->Edit();
        break;
    case DEL_CHANNEL:
        page_.channelCommands()->Delete();
        break;
    default:
        break;
    }
}

int SatellitePageCommands::RunDialog(QDialog& dialog) const {
    return runDialog_(dialog);
}

bool SatellitePageCommands::accepted(QDialog& dialog) {
    return RunDialog(dialog) == QDialog::Accepted;
}

SatellitePageCommands::Current SatellitePageCommands::Resolve(bool needTransponder) const {
    Current current;
    current.satellite = page_.CurrentSatellite();
    if (current.satellite == NONE || !needTransponder)
        return current;
    current.transponder = page_.CurrentTransponder(current.satellite);
    return current;
}

int SatellitePageCommands::StoreEntered(ChannelDatabase& db, SatelliteDialog& dialog) {
    int slot = -1;
    if (dialog.isNew())
        slot = AddSatelliteWith(db, dialog.values());
    else if (StoreSatellite(db, dialog.slot(), dialog.values()))
        slot = dialog.slot();
    dialog.Stored(slot);
    return slot;
}

int SatellitePageCommands::StoreEntered(ChannelDatabase& db, TransponderDialog& dialog) {
    int slot = -1;
    if (dialog.isNew())
        slot = AddTransponderWith(db, dialog.satelliteSlot(), dialog.values());
    else if (StoreTransponder(db, dialog.transponderSlot(), dialog.values()))
        slot = dialog.transponderSlot();
    dialog.Stored(slot);
    return slot;
}

// The dialogs hand over values; the model's operations store them as one step.
void SatellitePageCommands::ApplyTransponder(TransponderDialog& dialog, int satellite) {
    const TransponderValues& values = dialog.values();
    const QString label =
        steps::TransponderLabel(values.frequency, values.symbolRate, values.polarization != 0);
    //: The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate,
    //: polarisation), %2: the satellite.
    const QString name =
        dialog.isNew()
            ? tr("Add transponder %1 on %2").arg(label, steps::SatelliteLabel(*page_.database(), satellite))
            //: The name of an edit step. %1: the transponder.
            : tr("Edit transponder %1").arg(label);
    int slot = -1;
    page_.Change(name, [&](ChannelDatabase& image) { slot = StoreEntered(image, dialog); });
    if (dialog.isNew() && slot < 0)
        MessageBox::information(&page_, tr("Transponder is Full!"));
}

// ---- Satellites ----

void SatellitePageCommands::ApplySatellite(SatelliteDialog& dialog) {
    const QString label = steps::SatelliteLabel(dialog.values().name, dialog.values().position);
    const QString name = dialog.isNew()
                             //: The name of an edit step (Undo/Redo). %1: the satellite's name and position.
                             ? tr("Add satellite %1").arg(label)
                             //: The name of an edit step (Undo/Redo). %1: the satellite's name and position.
                             : tr("Edit satellite %1").arg(label);
    page_.Change(name, [&](ChannelDatabase& image) { StoreEntered(image, dialog); });
}

void SatellitePageCommands::AddSatellite() {
    const ChannelDatabase& db = *page_.database();
    SatelliteDialog dialog(&page_);
    //: Dialog title.
    dialog.PrepareNew(tr("Add Satellite"), db);
    if (!accepted(dialog))
        return;
    if (vormante::UsedSatellites(db).size() >= static_cast<std::size_t>(SATELLITE_SLOTS)) {
        MessageBox::information(&page_, tr("Satellite is full!"));
        return;
    }
    // The new satellite is selected and shown first.
    page_.Expect(SatellitePage::SATELLITES, Placement::Show([&dialog] { return dialog.slot(); }));
    ApplySatellite(dialog);
}

void SatellitePageCommands::EditSatellite() {
    const Current current = Resolve(false);
    if (current.satellite == NONE)
        return;
    SatelliteDialog dialog(&page_);
    //: Dialog title.
    dialog.PrepareEdit(tr("Edit Satellite"), *page_.database(), current.satellite);
    if (!accepted(dialog))
        return;
    ApplySatellite(dialog);
}

void SatellitePageCommands::DelSatellite() {
    const Current current = Resolve(false);
    if (current.satellite == NONE)
        return;
    const ChannelDatabase& db = *page_.database();
    const QString name = steps::FromLatin1(db.Satellite(current.satellite).name());
    //: Title of the question before a satellite is deleted; "Del" is short for Delete.
    const QString title = tr("Del Satellite");
    //: %1: the satellite's name. The tabs are kept for the box's spacing.
    if (!MessageBox::AskYesNo(&page_, title, tr("\t Do you want to del [%1]?\t\t").arg(name)))
        return;
    page_.Expect(SatellitePage::SATELLITES, Placement::KeepTop());
    //: The name of an edit step (Undo/Redo). %1: the satellite's name and position.
    page_.Change(tr("Delete satellite %1").arg(steps::SatelliteLabel(db, current.satellite)),
                 [&](ChannelDatabase& image) { DeleteSatellite(image, current.satellite); });
}

// ---- Transponders ----

// "Add new Transponder..." from the satellite menu leaves the focus in the satellite
// list; "Add Transponder..." from the transponder menu in the transponder list. Both
// make the new transponder, the last row, current and show it.
void SatellitePageCommands::AddNewTransponder() {
    AddTransponder();
    page_.satelliteList()->setFocus();
}

void SatellitePageCommands::AddTransponder() {
    const Current current = Resolve(false);
    if (current.satellite == NONE)
        return;
    TransponderDialog dialog(&page_);
    //: Dialog title.
    dialog.PrepareNew(tr("Add Transponder"), *page_.database(), current.satellite);
    if (!accepted(dialog))
        return;
    Placement last = Placement::Last();
    last.top = Placement::Top::CurrentAtTop;
    page_.Expect(SatellitePage::TRANSPONDERS, last);
    ApplyTransponder(dialog, current.satellite);
}

void SatellitePageCommands::EditTransponder() {
    const Current current = Resolve(true);
    if (current.transponder == NONE)
        return;
    TransponderDialog dialog(&page_);
    //: Dialog title.
    dialog.PrepareEdit(tr("Edit Transponder"), *page_.database(), current.satellite, current.transponder);
    if (!accepted(dialog))
        return;
    ApplyTransponder(dialog, current.satellite);
}

void SatellitePageCommands::DelTransponder() {
    const Current current = Resolve(true);
    if (current.transponder == NONE)
        return;
    const ChannelDatabase& db = *page_.database();
    const ConstTransponderRecord record = db.Transponder(current.transponder);
    //: %1: frequency in MHz, %2: symbol rate, %3: polarisation (V or H); "xpdr" is short for
    //: transponder. The tabs are kept for the box's spacing.
    const QString text = tr("\t Do you want to del xpdr [%1/%2/%3]?\t\t")
                             .arg(record.frequency())
                             .arg(record.symbolRate())
                             .arg(satview::PolarizationText(record.isVertical()));
    // The transponder's channels go with it: the line under the question says how many.
    const int channels = CountChannelsOnTransponder(db, current.transponder, true) +
                         CountChannelsOnTransponder(db, current.transponder, false);
    //: Said of a transponder about to be deleted.
    QString goesWith = tr("It has no channels.");
    if (channels == 1)
        //: Said of a transponder about to be deleted.
        goesWith = tr("Its 1 channel is deleted with it.");
    else if (channels > 1)
        //: Said of a transponder about to be deleted. %1: the number of its channels, 2 or more.
        goesWith = tr("Its %1 channels are deleted with it.").arg(channels);
    //: Title of the question before a transponder is deleted; "Del" is short for Delete.
    const QString title = tr("Del Transponder");
    if (MessageBox::ShowWithDetails(&page_, title, text, goesWith, QString(),
                                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    page_.Expect(SatellitePage::TRANSPONDERS, Placement::KeepTop());
    //: The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate,
    //: polarisation).
    page_.Change(tr("Delete transponder %1").arg(steps::TransponderLabel(db, current.transponder)),
                 [&](ChannelDatabase& image) {
                     DeleteTransponder(image, current.transponder);
                     RenumberChannels(image, current.satellite);
                 });
}

// ---- LNB types ----

void SatellitePageCommands::EditLnb() {
    ColumnListCtrl* lnbs = page_.lnbList();
    const int type = lnbs->RowKey(lnbs->currentRow());
    if (type < 0 || type >= LNB_TYPES)
        return;
    LnbDialog dialog(&page_);
    dialog.Prepare(*page_.database(), type);
    if (!accepted(dialog))
        return;
    // The dialog may have written another type than the row's: every row keeps
    // showing its own type, rewritten in place.
    // The type's name ("Type1") is the receiver's own and stays untranslated.
    //: The name of an edit step (Undo/Redo). %1: the LNB type's name, e.g. Type1.
    page_.Change(tr("Edit LNB %1").arg(QString::fromStdString(texts::LnbTypeName(dialog.typeIndex()))),
                 [&](ChannelDatabase& image) { StoreLnb(image, dialog.typeIndex(), dialog.values()); });
}

// What the channel commands need of the page's channel list: its channels and rows,
// where a new channel goes, and the question a deletion asks.
ChannelCommands::Context SatellitePageCommands::ChannelContext() {
    ChannelCommands::Context context;
    context.list.database = [&page = page_] { return page.database(); };
    context.list.channelOfRow = [&page = page_](int row) {
        const int satellite = page.CurrentSatellite();
        return page.ChannelOfRow(
            satellite, satellite == NONE ? SatellitePage::NONE : page.CurrentTransponder(satellite), row);
    };
    context.list.shownChannels = [&page = page_] {
        const int satellite = page.CurrentSatellite();
        const int transponder = satellite == NONE ? SatellitePage::NONE : page.CurrentTransponder(satellite);
        return transponder == NONE
                   ? std::vector<int>{}
                   : vormante::ListedChannels(*page.database(), satellite, transponder, page.showTv());
    };
    context.list.satellite = [&page = page_] { return page.CurrentSatellite(); };
    context.list.tv = [&page = page_] { return page.showTv(); };
    context.list.change =
        [&page = page_](const QString& name, const BulkChannelCommands::Operation& operation,
                        const QString& mergeKey) { return page.Change(name, operation, mergeKey); };
    context.runDialog = [this](QDialog& dialog) { return RunDialog(dialog); };
    // A new channel goes on the current transponder; the current channel lies on it.
    context.addPlace = [&page = page_] {
        ChannelCommands::Target place;
        place.satellite = page.CurrentSatellite();
        if (place.satellite != NONE)
            place.transponder = page.CurrentTransponder(place.satellite);
        return place;
    };
    context.current = [&page = page_] {
        ChannelCommands::Target current;
        current.satellite = current.chain = page.CurrentSatellite();
        if (current.satellite != NONE)
            current.transponder = page.CurrentTransponder(current.satellite);
        if (current.transponder != NONE)
            current.channel = page.CurrentChannel(current.satellite, current.transponder);
        return current;
    };
    context.showAdded = [&page = page_](bool tv) { page.SetShowTv(tv); };
    //: %1: the channel's name. The tabs are kept for the box's spacing.
    context.deleteQuestion =
        QCoreApplication::translate("SatellitePage", "\t Do you want to del channel [ %1]?\t\t");
    return context;
}

} // namespace vormante
