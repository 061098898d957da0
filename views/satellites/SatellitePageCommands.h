// The twelve commands of the satellite page's context menus and double clicks; the
// channel list's Add, Edit and Delete are the ChannelCommands every channel list
// shares. Each resolves the page's current rows to records, checks its preconditions (a
// failed one does nothing and says nothing), opens an edit dialog or asks before a
// deletion, changes the image through the document as one named step and brings
// the page's lists up to date.
#pragma once

#include "views/channels/ChannelCommands.h"
#include "views/satellites/SatellitePage.h"

#include <QCoreApplication>

namespace vormante {

class SatelliteDialog;
class TransponderDialog;
class ChannelDatabase;

class SatellitePageCommands {
    Q_DECLARE_TR_FUNCTIONS(SatellitePageCommands)

public:
    enum Id {
        EDIT_SATELLITE = 32791,
        DEL_SATELLITE = 32792,
        ADD_NEW_TRANSPONDER = 32793,
        ADD_SATELLITE = 32796,
        ADD_TRANSPONDER = 32797,
        EDIT_TRANSPONDER = 32798,
        DEL_TRANSPONDER = 32799,
        ADD_PROGRAM = 32800,
        EDIT_LNB = 32801,
        ADD_CHANNEL = 32802,
        EDIT_CHANNEL = 32803,
        DEL_CHANNEL = 32804,
    };

    explicit SatellitePageCommands(SatellitePage& page);

    void Run(int id);
    void setDialogRunner(SatellitePage::DialogRunner runner);
    // Store what a dialog handed back with the model's operation (adding the record
    // or writing the edited one) and tell the dialog. The record's slot, or -1 (a
    // satellite: TABLE_FULL) when it could not be stored.
    static int StoreEntered(vormante::ChannelDatabase& db, SatelliteDialog& dialog);
    static int StoreEntered(vormante::ChannelDatabase& db, TransponderDialog& dialog);

    // The context in which the shared channel commands work on the page's channel list.
    ChannelCommands::Context ChannelContext();
    // Shows a prepared dialog with the runner in force and returns its result.
    int RunDialog(QDialog& dialog) const;

    void AddSatellite();
    void EditSatellite();
    void DelSatellite();
    void AddNewTransponder();
    void AddTransponder();
    void EditTransponder();
    void DelTransponder();
    void EditLnb();

private:
    bool accepted(QDialog& dialog);
    void ApplyTransponder(TransponderDialog& dialog, int satellite);
    void ApplySatellite(SatelliteDialog& dialog);
    // The satellite and transponder of the current rows when each row names a
    // record; NONE from the first that does not on.
    struct Current {
        int satellite = SatellitePage::NONE;
        int transponder = SatellitePage::NONE;
    };
    Current Resolve(bool needTransponder) const;

    SatellitePage& page_;
    SatellitePage::DialogRunner runDialog_;
};

} // namespace vormante
