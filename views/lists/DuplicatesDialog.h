// "Find duplicates": the channels of each satellite that are the same service,
// one group per service. Every copy after a group's first starts ticked; the
// user may change the ticks. It never changes the image: when accepted,
// selectedChannels() are the slots to delete (vormante::DeleteChannels).
#pragma once

#include "model/Duplicates.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vormante {

class DuplicatesDialog : public QDialog {
    Q_OBJECT

public:
    explicit DuplicatesDialog(const vormante::ChannelDatabase& db, QWidget* parent = nullptr);

    const std::vector<vormante::DuplicateGroup>& groups() const { return groups_; }
    // The ticked channels' slots, in the order shown.
    std::vector<int> selectedChannels() const;
    // Ticks or unticks the channel of that slot; false when it is not listed.
    bool setSelected(int channel, bool selected);

    QTreeWidget* duplicatesTree() const { return duplicatesTree_; }
    QLabel* summaryLabel() const { return summaryLabel_; }
    QPushButton* deleteButton() const { return deleteButton_; }

private:
    void UpdateSummary();

    std::vector<vormante::DuplicateGroup> groups_;
    std::string damage_; // a channel on two chains: nothing can be deleted then
    QTreeWidget* duplicatesTree_ = nullptr;
    QLabel* summaryLabel_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};

} // namespace vormante
