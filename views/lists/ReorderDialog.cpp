#include "views/lists/ReorderDialog.h"

#include "views/common/DialogLayout.h"
#include "views/lists/OrderPlanTree.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace vormante;

ReorderDialog::ReorderDialog(const ChannelDatabase& image, const ChannelDatabase& other, QWidget* parent)
    : QDialog(parent), image_(image), other_(other) {
    setWindowTitle(QStringLiteral("Order like another image"));
    setObjectName(QStringLiteral("reorderDialog"));

    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel_->setWordWrap(true);
    changesTree_ = planview::MakeChangesTree(this);

    namesCheckBox_ = new QCheckBox(QStringLiteral("Also take the names"), this);
    namesCheckBox_->setObjectName(QStringLiteral("namesCheckBox"));
    flagsCheckBox_ = new QCheckBox(QStringLiteral("Also take the lock and favourite flags"), this);
    flagsCheckBox_->setObjectName(QStringLiteral("flagsCheckBox"));
    connect(namesCheckBox_, &QCheckBox::toggled, this, &ReorderDialog::replan);
    connect(flagsCheckBox_, &QCheckBox::toggled, this, &ReorderDialog::replan);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel_);
    layout->addWidget(changesTree_);
    layout->addWidget(namesCheckBox_);
    layout->addWidget(flagsCheckBox_);
    layout->addSpacing(12);
    layout->addLayout(AcceptRejectRow(this, &okButton_));
    replan();
}

ReorderOptions ReorderDialog::options() const {
    ReorderOptions options;
    options.names = namesCheckBox_->isChecked();
    options.flags = flagsCheckBox_->isChecked();
    return options;
}

QStringList ReorderDialog::groupCaptions() const {
    return planview::GroupCaptions(changesTree_);
}

void ReorderDialog::replan() {
    plan_ = PlanReorderLike(image_, other_, options());
    changesTree_->clear();
    // No plan made on a damaged image can be applied: say what is wrong instead.
    okButton_->setEnabled(plan_.imageProblem.empty());
    if (!plan_.imageProblem.empty()) {
        summaryLabel_->setText(QStringLiteral("The image is damaged: %1. Nothing can be ordered; the "
                                              "consistency check lists its problems.")
                                   .arg(QString::fromStdString(plan_.imageProblem)));
        return;
    }
    planview::AddOrderPlanGroups(changesTree_, image_, plan_, QStringLiteral("Not in the other image"));
    QString text = plan_.ChangesImage(false)
                       ? QStringLiteral("Moved: %1. Renamed: %2. Flags changed: %3.")
                             .arg(planview::Count(plan_.moved.size(), "channel", "channels"),
                                  planview::Count(plan_.renamed.size(), "channel", "channels"),
                                  planview::Count(plan_.flagsChanged.size(), "channel", "channels"))
                       : QStringLiteral("The channels are in that order already.");
    if (!plan_.missing.empty())
        text += QStringLiteral(" Not in the other image: %1, kept after the others.")
                    .arg(planview::Count(plan_.missing.size(), "channel", "channels"));
    summaryLabel_->setText(text);
}
