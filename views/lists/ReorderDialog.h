// The preview of "Order like another image...": what taking the other image's
// channel order changes, with the options to take its names and its lock and
// favourite flags too. It never changes the image; when accepted, plan() is
// what the caller applies (vormante::ApplyReorder).
#pragma once

#include "model/ImageReorder.h"
#include "views/lists/PlanPreviewDialog.h"

class QCheckBox;

namespace vormante {

class ReorderDialog : public PlanPreviewDialog {
    Q_OBJECT

public:
    // Keeps references to both images, which must outlive the dialog; replans when an option changes.
    ReorderDialog(const vormante::ChannelDatabase& image, const vormante::ChannelDatabase& other,
                  QWidget* parent = nullptr);

    vormante::ReorderOptions options() const;
    // The plan for the options now ticked.
    const vormante::ChannelOrderPlan& plan() const { return plan_; }

    QCheckBox* namesCheckBox() const { return namesCheckBox_; }
    QCheckBox* flagsCheckBox() const { return flagsCheckBox_; }

private:
    void replan();

    const vormante::ChannelDatabase& image_;
    const vormante::ChannelDatabase& other_;
    vormante::ChannelOrderPlan plan_;
    QCheckBox* namesCheckBox_ = nullptr;
    QCheckBox* flagsCheckBox_ = nullptr;
};

} // namespace vormante
