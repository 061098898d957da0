#include "views/lists/PlanPreviewDialog.h"

#include "views/common/DialogLayout.h"
#include "views/lists/OrderPlanTree.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vormante {

PlanPreviewDialog::PlanPreviewDialog(const QString& title, const QString& objectName, QWidget* parent)
    : QDialog(parent), summaryLabel_(new QLabel(this)), changesTree_(planview::MakeChangesTree(this)) {
    setWindowTitle(title);
    setObjectName(objectName);
    summaryLabel_->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel_->setWordWrap(true);
}

void PlanPreviewDialog::LayOut(const QList<QWidget*>& options, QWidget* middle, QLayout* top) {
    auto* layout = new QVBoxLayout(this);
    if (top)
        layout->addLayout(top);
    layout->addWidget(summaryLabel_);
    layout->addWidget(middle ? middle : changesTree_, 1);
    for (QWidget* option : options)
        layout->addWidget(option);
    layout->addSpacing(12);
    layout->addLayout(AcceptRejectRow(this, &okButton_));
}

QStringList PlanPreviewDialog::groupCaptions() const {
    return planview::GroupCaptions(changesTree_);
}

} // namespace vormante
