#include "SystemSettingsPage.h"

#include "ChannelCounts.h"
#include "model/ChannelDatabase.h"
#include "model/SystemSettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QAbstractItemView>
#include <QVBoxLayout>

using vormante::SystemSettingsBlock;

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

SystemSettingsPage::SystemSettingsPage(QWidget* parent) : QWidget(parent) {
    auto* right = new QVBoxLayout;
    right->addWidget(buildStatusGroup());
    right->addWidget(buildLockGroup());
    right->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(buildSystemGroup());
    left->addStretch(1);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addStretch(1);
}

QComboBox* SystemSettingsPage::addList(QGridLayout* grid, int row, const QString& label, const QString& objectName,
                                       const QStringList& items,
                                       unsigned (SystemSettingsBlock::*get)() const,
                                       void (SystemSettingsBlock::*set)(unsigned), unsigned valueOffset) {
    auto* box = new QComboBox(this);
    box->setObjectName(objectName);
    box->setMinimumWidth(LIST_WIDTH);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setAccessibleName(label.trimmed());
    auto* text = new QLabel(label, this);
    text->setBuddy(box);
    grid->addWidget(text, row, 0);
    grid->addWidget(box, row, 1);
    lists_.push_back({box, get, set, valueOffset, items});
    const std::size_t index = lists_.size() - 1;
    connect(box, &QComboBox::currentIndexChanged, this,
            [this, index](int position) { writeSelection(lists_[index], position); });
    return box;
}

