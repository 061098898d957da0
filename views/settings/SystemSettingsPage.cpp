#include "views/settings/SystemSettingsPage.h"

#include "controls/ElidingComboBox.h"
#include "document/Document.h"
#include "document/StepNames.h"
#include "views/common/CommandGuard.h"
#include "views/common/DocumentFollower.h"

#include "model/ChannelDatabase.h"
#include "model/SystemSettings.h"
#include "views/common/ChannelCounts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vormante {

namespace {

template <std::size_t N> QStringList ItemsOf(const std::array<const char*, N>& list) {
    QStringList items;
    for (const char* text : list)
        items << QString::fromLatin1(text);
    return items;
}

constexpr int LIST_WIDTH = 110;
constexpr int NUMBER_WIDTH = 80;

} // namespace

SystemSettingsPage::SystemSettingsPage(QWidget* parent)
    : QWidget(parent), follower_(new vormante::DocumentFollower(
                           this, [this](const vormante::DocumentChange&, bool) { LoadFromSettings(); })) {
    auto* right = new QVBoxLayout;
    right->addWidget(BuildStatusGroup());
    right->addWidget(BuildLockGroup());
    right->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildSystemGroup());
    left->addStretch(1);

    // The two columns scroll when the window is lower than they are, so the
    // window itself can be made as small as a 640x480 screen.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("settingsContent"));
    auto* columns = new QHBoxLayout(content);
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addStretch(1);
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(content);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(scroller);

    // These boxes only show what the image holds: nothing typed into them would be
    // stored, so they take no typing and are drawn without the frame of an entry box,
    // in the desktop's own colours, to say so. The channel counts are greyed out instead.
    std::vector<QLineEdit*> shownOnly{pinCodeEdit_};
    for (const ShownNumber& number : numbers_)
        if (number.box->isEnabled())
            shownOnly.push_back(number.box);
    for (QLineEdit* box : shownOnly) {
        box->setReadOnly(true);
        box->setFrame(false);
        box->setBackgroundRole(QPalette::Window);
    }
}

QComboBox* SystemSettingsPage::AddList(QGridLayout* grid, int row, const QString& label,
                                       const QString& objectName, const QStringList& items,
                                       vormante::SettingField field) {
    // As wide as its longest entry where there is room, elided where there is not.
    auto* box = new ElidingComboBox(this);
    box->setObjectName(objectName);
    box->setMinimumWidth(LIST_WIDTH);
    box->setAccessibleName(label.trimmed());
    auto* text = new QLabel(label, this);
    text->setBuddy(box);
    grid->addWidget(text, row, 0);
    grid->addWidget(box, row, 1);
    lists_.push_back({box, field, label.trimmed(), items});
    const std::size_t index = lists_.size() - 1;
    // Only a choice that differs from what the image holds is stored, so showing the
    // image's values never writes.
    connect(box, &QComboBox::currentIndexChanged, this,
            [this, index](int position) { WriteSelection(lists_[index], position); });
    return box;
}

void SystemSettingsPage::AddFixedList(QGridLayout* grid, int row, const QString& label,
                                      const QString& objectName) {
    auto* box = new QComboBox(this);
    box->setObjectName(objectName);
    box->setMinimumWidth(LIST_WIDTH);
    // The receiver's only audio language, shown as it offers it: not translated.
    box->addItem(QStringLiteral("English"));
    box->setEnabled(false);
    auto* text = new QLabel(label, this);
    text->setBuddy(box);
    grid->addWidget(text, row, 0);
    grid->addWidget(box, row, 1);
}

QLineEdit* SystemSettingsPage::AddNumberBox(QGridLayout* grid, int row, const QString& label,
                                            const QString& objectName, NumberOf value) {
    auto* box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setMaximumWidth(NUMBER_WIDTH);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    auto* text = new QLabel(label, this);
    text->setBuddy(box);
    grid->addWidget(text, row, 0);
    grid->addWidget(box, row, 1);
    numbers_.push_back({box, std::move(value)});
    return box;
}

