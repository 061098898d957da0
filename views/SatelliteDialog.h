// Adds a satellite or edits one: name, orbital position (whole degrees, tenths,
// East or West) and LNB type. OK writes the record into the working copy; in
// adding mode it first allocates the record.
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

class SatelliteDialog : public QDialog {
    Q_OBJECT

public:
    // slot() after an add that found every slot used.
    static constexpr int TABLE_FULL = 100;

    explicit SatelliteDialog(QWidget* parent = nullptr);

    void PrepareNew(const QString& caption, vormante::ChannelDatabase& database);
    void PrepareEdit(const QString& caption, vormante::ChannelDatabase& database, int slot);

    // Performs OK's store and closes the dialog as OK.
    void Store();

    // The satellite edited; after OK in adding mode the new one, or TABLE_FULL.
    int slot() const { return slot_; }

    QLineEdit* nameEdit() const { return nameEdit_; }
    QLineEdit* degreesEdit() const { return degreesEdit_; }
    QLineEdit* tenthsEdit() const { return tenthsEdit_; }
    QComboBox* eastWestCombo() const { return eastWestCombo_; }
    QComboBox* lnbTypeCombo() const { return lnbTypeCombo_; }
    QPushButton* okButton() const { return okButton_; }

private:
    void prepare(const QString& caption, vormante::ChannelDatabase& database);

    int slot_ = -1;
    bool isNew_ = false;
    vormante::ChannelDatabase* database_ = nullptr;

    QLineEdit* nameEdit_;
    QLineEdit* degreesEdit_;
    QLineEdit* tenthsEdit_;
    QComboBox* eastWestCombo_;
    QComboBox* lnbTypeCombo_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
