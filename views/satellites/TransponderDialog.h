// Adds a transponder to a satellite or edits one: frequency (950 to 14500 MHz, what
// LNBs and dishes deliver), symbol rate and polarization. OK hands the entered
// values to the caller, which stores them with the model (in adding mode at the end
// of the satellite's chain).
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

class TransponderDialog : public QDialog {
    Q_OBJECT

public:
    explicit TransponderDialog(QWidget* parent = nullptr);

    void PrepareNew(const QString& caption, const vormante::ChannelDatabase& database, int satelliteSlot);
    void PrepareEdit(const QString& caption, const vormante::ChannelDatabase& database, int satelliteSlot,
                     int transponderSlot);

    // Performs OK's store and closes the dialog as OK.
    void Store();
    // What the user entered, after OK.
    const vormante::TransponderValues& values() const { return values_; }
    // The command that stored the values says what became of them: a new
    // transponder's slot, or -1 when the table was full.
    void Stored(int slot);
    bool isNew() const { return isNew_; }

    // After OK in adding mode: the new transponder, -1 when the table was full.
    int transponderSlot() const { return transponderSlot_; }
    int satelliteSlot() const { return satelliteSlot_; }

    QLineEdit* frequencyEdit() const { return frequencyEdit_; }
    QLineEdit* symbolRateEdit() const { return symbolRateEdit_; }
    QComboBox* polarityCombo() const { return polarityCombo_; }
    QPushButton* okButton() const { return buttons_.ok; }

private:
    void prepare(const QString& caption, const vormante::ChannelDatabase& database, int satelliteSlot);

    int satelliteSlot_ = -1;
    bool isNew_ = false;
    int transponderSlot_ = -1;
    const vormante::ChannelDatabase* database_ = nullptr;
    vormante::TransponderValues values_;

    QLineEdit* frequencyEdit_;
    QLineEdit* symbolRateEdit_;
    QComboBox* polarityCombo_;
    EditButtons buttons_;
};

} // namespace vormante