QComboBox* SystemSettingsPage::addFixedList(QGridLayout* grid, int row, const QString& label,
                                            const QString& objectName) {
    auto* box = new QComboBox(this);
    box->setObjectName(objectName);
    box->setMinimumWidth(LIST_WIDTH);
    box->addItem(QStringLiteral("English"));
    box->setEnabled(false);
    auto* text = new QLabel(label, this);
    text->setBuddy(box);
    grid->addWidget(text, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QLineEdit* SystemSettingsPage::addNumberBox(QGridLayout* grid, int row, const QString& label,
                                            const QString& objectName, int column) {
    auto* box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setMaximumWidth(NUMBER_WIDTH);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    auto* text = new QLabel(label, this);
    text->setBuddy(box);
    grid->addWidget(text, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

QGroupBox* SystemSettingsPage::buildSystemGroup() {
    auto* group = new QGroupBox(QStringLiteral("System Setting"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    addList(grid, row++, QStringLiteral("Menu Language"), QStringLiteral("menuLanguageComboBox"),
            ItemsOf(vormante::texts::MenuLanguages), &SystemSettingsBlock::menuLanguage,
            &SystemSettingsBlock::setMenuLanguage);
    mainAudioCombo_ = addFixedList(grid, row++, QStringLiteral("Main audio Lang"),
                                   QStringLiteral("mainAudioComboBox"));
    secondAudioCombo_ = addFixedList(grid, row++, QStringLiteral("2nd Audio Lang"),
                                     QStringLiteral("secondAudioComboBox"));
    addList(grid, row++, QStringLiteral("GMT Usage"), QStringLiteral("gmtUsageComboBox"),
            ItemsOf(vormante::texts::OffOn), &SystemSettingsBlock::gmtUsage, &SystemSettingsBlock::setGmtUsage);
    addList(grid, row++, QStringLiteral("Select Time Zone"), QStringLiteral("timeZoneComboBox"),
            ItemsOf(vormante::texts::TimeZones), &SystemSettingsBlock::timeZone, &SystemSettingsBlock::setTimeZone);
    addList(grid, row++, QStringLiteral("Summer Time"), QStringLiteral("summerTimeComboBox"),
            ItemsOf(vormante::texts::OffOn), &SystemSettingsBlock::summerTime,
            &SystemSettingsBlock::setSummerTime);
    timeOffsetEdit_ = addNumberBox(grid, row++, QStringLiteral("Time Offset"), QStringLiteral("timeOffsetEdit"));
    addList(grid, row++, QStringLiteral("Aspect"), QStringLiteral("aspectComboBox"),
            ItemsOf(vormante::texts::Aspect), &SystemSettingsBlock::aspectRatio,
            &SystemSettingsBlock::setAspectRatio);
    addList(grid, row++, QStringLiteral("Delay Time"), QStringLiteral("delayTimeComboBox"),
            ItemsOf(vormante::texts::DelayTime), &SystemSettingsBlock::delayTime,
            &SystemSettingsBlock::setDelayTime, 1);
    transparencyEdit_ = addNumberBox(grid, row++, QStringLiteral("Transparency"),
                                     QStringLiteral("transparencyEdit"));
    addList(grid, row++, QStringLiteral("Color"), QStringLiteral("colorComboBox"),
            ItemsOf(vormante::texts::ColorSystem), &SystemSettingsBlock::colorSystem,
            &SystemSettingsBlock::setColorSystem);
    addList(grid, row++, QStringLiteral("Sound"), QStringLiteral("soundComboBox"),
            ItemsOf(vormante::texts::SoundSystem), &SystemSettingsBlock::soundSystem,
            &SystemSettingsBlock::setSoundSystem);
    rfChannelEdit_ = addNumberBox(grid, row++, QStringLiteral(" RF Channel"), QStringLiteral("rfChannelEdit"));
    return group;
}

QGroupBox* SystemSettingsPage::buildStatusGroup() {
    auto* group = new QGroupBox(QStringLiteral("Status"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    tvNumEdit_ = addNumberBox(grid, row++, QStringLiteral("TV Num"), QStringLiteral("tvNumEdit"));
    tvNumEdit_->setEnabled(false);
    radioNumEdit_ = addNumberBox(grid, row++, QStringLiteral("Radio Num"), QStringLiteral("radioNumEdit"));
    radioNumEdit_->setEnabled(false);
    // The receiver's own dialog has this caption with an empty text beside it.
    totalChannelText_ = new QLabel(this);
    totalChannelText_->setObjectName(QStringLiteral("totalChannelLabel"));
    grid->addWidget(new QLabel(QStringLiteral("Total Channl"), this), row, 0);
    grid->addWidget(totalChannelText_, row++, 1);
    volumeLeftEdit_ = addNumberBox(grid, row++, QStringLiteral("Volume L"), QStringLiteral("volumeLeftEdit"));
    volumeRightEdit_ = addNumberBox(grid, row++, QStringLiteral("Volume R"), QStringLiteral("volumeRightEdit"));
    addList(grid, row++, QStringLiteral("StandBy"), QStringLiteral("standbyComboBox"),
            ItemsOf(vormante::texts::Standby), &SystemSettingsBlock::standby, &SystemSettingsBlock::setStandby);
    return group;
}

QGroupBox* SystemSettingsPage::buildLockGroup() {
    auto* group = new QGroupBox(QStringLiteral("Parent Lock"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    pinCodeEdit_ = new QLineEdit(this);
    pinCodeEdit_->setObjectName(QStringLiteral("pinCodeEdit"));
    pinCodeEdit_->setMaximumWidth(NUMBER_WIDTH);
    auto* pinLabel = new QLabel(QStringLiteral("PIN Code"), this);
    pinLabel->setBuddy(pinCodeEdit_);
    grid->addWidget(pinLabel, row, 0);
    grid->addWidget(pinCodeEdit_, row++, 1);
    addList(grid, row++, QStringLiteral("Lock Receiver"), QStringLiteral("lockReceiverComboBox"),
            ItemsOf(vormante::texts::Lock), &SystemSettingsBlock::lockReceiver,
            &SystemSettingsBlock::setLockReceiver);
    addList(grid, row++, QStringLiteral("Lock Menu"), QStringLiteral("lockMenuComboBox"),
            ItemsOf(vormante::texts::Lock), &SystemSettingsBlock::lockMenu, &SystemSettingsBlock::setLockMenu);
    return group;
}

void SystemSettingsPage::FillLists(vormante::ChannelDatabase& database) {
    database_ = &database;
    loading_ = true;
    for (const SettingList& list : lists_) {
        list.box->clear();
        list.box->addItems(list.items);
        list.box->setCurrentIndex(-1);
        // Long entries such as the time zones show in full in the drop-down.
        list.box->view()->setMinimumWidth(list.box->view()->sizeHintForColumn(0) + 24);
    }
    loading_ = false;
}

void SystemSettingsPage::LoadFromSettings() {
    if (!database_ || !database_->loaded())
        return;
    const SystemSettingsBlock settings = database_->Settings();
    loading_ = true;
    // A stored value with no list position shows no selection and stays as it is.
    for (const SettingList& list : lists_) {
        const long long position = static_cast<long long>((settings.*list.get)()) - list.valueOffset;
        list.box->setCurrentIndex(position >= 0 && position < list.box->count() ? static_cast<int>(position) : -1);
    }
    loading_ = false;

    mainAudioCombo_->setCurrentIndex(0);
    secondAudioCombo_->setCurrentIndex(0);
    timeOffsetEdit_->setText(QString::number(settings.timeOffset()));
    transparencyEdit_->setText(QString::number(settings.transparency()));
    rfChannelEdit_->setText(QString::number(settings.rfChannel()));
    volumeLeftEdit_->setText(QString::number(settings.volumeLeft()));
    volumeRightEdit_->setText(QString::number(settings.volumeRight()));
    const std::string pin = settings.pinCode();
    pinCodeEdit_->setText(QString::fromLatin1(pin.data(), static_cast<qsizetype>(pin.size())));

    const ChannelCounts counts = CurrentSatelliteChannelCounts(*database_);
    tvNumEdit_->setText(QString::number(counts.tv));
    radioNumEdit_->setText(QString::number(counts.radio));
}

void SystemSettingsPage::writeSelection(const SettingList& list, int position) {
    if (loading_ || position < 0 || !database_ || !database_->loaded())
        return;
    SystemSettingsBlock settings = database_->Settings();
    (settings.*list.set)(static_cast<unsigned>(position) + list.valueOffset);
}

void SystemSettingsPage::keyPressEvent(QKeyEvent* event) {
    // Escape on a tab page must not close anything.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
