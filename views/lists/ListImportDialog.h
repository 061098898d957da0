// The preview of "Import txt file": what the list will change, grouped, and
// whether channels missing from the list are deleted. It never changes the
// image; the caller applies the plan when the dialog is accepted.
#pragma once

#include "model/ListImport.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace vormante {

class ListImportDialog : public QDialog {
    Q_OBJECT

public:
    // Reads db while it is built; keeps a reference to plan, which must outlive the dialog.
    ListImportDialog(const vormante::ChannelDatabase& db, const vormante::ListImportPlan& plan,
                     QWidget* parent = nullptr);

    // The user's choice: delete the channels the list does not name.
    bool deleteMissing() const;

    QCheckBox* deleteMissingCheckBox() const { return deleteMissingCheckBox_; }
    QTreeWidget* changesTree() const { return changesTree_; }
    QLabel* summaryLabel() const { return summaryLabel_; }
    QPushButton* okButton() const { return okButton_; }
    // The captions of the groups shown, as "Moved (3)".
    QStringList groupCaptions() const;

private:
    void UpdateSummary();

    const vormante::ListImportPlan& plan_;
    QCheckBox* deleteMissingCheckBox_ = nullptr;
    QTreeWidget* changesTree_ = nullptr;
    QLabel* summaryLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace vormante
