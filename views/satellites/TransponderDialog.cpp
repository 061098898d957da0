#include "views/satellites/TransponderDialog.h"

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

namespace vormante {

namespace {
constexpr int FREQUENCY_LENGTH = 5;
// No LNB or dish delivers a transponder outside these frequencies, in MHz.
constexpr int LOWEST_FREQUENCY = 950;
constexpr int HIGHEST_FREQUENCY = 14500;
constexpr unsigned FIELD_MASK_16 = 0xFFFF;
constexpr unsigned POLARIZATION_MASK = 3; // "no item chosen" (-1) stores 3
} // namespace

TransponderDialog::TransponderDialog(QWidget* parent)
    : QDialog(parent), frequencyEdit_(new QLineEdit(this)), symbolRateEdit_(new QLineEdit(this)),
      polarityCombo_(new QComboBox(this)), buttons_(MakeEditButtons(this, tr("OK"), tr("Cancel"))) {
    frequencyEdit_->setObjectName(QStringLiteral("frequencyEdit"));
    frequencyEdit_->setMaxLength(FREQUENCY_LENGTH);
    symbolRateEdit_->setObjectName(QStringLiteral("symbolRateEdit"));
    polarityCombo_->setObjectName(QStringLiteral("polarityCombo"));
    polarityCombo_->setEditable(true);
    polarityCombo_->setInsertPolicy(QComboBox::NoInsert);
    polarityCombo_->addItems({satview::PolarizationText(false), satview::PolarizationText(true)});

    auto* form = new QFormLayout;
    auto* frequencyRow = new QHBoxLayout;
    frequencyRow->addWidget(frequencyEdit_);
    auto* unit =
        //: After the frequency box. %1 and %2: the lowest and highest frequency accepted, in MHz.
        new QLabel(tr("MHz (%1 to %2)").arg(LOWEST_FREQUENCY).arg(HIGHEST_FREQUENCY), this);
    unit->setObjectName(QStringLiteral("frequencyUnitLabel"));
    frequencyRow->addWidget(unit);
    //: Short for the transponder's frequency.
    form->addRow(tr("Freq:"), frequencyRow);
    form->addRow(tr("Symbol Rate:"), symbolRateEdit_);
    auto* polarityRow = new QHBoxLayout;
    polarityRow->addWidget(polarityCombo_);
    polarityRow->addStretch();
    //: The transponder's polarisation, H or V.
    form->addRow(tr("Polarity:"), polarityRow);

    FinishEditDialog(this, form, buttons_, {frequencyEdit_, symbolRateEdit_, polarityCombo_});
    connect(buttons_.ok, &QPushButton::clicked, this, &TransponderDialog::Store);
}

void TransponderDialog::PrepareNew(const QString& caption, const ChannelDatabase& database,
                                   int satelliteSlot) {
    isNew_ = true;
    transponderSlot_ = -1;
    frequencyEdit_->setText(QStringLiteral("0"));
    symbolRateEdit_->setText(QStringLiteral("0"));
    prepare(caption, database, satelliteSlot);
    polarityCombo_->setCurrentIndex(0);
}

void TransponderDialog::PrepareEdit(const QString& caption, const ChannelDatabase& database,
                                    int satelliteSlot, int transponderSlot) {
    isNew_ = false;
    transponderSlot_ = transponderSlot;
    prepare(caption, database, satelliteSlot);
    const bool known = IsTransponderSlot(transponderSlot);
    const ConstTransponderRecord record = database.Transponder(known ? transponderSlot : 0);
    frequencyEdit_->setText(known ? QString::number(record.frequency()) : QString());
    symbolRateEdit_->setText(known ? QString::number(record.symbolRate()) : QString());
    polarityCombo_->setCurrentIndex(known && record.isVertical() ? 1 : 0);
}

void TransponderDialog::prepare(const QString& caption, const ChannelDatabase& database, int satelliteSlot) {
    setWindowTitle(caption);
    database_ = &database;
    satelliteSlot_ = satelliteSlot;
    buttons_.ok->setFocus();
}

void TransponderDialog::Store() {
    if (!database_)
        return;
    if (!isNew_ && !IsTransponderSlot(transponderSlot_)) {
        reject();
        return;
    }
    // A frequency no dish receives is a typing slip; the symbol rate's field is 16 bits
    // wide: refuse what it cannot hold instead of cutting it.
    const int frequency = satview::ReadNumber(frequencyEdit_->text().left(FREQUENCY_LENGTH));
    if (!numberbox::CheckRange(this,
                               //: Names the frequency box in a message: "Freq (MHz) takes a number from ...".
                               tr("Freq (MHz)"), frequency, LOWEST_FREQUENCY, HIGHEST_FREQUENCY)) {
        frequencyEdit_->setFocus();
        return;
    }
    const int symbolRate = satview::ReadNumber(symbolRateEdit_->text());
    if (!numberbox::CheckRange(
            this,
            //: Names the symbol rate box in a message: "Symbol Rate takes a number from ...".
            tr("Symbol Rate"), symbolRate, 0, FIELD_MASK_16)) {
        symbolRateEdit_->setFocus();
        return;
    }
    values_.frequency = static_cast<unsigned>(frequency) & FIELD_MASK_16;
    values_.symbolRate = static_cast<unsigned>(symbolRate) & FIELD_MASK_16;
    values_.polarization = static_cast<unsigned>(satview::ChosenIndex(*polarityCombo_)) & POLARIZATION_MASK;
    accept();
}

void TransponderDialog::Stored(int slot) {
    if (isNew_)
        transponderSlot_ = slot;
}

} // namespace vormante
