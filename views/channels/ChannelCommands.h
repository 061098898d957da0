// Add, Edit and Delete of channels, one or several selected, for any channel list.
// A page hands in its list's context: where a new channel goes, which channel the
// current row names, how to run a dialog and how to change the image. Each command
// checks its preconditions (a failed one does nothing and says nothing), opens the
// channel dialog or asks before deleting, says where its list stands afterwards and
// changes the image as one named step. The commands on the selected rows (delete,
// move, flags) are the BulkChannelCommands this set owns.
#pragma once

#include "views/channels/BulkChannelCommands.h"

#include <QObject>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace vormante {

class ChannelDialog;
class ChannelDatabase;
class ListKeeper;

class ChannelCommands : public QObject {
    Q_OBJECT

public:
    // A channel and where it lies: the satellite and transponder the dialog starts
    // on, and the satellite whose chain the list shows it on (which a deletion
    // unlinks it from). -1 where there is none.
    struct Target {
        int channel = -1;
        int transponder = -1;
        int satellite = -1;
        int chain = -1;
    };
    struct Context {
        BulkChannelCommands::Hooks list; // the list's rows, chain, kind and change
        std::function<int(QDialog&)> runDialog;
        // Where a new channel goes first; no transponder: Add does nothing.
        std::function<Target()> addPlace;
        // The channel of the current row; no channel: Edit and Delete do nothing.
        std::function<Target()> current;
        // Before an addition is stored: the page shows the kind of the new channel.
        std::function<void(bool tv)> showAdded;
        // Whether the Add dialog offers every satellite and transponder.
        bool placeSelectable = false;
        // The deletion question, "%1" standing for the channel's name.
        QString deleteQuestion;
    };

    ChannelCommands(QWidget* page, vormante::ListKeeper* keeper, Context context);

    // True when the dialog was accepted (whether or not the table had room).
    bool Add();
    // Edits the current channel, or the selected channels when several are selected.
    void Edit();
    // Deletes the current channel, or the selected channels when several are selected.
    void Delete();

    BulkChannelCommands* bulk() const { return bulk_; }

    // Stores what the dialog handed back with the model's operation (adds the channel
    // or writes the edited one) and tells the dialog. The channel's slot, or -1 when
    // the table was full or the channel could not be stored.
    static int StoreEntered(vormante::ChannelDatabase& db, ChannelDialog& dialog);
    // The channel's transponder and that transponder's satellite, where both are sound.
    static Target PlaceOfChannel(const vormante::ChannelDatabase& db, int channel);
    // The first used satellite and its first transponder, when it has one.
    static Target PlaceOnFirstSatellite(const vormante::ChannelDatabase& db);

private:
    bool accepted(QDialog& dialog) const;
    void EditSeveral(const std::vector<int>& channels);

    QWidget* page_;
    vormante::ListKeeper* keeper_;
    Context context_;
    BulkChannelCommands* bulk_;
};

} // namespace vormante
