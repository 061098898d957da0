#include "views/lists/DuplicatesDialog.h"

#include "model/ChannelOrderPlan.h"
#include "views/common/DialogLayout.h"
#include "views/lists/OrderPlanTree.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vormante {

namespace {

constexpr int SLOT_ROLE = Qt::UserRole;

QString ChannelText(const ChannelDatabase& db, int channel) {
    const ConstChannelRecord record = db.Channel(channel);
    const int t = record.transponder();
    const QString frequency =
        IsTransponderSlot(t) && db.Transponder(t).isUsed()
            //: %1 is the transponder's frequency.
            ? QCoreApplication::translate("DuplicatesDialog", "%1 MHz").arg(db.Transponder(t).frequency())
            //: Said of a channel whose transponder is missing.
            : QCoreApplication::translate("DuplicatesDialog", "no transponder");
    return QStringLiteral("%1 %2 %3 (%4)")
        .arg(record.videoPid() == NULL_PID
                 //: A channel's kind, before its number: "Radio 3 Bayern 1".
                 ? QCoreApplication::translate("DuplicatesDialog", "Radio")
                 //: A channel's kind, before its number: "TV 3 Das Erste".
                 : QCoreApplication::translate("DuplicatesDialog", "TV"),
             QString::number(record.channelNumber()), QString::fromLatin1(record.name()), frequency);
}

} // namespace

DuplicatesDialog::DuplicatesDialog(const ChannelDatabase& db, QWidget* parent)
    : QDialog(parent), groups_(FindDuplicates(db)), damage_(SharedChannelProblem(db)) {
    setWindowTitle(tr("Find duplicates"));
    setObjectName(QStringLiteral("duplicatesDialog"));

    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel_->setWordWrap(true);
    duplicatesTree_ = new QTreeWidget(this);
    duplicatesTree_->setObjectName(QStringLiteral("duplicatesTree"));
    duplicatesTree_->setHeaderHidden(true);
    duplicatesTree_->setMinimumSize(440, 300);
    for (const DuplicateGroup& group : groups_) {
        const ConstSatelliteRecord satellite = db.Satellite(group.satellite);
        auto* node = new QTreeWidgetItem(
            duplicatesTree_, {QStringLiteral("%1 (%2): %3")
                                  .arg(QString::fromLatin1(satellite.name()))
                                  .arg(QString::fromStdString(FormatPosition(satellite.position())))
                                  .arg(ChannelText(db, group.channels.front()))});
        for (std::size_t i = 0; i < group.channels.size(); ++i) {
            auto* item = new QTreeWidgetItem(node, {ChannelText(db, group.channels[i])});
            item->setData(0, SLOT_ROLE, group.channels[i]);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, i == 0 ? Qt::Unchecked : Qt::Checked);
        }
    }
    duplicatesTree_->expandAll();
    connect(duplicatesTree_, &QTreeWidget::itemChanged, this, &DuplicatesDialog::UpdateSummary);

    deleteButton_ = new QPushButton(tr("Delete selected"), this);
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    deleteButton_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(deleteButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel_);
    layout->addWidget(duplicatesTree_);
    layout->addSpacing(12);
    layout->addLayout(CenteredButtonRow(deleteButton_, cancel));
    UpdateSummary();
}

std::vector<int> DuplicatesDialog::selectedChannels() const {
    std::vector<int> slots;
    for (int g = 0; g < duplicatesTree_->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = duplicatesTree_->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i)
            if (group->child(i)->checkState(0) == Qt::Checked)
                slots.push_back(group->child(i)->data(0, SLOT_ROLE).toInt());
    }
    return slots;
}

bool DuplicatesDialog::setSelected(int channel, bool selected) {
    for (int g = 0; g < duplicatesTree_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = duplicatesTree_->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            if (group->child(i)->data(0, SLOT_ROLE).toInt() == channel) {
                group->child(i)->setCheckState(0, selected ? Qt::Checked : Qt::Unchecked);
                return true;
            }
        }
    }
    return false;
}

void DuplicatesDialog::UpdateSummary() {
    const std::size_t selected = selectedChannels().size();
    if (groups_.empty())
        summaryLabel_->setText(tr("No channel is stored twice."));
    else
        //: %1 is a number of services ("3 services"), %2 a number of channels.
        summaryLabel_->setText(tr("Stored more than once: %1. Selected for deletion: %2.")
                                   .arg(planview::Count(groups_.size(), planview::Noun::Service),
                                        planview::Count(selected, planview::Noun::Channel)));
    // Deleting refuses a channel that lies on two chains; say why before the user tries.
    if (!damage_.empty() && !groups_.empty())
        summaryLabel_->setText(summaryLabel_->text() + QLatin1Char(' ') +
                               //: %1 says what is wrong with the image.
                               tr("The image is damaged: %1, so nothing can be deleted; the "
                                  "consistency check lists its problems.")
                                   .arg(QString::fromStdString(damage_)));
    deleteButton_->setEnabled(selected > 0 && damage_.empty());
}

} // namespace vormante
