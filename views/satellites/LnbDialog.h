// Edits one of the eight LNB types of the settings block: oscillator frequencies,
// DiSEqC port, the two control modes, 22 kHz tone, 12 V switch and LNB power. The
// type can be switched inside the dialog; OK's values are for the type shown then.
//
// Use: Prepare, then exec(). Tests may fill the controls and call Store() instead.
#pragma once

#include "views/common/DialogLayout.h"

#include <QDialog>

class QComboBox;
class QPushButton;

#include "model/EditOperations.h"

namespace vormante {

class LnbDialog : public QDialog {
    Q_OBJECT

public:
    explicit LnbDialog(QWidget* parent = nullptr);

    void Prepare(const vormante::ChannelDatabase& database, int typeIndex);

    // Performs OK: takes the entered values and closes the dialog as OK.
    void Store();
    // What the user entered, after OK; the caller stores it with vormante::StoreLnb
    // for typeIndex().
    const vormante::LnbValues& values() const { return values_; }

    // The LNB type written by OK (0..7).
    int typeIndex() const { return typeIndex_; }

    QComboBox* typeCombo() const { return typeCombo_; }
    QComboBox* lowCombo() const { return lowCombo_; }
    QComboBox* highCombo() const { return highCombo_; }
    QComboBox* diseqcCombo() const { return diseqcCombo_; }
    QComboBox* polarityControlCombo() const { return polarityControlCombo_; }
    QComboBox* bandControlCombo() const { return bandControlCombo_; }
    QComboBox* toneCombo() const { return toneCombo_; }
    QComboBox* switch12VCombo() const { return switch12VCombo_; }
    QComboBox* powerCombo() const { return powerCombo_; }
    QPushButton* okButton() const { return buttons_.ok; }

private:
    void ShowFrequencies(int type);
    void typeChosen(int index);

    const vormante::ChannelDatabase* database_ = nullptr;
    vormante::LnbValues values_;
    int typeIndex_ = 0;

    QComboBox* typeCombo_;
    QComboBox* lowCombo_;
    QComboBox* highCombo_;
    QComboBox* diseqcCombo_;
    QComboBox* polarityControlCombo_;
    QComboBox* bandControlCombo_;
    QComboBox* toneCombo_;
    QComboBox* switch12VCombo_;
    QComboBox* powerCombo_;
    EditButtons buttons_;
};

} // namespace vormante
