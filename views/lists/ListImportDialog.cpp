#include "views/lists/ListImportDialog.h"

#include "views/lists/OrderPlanTree.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace vormante {

ListImportDialog::ListImportDialog(const ChannelDatabase& db, const ListImportPlan& plan, QWidget* parent)
    : PlanPreviewDialog(tr("Import txt file"), QStringLiteral("listImportDialog"), parent), plan_(plan) {
    QTreeWidget* changes = changesTree();
    planview::AddOrderPlanGroups(changes, db, plan.order, tr("Not in the list"));
    QStringList unmatched, tooLong;
    for (const UnmatchedRow& row : plan.unmatchedRows)
        //: %1 is a line number of the file, %2 the name there, %3 the satellite's position.
        unmatched << tr("Line %1: %2 (%3)")
                         .arg(QString::number(row.line), QString::fromUtf8(row.name),
                              QString::fromStdString(FormatPosition(row.position)));
    for (const LongName& name : plan.namesTooLong)
        //: %1 is a line number of the file, %2 the name there, %3 the channel's stored name.
        tooLong << tr("Line %1: %2 (keeps the name %3)")
                       .arg(QString::number(name.line), QString::fromUtf8(name.name),
                            QString::fromLatin1(db.Channel(name.channel).name()));
    planview::AddGroup(changes, tr("Rows that match no channel"), unmatched);
    planview::AddGroup(changes, tr("Names that do not fit 11 Latin-1 characters"), tooLong);
    QStringList byName;
    for (const PairedByName& row : plan.pairedByName)
        //: %1 is a line number of the file, %2 the name there.
        byName << tr("Line %1: %2").arg(QString::number(row.line), QString::fromUtf8(row.name));
    planview::AddGroup(changes,
                       tr("Rows paired by name: their PIDs or transponder differ, the channels keep theirs"),
                       byName);

    deleteMissingCheckBox_ = new QCheckBox(tr("Delete channels missing from the list"), this);
    deleteMissingCheckBox_->setObjectName(QStringLiteral("deleteMissingCheckBox"));
    deleteMissingCheckBox_->setEnabled(!plan.order.missing.empty() && plan.order.imageProblem.empty());
    connect(deleteMissingCheckBox_, &QCheckBox::toggled, this, &ListImportDialog::UpdateSummary);

    LayOut({deleteMissingCheckBox_});
    // No plan made on a damaged image can be applied: say what is wrong instead.
    okButton()->setEnabled(plan.order.imageProblem.empty());
    UpdateSummary();
}

bool ListImportDialog::deleteMissing() const {
    return deleteMissingCheckBox_->isChecked();
}

void ListImportDialog::UpdateSummary() {
    const auto& order = plan_.order;
    if (!order.imageProblem.empty()) {
        //: %1 says what is wrong with the image.
        summaryLabel()->setText(tr("The image is damaged: %1. Nothing can be imported; the "
                                   "consistency check lists its problems.")
                                    .arg(QString::fromStdString(order.imageProblem)));
        return;
    }
    QString text;
    if (plan_.encoding != TextEncoding::Utf8)
        //: %1 is the name of a character encoding, such as Latin-1.
        text =
            tr("Read as %1 text (the file is not UTF-8).").arg(QLatin1String(EncodingName(plan_.encoding))) +
            QLatin1Char(' ');
    if (!order.ChangesImage(deleteMissing()))
        text += tr("The list changes nothing.");
    else
        //: Each of %1, %2 and %3 is a number of channels ("3 channels").
        text += tr("Moved: %1. Renamed: %2. Flags changed: %3.")
                    .arg(planview::Count(order.moved.size(), planview::Noun::Channel),
                         planview::Count(order.renamed.size(), planview::Noun::Channel),
                         planview::Count(order.flagsChanged.size(), planview::Noun::Channel));
    if (!order.missing.empty())
        text += QLatin1Char(' ') + (deleteMissing()
                                        //: %1 is a number of channels ("3 channels").
                                        ? tr("Not in the list: %1, to be deleted.")
                                        //: %1 is a number of channels ("3 channels").
                                        : tr("Not in the list: %1, kept after the listed ones."))
                                       .arg(planview::Count(order.missing.size(), planview::Noun::Channel));
    summaryLabel()->setText(text);
}

} // namespace vormante
