// The first tab page, "Sat+LNB+TP+Channel": the satellites, the transponders of the
// selected satellite, the eight LNB types and the TV or radio channels of the
// selected transponder, in four lists. Selecting a satellite refills the transponders
// and moves the LNB selection to its LNB type; selecting a transponder refills the
// channels. Every row carries the slot of its record (its row key), so a header-click
// sort never misleads a command. Right click opens the list's context menu, a double
// click the matching edit dialog (SatellitePageCommands).
//
// Each list is kept by a ListKeeper. The page follows every change of the document
// in one place (FollowChange): from the top list down, the first list whose records
// changed, or that a command planned a place for, is refilled, which refills the
// lists below it; the others rewrite the rows of the records the change touched.
// A change made elsewhere (an undo, another page) keeps each list on its records.
#pragma once

#include "views/common/KindButtons.h"

#include <QWidget>

#include <functional>
#include <memory>

class QDialog;
class QMenu;
class QRadioButton;
class QSplitter;

namespace vormante {

class BulkChannelCommands;
class ChannelCommands;
class ColumnListCtrl;
class ListFilterBar;
class SatellitePageCommands;
class ChannelDatabase;
class Document;
class DocumentFollower;
class ListKeeper;
struct DocumentChange;
struct Placement;

class SatellitePage : public QWidget {
    Q_OBJECT

public:
    enum List { SATELLITES = 0, TRANSPONDERS = 1, LNBS = 2, CHANNELS = 3 };
    static constexpr int NONE = -1;

    // Shows a prepared dialog modally and returns its result; tests replace it to fill
    // and accept dialogs without a modal loop.
    using DialogRunner = std::function<int(QDialog&)>;

    explicit SatellitePage(QWidget* parent = nullptr);
    ~SatellitePage() override;

    void Initialize(vormante::Document& document);
    // 0 satellites, 1 transponders, 2 LNB types, 3 channels; any other value does nothing.
    void RefreshList(int which);
    void SetShowTv(bool on);
    bool showTv() const { return showTv_; }
    QRadioButton* tvButton() const { return kindButtons_.tv; }
    QRadioButton* radioButton() const { return kindButtons_.radio; }

    // Runs one of the context menu commands (32791..32804); other ids do nothing.
    void RunCommand(int id);
    void setDialogRunner(DialogRunner runner);
    // The context menu of a list (SATELLITES.."SAT" .. CHANNELS.."Channel"); owned by the page.
    QMenu* ContextMenu(int list) const;

    ColumnListCtrl* list(int which) const;
    vormante::ListKeeper* keeper(int which) const;
    // The commands on the selected rows of the channel list.
    BulkChannelCommands* channelBulk() const { return channelBulk_; }
    // Add, Edit and Delete of the channel list's channels.
    ChannelCommands* channelCommands() const { return channelCommands_; }
    ColumnListCtrl* satelliteList() const { return satelliteList_; }
    ColumnListCtrl* transponderList() const { return transponderList_; }
    ColumnListCtrl* lnbList() const { return lnbList_; }
    ColumnListCtrl* channelList() const { return channelList_; }
    const vormante::ChannelDatabase* database() const;
    vormante::Document* document() const { return document_; }
    // Runs an operation as one step of the document's history, named name. The page
    // follows it as every change; a command says first where a list should stand
    // afterwards (Expect). True when the image changed.
    bool Change(const QString& name, const std::function<void(vormante::ChannelDatabase&)>& operation,
                const QString& mergeKey = QString());
    // Where a list stands after the next change (see ListKeeper).
    void Expect(int which, vormante::Placement placement);
    // Refills every list from the document, keeping each list on the records it
    // showed, its top row and the keyboard focus where they were.
    void FollowDocument();

    int transponderTopRow() const;

    // Row resolution: the record a row stands for (its row key), or NONE.
    bool IsPlaceholder(int which, int row) const;
    int SatelliteOfRow(int row) const;
    int TransponderOfRow(int satellite, int row) const;
    int ChannelOfRow(int satellite, int transponder, int row) const;
    // The records of the rows the page remembers as current (each list's currentRow).
    int CurrentSatellite() const;
    int CurrentTransponder(int satellite) const;
    int CurrentChannel(int satellite, int transponder) const;

    // Shows a channel: its satellite, transponder and TV or radio list chosen, its
    // row selected and scrolled into view, any filter cleared. False when the
    // channel is not listed there.
    bool ShowChannel(int satellite, int transponder, bool tv, int channel);
    ListFilterBar* filterBar() const { return filterBar_; }
    // Between the upper lists and the channel list.
    QSplitter* splitter() const { return splitter_; }

    // Marks a row selected or not, with the reaction a user's change would have.
    void SelectRowAndReact(int which, int row);
    void DeselectRowQuietly(int which, int row);

private:
    void BuildLayout();
    void BuildMenus();
    void BuildChannelKeys(QAction* add, QAction* edit, QAction* del);
    void BuildKeepers();
    void FollowChange(const vormante::DocumentChange& change, bool own);
    void listSelectionChanged(int which);
    void OnSatelliteSelected();
    void OnTransponderSelected();
    void tvRadioClicked(bool tv);
    void ShowContextMenu(int which, int row, const QPoint& globalPos);

    bool showTv_ = true;
    vormante::Document* document_ = nullptr;

    ColumnListCtrl* channelList_;
    ColumnListCtrl* lnbList_;
    ColumnListCtrl* transponderList_;
    ColumnListCtrl* satelliteList_;
    KindButtons kindButtons_;
    QMenu* menus_[4] = {};
    ListFilterBar* filterBar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    vormante::ListKeeper* keepers_[4] = {};
    vormante::DocumentFollower* follower_;
    std::unique_ptr<SatellitePageCommands> commands_;
    ChannelCommands* channelCommands_ = nullptr;
    BulkChannelCommands* channelBulk_ = nullptr;
};

} // namespace vormante
