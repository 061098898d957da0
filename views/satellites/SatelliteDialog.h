// Adds a satellite or edits one: name, orbital position (whole degrees, tenths,
// East or West) and LNB type. OK hands the entered values to the
// caller, which stores them with the model (allocating the record when adding).
//
// Use: PrepareNew or PrepareEdit, then exec(). Tests may fill the controls and call
// Store() instead of exec().
#pragma once

#include "views/common/DialogLayout.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

#include "model/EditOperations.h"

namespace vormante {

class SatelliteDialog : public QDialog {
    Q_OBJECT

public:
    // slot() after an add that found every slot used.
    static constexpr int TABLE_FULL = 100;

    explicit SatelliteDialog(QWidget* parent = nullptr);

    void PrepareNew(const QString& caption, const vormante::ChannelDatabase& database);
    void PrepareEdit(const QString& caption, const vormante::ChannelDatabase& database, int slot);

    // Performs OK: takes the entered values and closes the dialog as OK.
    void Store();
    // What the user entered, after OK.
    const vormante::SatelliteValues& values() const { return values_; }
    // The command that stored the values says what became of them: a new
    // satellite's slot, TABLE_FULL when every slot was used, or -1.
    void Stored(int slot);

    // The satellite edited; once stored in adding mode the new one, or TABLE_FULL.
    int slot() const { return slot_; }
    bool isNew() const { return isNew_; }

    QLineEdit* nameEdit() const { return nameEdit_; }
    QLineEdit* degreesEdit() const { return degreesEdit_; }
    QLineEdit* tenthsEdit() const { return tenthsEdit_; }
    QComboBox* eastWestCombo() const { return eastWestCombo_; }
    QComboBox* lnbTypeCombo() const { return lnbTypeCombo_; }
    QPushButton* okButton() const { return buttons_.ok; }

private:
    void prepare(const QString& caption, const vormante::ChannelDatabase& database);

    int slot_ = -1;
    bool isNew_ = false;
    const vormante::ChannelDatabase* database_ = nullptr;
    vormante::SatelliteValues values_;

    QLineEdit* nameEdit_;
    QLineEdit* degreesEdit_;
    QLineEdit* tenthsEdit_;
    QComboBox* eastWestCombo_;
    QComboBox* lnbTypeCombo_;
    EditButtons buttons_;
};

} // namespace vormante
