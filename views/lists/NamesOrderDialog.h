// The preview of "Order by a list of names...": the satellite and kind to order,
// how every line of the list matched (exact, case-folded, loose or not at all),
// the channels the list leaves out, and the options to take the list's spelling
// and to delete the channels left out. A line that could take several channels
// gets a box to pick one. It never changes the image; when accepted, plan() is
// what the caller applies (vormante::ApplyNamesOrder).
#pragma once

#include "model/NamesOrder.h"
#include "views/common/KindButtons.h"
#include "views/lists/PlanPreviewDialog.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QTreeWidgetItem;

namespace vormante {

class NamesOrderDialog : public PlanPreviewDialog {
    Q_OBJECT

public:
    enum Column { LINE_COLUMN, NAME_COLUMN, CHANNEL_COLUMN, MATCH_COLUMN };

    // Keeps references to db and list, which must outlive the dialog; replans when a
    // choice changes. Starts on the given satellite and kind when that satellite holds
    // channels, else on the first that does.
    NamesOrderDialog(const vormante::ChannelDatabase& db, const vormante::NamesListResult& list,
                     const QString& listName, int satellite, bool tv, QWidget* parent = nullptr);

    // The plan for the choices now made.
    const vormante::NamesOrderPlan& plan() const { return plan_; }
    // Makes the line (an index into the plan's lines) take that channel, as its box does.
    void pick(std::size_t line, int channel);

    QComboBox* satelliteComboBox() const { return satelliteCombo_; }
    QRadioButton* tvRadioButton() const { return kindButtons_.tv; }
    QRadioButton* radioRadioButton() const { return kindButtons_.radio; }
    QCheckBox* renameCheckBox() const { return renameCheckBox_; }
    QCheckBox* deleteMissingCheckBox() const { return deleteMissingCheckBox_; }
    // How every line matched, in groups such as "Matched lines (3)".
    QTreeWidget* linesTree() const { return changesTree(); }

private:
    void Replan();
    void FillTree();
    void UpdateSummary();
    QString channelText(int channel) const;
    QTreeWidgetItem* AddGroup(const QString& caption, int count);
    void AddPickBox(QTreeWidgetItem* item, std::size_t line);

    const vormante::ChannelDatabase& db_;
    const vormante::NamesListResult& list_;
    QString listName_;
    std::map<std::size_t, int> picks_;
    vormante::NamesOrderPlan plan_;
    std::vector<int> kind_; // the satellite's channels of the kind, for their numbers

    QComboBox* satelliteCombo_ = nullptr;
    KindButtons kindButtons_;
    QCheckBox* renameCheckBox_ = nullptr;
    QCheckBox* deleteMissingCheckBox_ = nullptr;
};

} // namespace vormante
