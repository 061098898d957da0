// The preview of "Import txt file": what the list will change, grouped, and
// whether channels missing from the list are deleted. It never changes the
// image; the caller applies the plan when the dialog is accepted.
#pragma once

#include "model/ListImport.h"
#include "views/lists/PlanPreviewDialog.h"

class QCheckBox;

namespace vormante {

class ListImportDialog : public PlanPreviewDialog {
    Q_OBJECT

public:
    // Reads db while it is built; keeps a reference to plan, which must outlive the dialog.
    ListImportDialog(const vormante::ChannelDatabase& db, const vormante::ListImportPlan& plan,
                     QWidget* parent = nullptr);

    // The user's choice: delete the channels the list does not name.
    bool deleteMissing() const;

    QCheckBox* deleteMissingCheckBox() const { return deleteMissingCheckBox_; }

private:
    void UpdateSummary();

    const vormante::ListImportPlan& plan_;
    QCheckBox* deleteMissingCheckBox_ = nullptr;
};

} // namespace vormante
