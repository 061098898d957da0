#include "views/satellites/SatelliteDialog.h"

#include "controls/MessageBox.h"
#include "document/StepNames.h"
#include "model/RecordOperations.h"
#include "views/common/DialogLayout.h"
#include "views/common/NumberBoxes.h"
#include "views/common/SatellitePageText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace vormante {

namespace {
constexpr int NAME_LENGTH = SatelliteRecord::NAME_MAX_CHARS;
constexpr int DEGREES_LENGTH = 3;
constexpr int TENTHS_LENGTH = 3;
constexpr int MAX_POSITION = 1800;    // 180.0 degrees; there is no lower limit
constexpr unsigned LNB_TYPE_MASK = 7; // "no item chosen" (-1) stores 7, "Type 8"

QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QComboBox* MakeTypedCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}
} // namespace

SatelliteDialog::SatelliteDialog(QWidget* parent)
    : QDialog(parent), nameEdit_(MakeEdit(this, "nameEdit", NAME_LENGTH)),
      degreesEdit_(MakeEdit(this, "degreesEdit", DEGREES_LENGTH)),
      tenthsEdit_(MakeEdit(this, "tenthsEdit", TENTHS_LENGTH)),
      eastWestCombo_(MakeTypedCombo(this, "eastWestCombo")),
      lnbTypeCombo_(MakeTypedCombo(this, "lnbTypeCombo")),
      buttons_(MakeEditButtons(this, tr("OK"), tr("Cancel"))) {
    //: East, one letter: a satellite's orbital position.
    const QString east = tr("E");
    //: West, one letter: a satellite's orbital position.
    const QString west = tr("W");
    eastWestCombo_->addItems({east, west});
    for (int type = 0; type < LNB_TYPES; ++type)
        lnbTypeCombo_->addItem(QString::fromStdString(texts::SatelliteLnbTypeName(type)));

    const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12;
    degreesEdit_->setMaximumWidth(narrow);
    tenthsEdit_->setMaximumWidth(narrow);

    auto* position = new QHBoxLayout;
    position->addWidget(degreesEdit_);
    position->addWidget(new QLabel(QStringLiteral("."), this));
    position->addWidget(tenthsEdit_);
    position->addWidget(eastWestCombo_);
    position->addStretch();

    auto* form = new QFormLayout;
    form->addRow(tr("Satellite Name:"), nameEdit_);
    //: The satellite's orbital position (longitude).
    form->addRow(tr("Log:"), position);
    form->addRow(tr("LNB Type:"), lnbTypeCombo_);

    FinishEditDialog(this, form, buttons_,
                     {degreesEdit_, nameEdit_, tenthsEdit_, eastWestCombo_, lnbTypeCombo_});
    connect(buttons_.ok, &QPushButton::clicked, this, &SatelliteDialog::Store);
}

void SatelliteDialog::PrepareNew(const QString& caption, const ChannelDatabase& database) {
    isNew_ = true;
    slot_ = -1;
    // A name proposed for the image, stored in Latin-1: not translated.
    nameEdit_->setText(QStringLiteral("New Sat"));
    degreesEdit_->setText(QStringLiteral("0"));
    tenthsEdit_->setText(QStringLiteral("0"));
    prepare(caption, database);
    eastWestCombo_->setCurrentIndex(0);
    lnbTypeCombo_->setCurrentIndex(0);
}

void SatelliteDialog::PrepareEdit(const QString& caption, const ChannelDatabase& database, int slot) {
    isNew_ = false;
    slot_ = slot;
    prepare(caption, database);
    if (!IsSatelliteSlot(slot))
        return;
    const ConstSatelliteRecord record = database.Satellite(slot);
    const int p = record.position();
    // A name filling all 16 bytes shows its first 15, which is what OK stores back.
    nameEdit_->setText(steps::FromLatin1(record.name()));
    degreesEdit_->setText(QString::number(std::abs(p) / 10));
    tenthsEdit_->setText(QString::number(std::abs(p) % 10));
    eastWestCombo_->setCurrentIndex(p > 0 ? 0 : 1);
    lnbTypeCombo_->setCurrentIndex(static_cast<int>(record.lnbType()));
}

void SatelliteDialog::prepare(const QString& caption, const ChannelDatabase& database) {
    setWindowTitle(caption);
    database_ = &database;
    buttons_.ok->setFocus();
}

void SatelliteDialog::Store() {
    if (!database_)
        return;
    if (!isNew_ && !IsSatelliteSlot(slot_)) {
        reject();
        return;
    }
    if (!numberbox::CheckName(this,
                              //: Names the name box in a message: "Satellite Name takes at most ...".
                              tr("Satellite Name"), nameEdit_->text(), NAME_LENGTH)) {
        nameEdit_->setFocus();
        return;
    }
    // The position field holds up to 180.0 degrees, in tenths: refuse what it cannot hold.
    const int tenths = satview::ReadNumber(tenthsEdit_->text().left(TENTHS_LENGTH));
    if (!numberbox::CheckRange(
            this,
            //: Names the box in a message: "The tenths of the position takes a number from 0 to 9."
            tr("The tenths of the position"), tenths, 0, 9)) {
        tenthsEdit_->setFocus();
        return;
    }
    const int degrees = satview::ReadNumber(degreesEdit_->text().left(DEGREES_LENGTH));
    int p = degrees * 10 + (degrees < 0 ? -tenths : tenths);
    if (p < -MAX_POSITION || p > MAX_POSITION) {
        MessageBox::information(this, tr("The position takes 0.0 to 180.0 degrees."));
        degreesEdit_->setFocus();
        return;
    }
    values_.name = satview::ToBytes(nameEdit_->text());
    if (satview::ChosenIndex(*eastWestCombo_) != 0)
        p = -p;
    values_.position = p;
    values_.lnbType = static_cast<unsigned>(satview::ChosenIndex(*lnbTypeCombo_)) & LNB_TYPE_MASK;
    accept();
}

void SatelliteDialog::Stored(int slot) {
    if (isNew_)
        slot_ = slot;
}

} // namespace vormante
