#include "views/lists/ListImportDialog.h"

#include "views/common/DialogLayout.h"
#include "views/lists/OrderPlanTree.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace vormante;

ListImportDialog::ListImportDialog(const ChannelDatabase& db, const ListImportPlan& plan, QWidget* parent)
    : QDialog(parent), plan_(plan) {
    setWindowTitle(QStringLiteral("Import txt file"));
    setObjectName(QStringLiteral("listImportDialog"));

    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel_->setWordWrap(true);

    changesTree_ = planview::MakeChangesTree(this);
    planview::AddOrderPlanGroups(changesTree_, db, plan.order, QStringLiteral("Not in the list"));
    QStringList unmatched, tooLong;
    for (const UnmatchedRow& row : plan.unmatchedRows)
        unmatched << QStringLiteral("Line %1: %2 (%3)")
                         .arg(row.line)
                         .arg(QString::fromUtf8(row.name),
                              QString::fromStdString(FormatPosition(row.position)));
    for (const LongName& name : plan.namesTooLong)
        tooLong << QStringLiteral("Line %1: %2 (keeps the name %3)")
                       .arg(name.line)
                       .arg(QString::fromUtf8(name.name),
                            QString::fromLatin1(db.Channel(name.channel).name()));
    planview::AddGroup(changesTree_, QStringLiteral("Rows that match no channel"), unmatched);
    planview::AddGroup(changesTree_, QStringLiteral("Names that do not fit 11 Latin-1 characters"), tooLong);
    QStringList byName;
    for (const PairedByName& row : plan.pairedByName)
        byName << QStringLiteral("Line %1: %2").arg(row.line).arg(QString::fromUtf8(row.name));
    planview::AddGroup(
        changesTree_,
        QStringLiteral("Rows paired by name: their PIDs or transponder differ, the channels keep theirs"),
        byName);

    deleteMissingCheckBox_ = new QCheckBox(QStringLiteral("Delete channels missing from the list"), this);
    deleteMissingCheckBox_->setObjectName(QStringLiteral("deleteMissingCheckBox"));
    deleteMissingCheckBox_->setEnabled(!plan.order.missing.empty() && plan.order.imageProblem.empty());
    connect(deleteMissingCheckBox_, &QCheckBox::toggled, this, &ListImportDialog::updateSummary);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel_);
    layout->addWidget(changesTree_);
    layout->addWidget(deleteMissingCheckBox_);
    layout->addSpacing(12);
    layout->addLayout(AcceptRejectRow(this, &okButton_));
    // No plan made on a damaged image can be applied: say what is wrong instead.
    okButton_->setEnabled(plan.order.imageProblem.empty());
    updateSummary();
}

bool ListImportDialog::deleteMissing() const {
    return deleteMissingCheckBox_->isChecked();
}

QStringList ListImportDialog::groupCaptions() const {
    return planview::GroupCaptions(changesTree_);
}

void ListImportDialog::updateSummary() {
    const auto& order = plan_.order;
    if (!order.imageProblem.empty()) {
        summaryLabel_->setText(QStringLiteral("The image is damaged: %1. Nothing can be imported; the "
                                              "consistency check lists its problems.")
                                   .arg(QString::fromStdString(order.imageProblem)));
        return;
    }
    QString text;
    if (plan_.encoding != TextEncoding::Utf8)
        text = QStringLiteral("Read as %1 text (the file is not UTF-8). ")
                   .arg(QLatin1String(EncodingName(plan_.encoding)));
    if (!order.ChangesImage(deleteMissing()))
        text += QStringLiteral("The list changes nothing.");
    else
        text += QStringLiteral("Moved: %1. Renamed: %2. Flags changed: %3.")
                    .arg(planview::Count(order.moved.size(), "channel", "channels"),
                         planview::Count(order.renamed.size(), "channel", "channels"),
                         planview::Count(order.flagsChanged.size(), "channel", "channels"));
    if (!order.missing.empty())
        text += QStringLiteral(" Not in the list: %1, %2.")
                    .arg(planview::Count(order.missing.size(), "channel", "channels"),
                         deleteMissing() ? QStringLiteral("to be deleted")
                                         : QStringLiteral("kept after the listed ones"));
    summaryLabel_->setText(text);
}
