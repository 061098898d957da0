// The "System setting" tab page: the receiver-wide settings of the settings
// block. Every list stores its own field, as one step of the document's history, as
// soon as the user changes its selection; the number boxes and the PIN only show
// their values. The page follows the document: any change (an undo, say) shows again.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;
class QGridLayout;
class QGroupBox;

#include "model/EditOperations.h"

namespace vormante {

class ChannelDatabase;
class Document;
class DocumentFollower;

class SystemSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit SystemSettingsPage(QWidget* parent = nullptr);

    // Remembers the document and fills the lists; nothing is selected until a load.
    void FillLists(vormante::Document& document);
    // Shows the working copy's values; does nothing while no image is loaded.
    void LoadFromSettings();

private:
    // One editable list: its box and the field it shows and stores.
    struct SettingList {
        QComboBox* box = nullptr;
        vormante::SettingField field = vormante::SettingField::MenuLanguage;
        QString label;
        QStringList items;
    };
    // One number box: what it shows of the image.
    using NumberOf = std::function<long long(const vormante::ChannelDatabase&)>;
    struct ShownNumber {
        QLineEdit* box = nullptr;
        NumberOf value;
    };

    QComboBox* AddList(QGridLayout* grid, int row, const QString& label, const QString& objectName,
                       const QStringList& items, vormante::SettingField field);
    void AddFixedList(QGridLayout* grid, int row, const QString& label, const QString& objectName);
    QLineEdit* AddNumberBox(QGridLayout* grid, int row, const QString& label, const QString& objectName,
                            NumberOf value);
    QGroupBox* BuildSystemGroup();
    QGroupBox* BuildStatusGroup();
    QGroupBox* BuildLockGroup();
    void WriteSelection(const SettingList& list, int position);

    vormante::Document* document_ = nullptr;
    std::vector<SettingList> lists_;
    std::vector<ShownNumber> numbers_;
    QLineEdit* pinCodeEdit_ = nullptr;
    vormante::DocumentFollower* follower_;
};

} // namespace vormante
