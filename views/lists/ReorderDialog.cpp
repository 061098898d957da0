#include "views/lists/ReorderDialog.h"

#include "views/lists/OrderPlanTree.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace vormante {

ReorderDialog::ReorderDialog(const ChannelDatabase& image, const ChannelDatabase& other, QWidget* parent)
    : PlanPreviewDialog(tr("Order like another image"), QStringLiteral("reorderDialog"), parent),
      image_(image), other_(other) {
    namesCheckBox_ = new QCheckBox(tr("Also take the names"), this);
    namesCheckBox_->setObjectName(QStringLiteral("namesCheckBox"));
    flagsCheckBox_ = new QCheckBox(tr("Also take the lock and favourite flags"), this);
    flagsCheckBox_->setObjectName(QStringLiteral("flagsCheckBox"));
    connect(namesCheckBox_, &QCheckBox::toggled, this, &ReorderDialog::replan);
    connect(flagsCheckBox_, &QCheckBox::toggled, this, &ReorderDialog::replan);

    LayOut({namesCheckBox_, flagsCheckBox_});
    replan();
}

ReorderOptions ReorderDialog::options() const {
    ReorderOptions options;
    options.names = namesCheckBox_->isChecked();
    options.flags = flagsCheckBox_->isChecked();
    return options;
}

void ReorderDialog::replan() {
    plan_ = PlanReorderLike(image_, other_, options());
    changesTree()->clear();
    // No plan made on a damaged image can be applied: say what is wrong instead.
    okButton()->setEnabled(plan_.imageProblem.empty());
    if (!plan_.imageProblem.empty()) {
        //: %1 says what is wrong with the image.
        summaryLabel()->setText(tr("The image is damaged: %1. Nothing can be ordered; the "
                                   "consistency check lists its problems.")
                                    .arg(QString::fromStdString(plan_.imageProblem)));
        return;
    }
    planview::AddOrderPlanGroups(changesTree(), image_, plan_, tr("Not in the other image"));
    QString text = plan_.ChangesImage(false)
                       //: Each of %1, %2 and %3 is a number of channels ("3 channels").
                       ? tr("Moved: %1. Renamed: %2. Flags changed: %3.")
                             .arg(planview::Count(plan_.moved.size(), planview::Noun::Channel),
                                  planview::Count(plan_.renamed.size(), planview::Noun::Channel),
                                  planview::Count(plan_.flagsChanged.size(), planview::Noun::Channel))
                       : tr("The channels are in that order already.");
    if (!plan_.missing.empty())
        //: %1 is a number of channels ("3 channels").
        text += QLatin1Char(' ') + tr("Not in the other image: %1, kept after the others.")
                                       .arg(planview::Count(plan_.missing.size(), planview::Noun::Channel));
    summaryLabel()->setText(text);
}

} // namespace vormante
