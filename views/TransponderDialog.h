// Adds a transponder to a satellite or edits one: frequency, symbol rate and
// polarization. OK writes the record into the working copy; in adding mode it
// first allocates the transponder at the end of the satellite's chain.
//
// Use: PrepareNew or PrepareEdit, then exec(). Tests may fill the controls and call
// Store() instead of exec().
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vormante {
class ChannelDatabase;
}

class TransponderDialog : public QDialog {
    Q_OBJECT

public:
    explicit TransponderDialog(QWidget* parent = nullptr);

    void PrepareNew(const QString& caption, vormante::ChannelDatabase& database, int satelliteSlot);
    void PrepareEdit(const QString& caption, vormante::ChannelDatabase& database, int satelliteSlot,
                     int transponderSlot);

    // Performs OK's store and closes the dialog as OK.
    void Store();

    // After OK in adding mode: the new transponder, -1 when the table was full.
    int transponderSlot() const { return transponderSlot_; }

    QLineEdit* frequencyEdit() const { return frequencyEdit_; }
    QLineEdit* symbolRateEdit() const { return symbolRateEdit_; }
    QComboBox* polarityCombo() const { return polarityCombo_; }
    QPushButton* okButton() const { return okButton_; }

private:
    void prepare(const QString& caption, vormante::ChannelDatabase& database, int satelliteSlot);

    int satelliteSlot_ = -1;
    bool isNew_ = false;
    int transponderSlot_ = -1;
    vormante::ChannelDatabase* database_ = nullptr;

    QLineEdit* frequencyEdit_;
    QLineEdit* symbolRateEdit_;
    QComboBox* polarityCombo_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
