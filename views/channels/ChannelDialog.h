// Adds a channel or edits one: name, four PIDs, lock, favourite and scrambled
// flags, and the satellite and transponder it lies on. The dialog only reads the
// database: OK takes what the user entered as ChannelValues, and the caller stores
// them with the model's AddChannelWith or StoreChannel (which classify the channel
// as TV or radio by its video PID, renumber and make the satellite current).
//
// Use: PrepareNew or PrepareEdit, then exec(). Tests may fill the controls (found by
// object name or through the accessors) and call Store() instead of exec().
#pragma once

#include "views/common/DialogLayout.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

#include "model/EditOperations.h"

namespace vormante {

class ChannelDialog : public QDialog {
    Q_OBJECT

public:
    explicit ChannelDialog(QWidget* parent = nullptr);

    void PrepareNew(const QString& caption, const vormante::ChannelDatabase& database, int transponderSlot,
                    int satelliteSlot, bool placeSelectable);
    void PrepareEdit(const QString& caption, const vormante::ChannelDatabase& database, int transponderSlot,
                     int satelliteSlot, int channelSlot, bool placeSelectable);

    // Performs OK: takes the entered values and closes the dialog as OK. Returns
    // false, leaving the dialog open, while no transponder is chosen.
    bool Store();

    // After OK: what the user entered, and whether it makes a TV channel.
    const vormante::ChannelValues& values() const { return values_; }
    bool isNew() const { return isNew_; }
    // The command that stored the values says what became of them: a new channel's
    // slot, or -1 when the table was full.
    void Stored(int slot);
    bool isTv() const { return isTv_; }
    int channelSlot() const { return channelSlot_; }
    int satelliteSlot() const { return satelliteSlot_; }
    int transponderSlot() const { return transponderSlot_; }

    QLineEdit* nameEdit() const { return nameEdit_; }
    QLineEdit* videoPidEdit() const { return videoPidEdit_; }
    QLineEdit* audioPidEdit() const { return audioPidEdit_; }
    QLineEdit* pcrPidEdit() const { return pcrPidEdit_; }
    QLineEdit* teletextPidEdit() const { return teletextPidEdit_; }
    QComboBox* satelliteCombo() const { return satelliteCombo_; }
    QComboBox* transponderCombo() const { return transponderCombo_; }
    QCheckBox* lockCheck() const { return lockCheck_; }
    QCheckBox* favCheck(int n) const; // n = 1..4
    QCheckBox* scrambledCheck() const { return scrambledCheck_; }
    QPushButton* okButton() const { return buttons_.ok; }

private:
    // Each PID box holds 0..8191; the first that does not is named in a message.
    bool pidsInRange();
    void Prepare(const QString& caption, const vormante::ChannelDatabase& database, int transponderSlot,
                 int satelliteSlot, bool placeSelectable);
    void FillSatellites();
    void FillTransponders();
    void satelliteChosen(int position);
    void transponderChosen(int position);
    bool transponderChosenValid() const;
    void UpdateOkButton();
    unsigned ReadPid(const QLineEdit* edit) const;

    const vormante::ChannelDatabase* database_ = nullptr;
    vormante::ChannelValues values_;
    bool isNew_ = false;
    int channelSlot_ = -1;
    int transponderSlot_ = -1;
    int satelliteSlot_ = -1;
    bool placeSelectable_ = false;
    bool isTv_ = false;
    std::vector<int> satelliteSlots_;   // the satellite of each item of satelliteCombo_
    std::vector<int> transponderSlots_; // the transponder of each item of transponderCombo_

    QLineEdit* nameEdit_;
    QLineEdit* videoPidEdit_;
    QLineEdit* audioPidEdit_;
    QLineEdit* pcrPidEdit_;
    QLineEdit* teletextPidEdit_;
    QComboBox* satelliteCombo_;
    QComboBox* transponderCombo_;
    QCheckBox* lockCheck_;
    QCheckBox* fav1Check_;
    QCheckBox* fav2Check_;
    QCheckBox* fav3Check_;
    QCheckBox* fav4Check_;
    QCheckBox* scrambledCheck_;
    EditButtons buttons_;
};

} // namespace vormante