QGroupBox* SystemSettingsPage::BuildSystemGroup() {
    //: Group title: the receiver's system settings.
    auto* group = new QGroupBox(tr("System Setting"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    AddList(grid, row++, tr("Menu Language"), QStringLiteral("menuLanguageComboBox"),
            ItemsOf(vormante::texts::MENU_LANGUAGES), vormante::SettingField::MenuLanguage);
    //: The receiver's main audio language.
    AddFixedList(grid, row++, tr("Main audio Lang"), QStringLiteral("mainAudioComboBox"));
    //: The receiver's second audio language.
    AddFixedList(grid, row++, tr("2nd Audio Lang"), QStringLiteral("secondAudioComboBox"));
    //: Whether the receiver uses GMT (Off/On).
    AddList(grid, row++, tr("GMT Usage"), QStringLiteral("gmtUsageComboBox"),
            ItemsOf(vormante::texts::OFF_ON), vormante::SettingField::GmtUsage);
    AddList(grid, row++, tr("Select Time Zone"), QStringLiteral("timeZoneComboBox"),
            ItemsOf(vormante::texts::TIME_ZONES), vormante::SettingField::TimeZone);
    AddList(grid, row++, tr("Summer Time"), QStringLiteral("summerTimeComboBox"),
            ItemsOf(vormante::texts::OFF_ON), vormante::SettingField::SummerTime);
    //: The receiver's time offset.
    AddNumberBox(grid, row++, tr("Time Offset"), QStringLiteral("timeOffsetEdit"),
                 [](const ChannelDatabase& db) { return db.Settings().timeOffset(); });
    //: The TV picture's aspect ratio (4:3, 16:9).
    AddList(grid, row++, tr("Aspect"), QStringLiteral("aspectComboBox"), ItemsOf(vormante::texts::ASPECT),
            vormante::SettingField::Aspect);
    //: A receiver setting whose values are ALWAYS, 2 Sec .. 7 Sec.
    AddList(grid, row++, tr("Delay Time"), QStringLiteral("delayTimeComboBox"),
            ItemsOf(vormante::texts::DELAY_TIME), vormante::SettingField::DelayTime);
    //: The transparency of the receiver's on-screen display.
    AddNumberBox(grid, row++, tr("Transparency"), QStringLiteral("transparencyEdit"),
                 [](const ChannelDatabase& db) { return db.Settings().transparency(); });
    //: The TV colour system (Auto, PAL, NTSC).
    AddList(grid, row++, tr("Color"), QStringLiteral("colorComboBox"), ItemsOf(vormante::texts::COLOR_SYSTEM),
            vormante::SettingField::ColorSystem);
    //: The TV sound system (M, B/G, I, D/K).
    AddList(grid, row++, tr("Sound"), QStringLiteral("soundComboBox"), ItemsOf(vormante::texts::SOUND_SYSTEM),
            vormante::SettingField::SoundSystem);
    //: The UHF channel of the receiver's RF modulator output.
    AddNumberBox(grid, row++, tr(" RF Channel"), QStringLiteral("rfChannelEdit"),
                 [](const ChannelDatabase& db) { return db.Settings().rfChannel(); });
    return group;
}

QGroupBox* SystemSettingsPage::BuildStatusGroup() {
    //: Group title: figures the receiver keeps.
    auto* group = new QGroupBox(tr("Status"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    //: The number of TV channels.
    AddNumberBox(grid, row++, tr("TV Num"), QStringLiteral("tvNumEdit"), [](const ChannelDatabase& db) {
        return CurrentSatelliteChannelCounts(db).tv;
    })->setEnabled(false);
    //: The number of radio channels.
    AddNumberBox(grid, row++, tr("Radio Num"), QStringLiteral("radioNumEdit"), [](const ChannelDatabase& db) {
        return CurrentSatelliteChannelCounts(db).radio;
    })->setEnabled(false);
    // The receiver's own dialog has this caption with an empty text beside it.
    auto* totalChannelText = new QLabel(this);
    totalChannelText->setObjectName(QStringLiteral("totalChannelLabel"));
    //: The total number of channels (the receiver's own spelling).
    grid->addWidget(new QLabel(tr("Total Channl"), this), row, 0);
    grid->addWidget(totalChannelText, row++, 1);
    //: The left audio channel's volume.
    AddNumberBox(grid, row++, tr("Volume L"), QStringLiteral("volumeLeftEdit"),
                 [](const ChannelDatabase& db) { return db.Settings().volumeLeft(); });
    //: The right audio channel's volume.
    AddNumberBox(grid, row++, tr("Volume R"), QStringLiteral("volumeRightEdit"),
                 [](const ChannelDatabase& db) { return db.Settings().volumeRight(); });
    //: The receiver's standby setting (No/Yes).
    AddList(grid, row++, tr("StandBy"), QStringLiteral("standbyComboBox"), ItemsOf(vormante::texts::STANDBY),
            vormante::SettingField::Standby);
    return group;
}

QGroupBox* SystemSettingsPage::BuildLockGroup() {
    //: Group title: the parental lock.
    auto* group = new QGroupBox(tr("Parent Lock"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    pinCodeEdit_ = new QLineEdit(this);
    pinCodeEdit_->setObjectName(QStringLiteral("pinCodeEdit"));
    pinCodeEdit_->setMaximumWidth(NUMBER_WIDTH);
    //: The parental lock's PIN.
    auto* pinLabel = new QLabel(tr("PIN Code"), this);
    pinLabel->setBuddy(pinCodeEdit_);
    grid->addWidget(pinLabel, row, 0);
    grid->addWidget(pinCodeEdit_, row++, 1);
    //: Parental lock of the whole receiver (Free/Locked).
    AddList(grid, row++, tr("Lock Receiver"), QStringLiteral("lockReceiverComboBox"),
            ItemsOf(vormante::texts::LOCK), vormante::SettingField::LockReceiver);
    //: Parental lock of the receiver's menu (Free/Locked).
    AddList(grid, row++, tr("Lock Menu"), QStringLiteral("lockMenuComboBox"), ItemsOf(vormante::texts::LOCK),
            vormante::SettingField::LockMenu);
    return group;
}

void SystemSettingsPage::FillLists(vormante::Document& document) {
    document_ = &document;
    follower_->Follow(document);
    for (const SettingList& list : lists_) {
        const QSignalBlocker quiet(list.box);
        list.box->clear();
        list.box->addItems(list.items);
        list.box->setCurrentIndex(-1);
        // Long entries such as the time zones show in full in the drop-down.
        list.box->view()->setMinimumWidth(list.box->view()->sizeHintForColumn(0) + 24);
    }
}

void SystemSettingsPage::LoadFromSettings() {
    if (!document_ || !document_->isOpen())
        return;
    const vormante::ChannelDatabase& database = document_->database();
    // A stored value with no list position shows no selection and stays as it is.
    for (const SettingList& list : lists_)
        list.box->setCurrentIndex(vormante::SettingPosition(database, list.field, list.box->count()));
    for (const ShownNumber& number : numbers_)
        number.box->setText(QString::number(number.value(database)));
    pinCodeEdit_->setText(steps::FromLatin1(database.Settings().pinCode()));
}

void SystemSettingsPage::WriteSelection(const SettingList& list, int position) {
    const vormante::ChannelDatabase* database = follower_->database();
    if (position < 0 || database == nullptr ||
        position == vormante::SettingPosition(*database, list.field, list.box->count()))
        return;
    const vormante::SettingField field = list.field;
    RunGuarded(this, [&] {
        follower_->Change(
            //: The name of an edit step (Undo/Redo). %1: the setting's caption, %2: the value chosen.
            tr("%1 %2").arg(list.label, list.box->itemText(position)),
            [&](vormante::ChannelDatabase& db) { vormante::StoreSettingPosition(db, field, position); });
    });
}

} // namespace vormante
