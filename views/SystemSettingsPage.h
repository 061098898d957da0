// The "System setting" tab page: the receiver-wide settings of the settings
// block. Every list writes its own field into the working copy as soon as its
// selection changes; the number boxes and the PIN only show their values.
#pragma once

#include <QWidget>

#include <vector>

class QComboBox;
class QLineEdit;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace vormante {
class ChannelDatabase;
class SystemSettingsBlock;
}

class SystemSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit SystemSettingsPage(QWidget* parent = nullptr);

    // Remembers the database and fills the lists; nothing is selected until a load.
    void FillLists(vormante::ChannelDatabase& database);
    // Shows the working copy's values; does nothing while no image is loaded.
    void LoadFromSettings();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One editable list: its box and the field it shows and writes.
    struct SettingList {
        QComboBox* box = nullptr;
        unsigned (vormante::SystemSettingsBlock::*get)() const = nullptr;
        void (vormante::SystemSettingsBlock::*set)(unsigned) = nullptr;
        unsigned valueOffset = 0; // stored value = list position + valueOffset
        QStringList items;
    };

    QComboBox* addList(QGridLayout* grid, int row, const QString& label, const QString& objectName,
                       const QStringList& items, unsigned (vormante::SystemSettingsBlock::*get)() const,
                       void (vormante::SystemSettingsBlock::*set)(unsigned), unsigned valueOffset = 0);
    QComboBox* addFixedList(QGridLayout* grid, int row, const QString& label, const QString& objectName);
    QLineEdit* addNumberBox(QGridLayout* grid, int row, const QString& label, const QString& objectName,
                            int column = 0);
    QGroupBox* buildSystemGroup();
    QGroupBox* buildStatusGroup();
    QGroupBox* buildLockGroup();
    void writeSelection(const SettingList& list, int position);

    vormante::ChannelDatabase* database_ = nullptr;
    std::vector<SettingList> lists_;
    bool loading_ = false;

    QComboBox* mainAudioCombo_ = nullptr;
    QComboBox* secondAudioCombo_ = nullptr;
    QLineEdit* timeOffsetEdit_ = nullptr;
    QLineEdit* transparencyEdit_ = nullptr;
    QLineEdit* rfChannelEdit_ = nullptr;
    QLineEdit* tvNumEdit_ = nullptr;
    QLineEdit* radioNumEdit_ = nullptr;
    QLabel* totalChannelText_ = nullptr;
    QLineEdit* volumeLeftEdit_ = nullptr;
    QLineEdit* volumeRightEdit_ = nullptr;
    QLineEdit* pinCodeEdit_ = nullptr;
};
