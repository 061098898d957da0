// The "All Channels Edit" tab page: the TV or the radio channels of one
// satellite in chain order, with commands to add, edit, delete, sort and move
// them. Every row carries its channel's slot (its row key), checked again for every
// command, so sorting the rows on screen by a header click never disturbs the
// commands. Commands change the image through the document, one named step each;
// changes made elsewhere (an undo, another page) are followed, keeping the rows on
// the same channels.
#pragma once

#include "model/BulkOperations.h"
#include "model/RecordOperations.h"
#include "views/channels/ChannelCommands.h"
#include "views/common/KindButtons.h"

#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QDialog;
class QHBoxLayout;
class QLabel;
class QMenu;

namespace vormante {

class ChannelPageCommands;
class ColumnListCtrl;
class ListFilterBar;
class ChannelDatabase;
class Document;
class DocumentFollower;
class ListKeeper;
struct DocumentChange;

class ChannelListPage : public QWidget {
    Q_OBJECT

public:
    // Shows a modal dialog and returns its result; tests replace it to drive dialogs without exec().
    using DialogRunner = std::function<int(QDialog&)>;

    explicit ChannelListPage(QWidget* parent = nullptr);
    ~ChannelListPage() override;

    // Builds the columns and resets the remembered rows; fills nothing.
    void Initialize(vormante::Document& document);
    // Refills from the document, keeping the shown satellite, the selected channels,
    // the top row and the keyboard focus where they were.
    void FollowDocument();
    // Rebuilds the satellite box, the list and the counters from the working copy.
    void Refresh();
    void SetShowTv(bool tv);
    void UpdateCounters();
    // Slot of the index-th satellite that has channels, or -1.
    int SatelliteOfChoice(int index) const;
    // Box index of a satellite slot, or -1 when the box does not offer it.
    int ChoiceOfSatellite(int slot) const;

    // The satellite shown in the box, or -1 when the box has no selection.
    int ShownSatellite() const;
    // The channel that a row names, or -1 (placeholder row, no satellite shown, stale number).
    int ChannelOfRow(int row) const;
    int currentRow() const;
    bool showTv() const { return showTv_; }
    ColumnListCtrl* channelList() const { return channelList_; }
    QMenu* contextMenu() const { return contextMenu_; }

    // Shows a channel: its satellite in the box, the TV or radio list, its row
    // selected and scrolled into view, any filter cleared. False when not listed.
    bool ShowChannel(int satellite, bool tv, int channel);
    ListFilterBar* filterBar() const { return filterBar_; }

    // The commands of the "CH" menu, acting on the current row; the channel commands
    // are the ones the satellite page runs too.
    void AddChannelCommand() { channels_->Add(); }
    void EditChannelCommand() { channels_->Edit(); }
    void DeleteChannelCommand() { channels_->Delete(); }
    void SortCommand(vormante::SortKind kind);
    void MoveCommand();
    // The Move command once the dialog has given its target position; with several
    // rows selected the selected channels move there as a block.
    void MoveCurrentTo(int target);
    // Commands on the selected rows (one or several), as the bulk commands run them.
    void MoveToTopCommand() { bulk_->MoveSelectedToTop(); }
    void MoveToBottomCommand() { bulk_->MoveSelectedToBottom(); }
    void MoveByOneCommand(bool up) { bulk_->MoveSelectedByOne(up); }
    void SetFlagCommand(vormante::ChannelFlag flag, bool on) { bulk_->SetFlag(flag, on); }
    // A drop of the selected rows before `row` (RowCount(): after the last), as a
    // drag and drop within the list ends.
    void DropSelectedAt(int row) { bulk_->DropSelectedAt(row); }
    BulkChannelCommands* bulk() const { return bulk_; }

    void setDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }

private:
    friend class ChannelPageCommands;
    void BuildControls();
    QHBoxLayout* BuildSatelliteRow();
    void BuildFilterRow();
    void ConnectControls();
    void KindClicked(bool tv);
    void satelliteChosen(int index);
    void BuildKeeper();
    void FollowChange(const vormante::DocumentChange& change, bool own);
    void KeepShownSatellite();
    QStringList boxEntries() const;
    QStringList currentBoxEntries() const;
    std::vector<int> ListedChannels(int satellite) const;
    void ShowContextMenu(int row, const QPoint& globalPos);
    void FillSatelliteBox();
    const vormante::ChannelDatabase* database() const;
    bool Change(const QString& name, const std::function<void(vormante::ChannelDatabase&)>& operation,
                const QString& mergeKey = QString());
    void Guarded(void (ChannelListPage::*command)());

    vormante::Document* document_ = nullptr;
    vormante::DocumentFollower* follower_;
    vormante::ListKeeper* keeper_ = nullptr;
    QHBoxLayout* filterRow_ = nullptr; // the filter box and the counts
    int savedTvRow_ = 0;
    int savedRadioRow_ = 0;
    bool showTv_ = true;
    int satelliteChoice_ = 0;
    bool showCurrentSatellite_ = false; // after an addition: the satellite of the new channel
    DialogRunner dialogRunner_;
    std::unique_ptr<ChannelPageCommands> pageCommands_;
    ChannelCommands* channels_ = nullptr;
    BulkChannelCommands* bulk_ = nullptr;

    // The counts beside the filter box: TV, radio, and all channels of the satellite.
    static constexpr int COUNTS = 3;
    QLabel* countLabels_[COUNTS] = {};
    QComboBox* satelliteCombo_ = nullptr;
    KindButtons kindButtons_;
    ColumnListCtrl* channelList_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    ListFilterBar* filterBar_ = nullptr;
};

} // namespace vormante
