// The all-channels page's own commands beside the shared channel commands: Sort and
// Move to a number, and the context in which the shared ones work on the page's list.
// Their texts keep the page's translation context, where they were first written.
#pragma once

#include "model/RecordOperations.h"
#include "views/channels/ChannelCommands.h"

#include <QCoreApplication>

namespace vormante {

class ChannelListPage;

class ChannelPageCommands {
public:
    explicit ChannelPageCommands(ChannelListPage& page) : page_(page) {}

    // What the channel commands need of the page's list: its channels and rows, where
    // a new channel goes, and the question a deletion asks.
    ChannelCommands::Context ChannelContext();
    // Sorts the shown satellite's channels; the current channel stays current.
    void Sort(vormante::SortKind kind);
    // Asks for a number and moves the current channel, or the selected ones, there.
    void Move();
    void MoveCurrentTo(int target);

private:
    // The current row's channel on the shown satellite's chain; the dialog starts on
    // the channel's transponder and that transponder's satellite.
    ChannelCommands::Target CurrentTarget() const;
    // The current row names a channel of a shown satellite.
    bool HasCurrentChannel() const;

    ChannelListPage& page_;
};

} // namespace vormante
