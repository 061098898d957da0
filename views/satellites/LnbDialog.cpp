#include "views/satellites/LnbDialog.h"

#include "model/ChannelDatabase.h"
#include "views/common/DialogLayout.h"
#include "views/common/NumberBoxes.h"
#include "views/common/SatellitePageText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vormante {

namespace {
constexpr unsigned NO_BAND_INDEX = 31; // stored when the box shows a typed frequency
constexpr long long KHZ_PER_MHZ = 1000;

template <std::size_t N> QStringList Items(const std::array<const char*, N>& list) {
    QStringList items;
    for (const char* text : list)
        items << QString::fromLatin1(text);
    return items;
}

QComboBox* MakeCombo(QWidget* parent, const char* name, const QStringList& items, bool typed = false) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(typed);
    if (typed)
        combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    return combo;
}

QStringList FrequencyItems() {
    QStringList items;
    for (auto mhz : LNB_FREQUENCY_TABLE)
        items << QString::number(mhz);
    return items;
}

QStringList TypeItems() {
    QStringList items;
    for (int type = 0; type < LNB_TYPES; ++type)
        items << QString::fromStdString(texts::LnbTypeName(type));
    return items;
}

// Selects the first item that begins with the text, ignoring case; when none does,
// the box shows the text itself with no item chosen, so OK stores it unchanged.
void SelectByPrefix(QComboBox* combo, const QString& text) {
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            combo->setCurrentIndex(i);
            return;
        }
    }
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

// An index with no item leaves the box without a choice.
void SelectIndex(QComboBox* combo, unsigned index) {
    combo->setCurrentIndex(index < static_cast<unsigned>(combo->count()) ? static_cast<int>(index) : -1);
}

// The frequency in kHz that a box's text gives: its leading number x 1000, cut to 32 bits.
std::uint32_t KiloHertz(const QComboBox* combo) {
    return static_cast<std::uint32_t>(static_cast<long long>(satview::ReadNumber(combo->currentText())) *
                                      KHZ_PER_MHZ);
}
} // namespace

LnbDialog::LnbDialog(QWidget* parent)
    : QDialog(parent), typeCombo_(MakeCombo(this, "typeCombo", TypeItems())),
      lowCombo_(MakeCombo(this, "lowCombo", FrequencyItems(), true)),
      highCombo_(MakeCombo(this, "highCombo", FrequencyItems(), true)),
      diseqcCombo_(MakeCombo(this, "diseqcCombo", Items(texts::DISEQC))),
      polarityControlCombo_(MakeCombo(this, "polarityControlCombo", Items(texts::CONTROL_MODE))),
      bandControlCombo_(MakeCombo(this, "bandControlCombo", Items(texts::CONTROL_MODE))),
      toneCombo_(MakeCombo(this, "toneCombo", Items(texts::TONE22K))),
      switch12VCombo_(MakeCombo(this, "switch12VCombo", Items(texts::OFF_ON))),
      powerCombo_(MakeCombo(this, "powerCombo", Items(texts::OFF_ON))),
      buttons_(MakeEditButtons(this, tr("OK"), tr("Cancel"))) {
    //: Dialog title: editing an LNB type.
    setWindowTitle(tr("LNB Edit"));
    // Typed frequencies are whole MHz.
    lowCombo_->lineEdit()->setMaxLength(7);
    highCombo_->lineEdit()->setMaxLength(7);

    auto* form = new QFormLayout;
    //: LNB: the low-noise block converter on the dish.
    form->addRow(tr("LNB Type"), typeCombo_);
    form->addRow(tr("LNB Freq Low"), lowCombo_);
    form->addRow(tr("LNB Freq High"), highCombo_);
    //: The dish switching protocol's name; usually kept as it is.
    form->addRow(tr("DiSEqC"), diseqcCombo_);
    form->addRow(tr("Polarity Control"), polarityControlCombo_);
    //: How the receiver switches the LNB between its low and high band.
    form->addRow(tr("FreqBaudControl"), bandControlCombo_);
    //: The 22 kHz tone sent to the LNB.
    form->addRow(tr("22kHz"), toneCombo_);
    //: The 12 volt switching output.
    form->addRow(tr("12V"), switch12VCombo_);
    form->addRow(tr("LNB Power"), powerCombo_);

    FinishEditDialog(this, form, buttons_);
    connect(buttons_.ok, &QPushButton::clicked, this, &LnbDialog::Store);
    connect(typeCombo_, &QComboBox::activated, this, &LnbDialog::typeChosen);
}

void LnbDialog::Prepare(const ChannelDatabase& database, int typeIndex) {
    database_ = &database;
    typeIndex_ = typeIndex >= 0 && typeIndex < LNB_TYPES ? typeIndex : 0;
    typeCombo_->setCurrentIndex(typeIndex_);
    ShowFrequencies(typeIndex_);
    const ConstLnbSlot slot = database.Settings().lnbSlot(typeIndex_);
    SelectIndex(diseqcCombo_, slot.diseqcItem());
    SelectIndex(polarityControlCombo_, slot.polarityControl());
    SelectIndex(bandControlCombo_, slot.bandControl());
    SelectIndex(toneCombo_, slot.tone22k());
    SelectIndex(switch12VCombo_, slot.switch12V());
    SelectIndex(powerCombo_, slot.lnbPower() ? 1 : 0);
    buttons_.ok->setFocus();
}

void LnbDialog::ShowFrequencies(int type) {
    const ConstSystemSettingsBlock settings = database_->Settings();
    const bool explicitPair = type < SystemSettingsBlock::EXPLICIT_FREQUENCY_TYPES;
    polarityControlCombo_->setEnabled(!explicitPair);
    bandControlCombo_->setEnabled(!explicitPair);
    if (explicitPair) {
        const LnbFrequencies frequencies = LnbFrequenciesOf(settings, type);
        SelectByPrefix(lowCombo_, QString::number(frequencies.lowMHz.value_or(0)));
        SelectByPrefix(highCombo_, QString::number(frequencies.highMHz.value_or(0)));
    } else {
        const ConstLnbSlot slot = settings.lnbSlot(type);
        SelectIndex(highCombo_, slot.highBandIndex());
        SelectIndex(lowCombo_, slot.lowBandIndex());
    }
}

void LnbDialog::typeChosen(int index) {
    if (index < 0 || index >= LNB_TYPES || !database_)
        return;
    typeIndex_ = index;
    ShowFrequencies(index);
}

void LnbDialog::Store() {
    if (!database_)
        return;
    values_ = LnbValues{};
    // A typed frequency has no index; an empty box (an index with no entry) keeps its value.
    auto bandIndex = [](const QComboBox* combo) -> std::optional<unsigned> {
        const int chosen = satview::ChosenIndex(*combo);
        if (chosen >= 0)
            return static_cast<unsigned>(chosen);
        if (combo->currentText().isEmpty())
            return std::nullopt;
        return NO_BAND_INDEX;
    };
    values_.lowBandIndex = bandIndex(lowCombo_);
    values_.highBandIndex = bandIndex(highCombo_);
    if (typeIndex_ >= SystemSettingsBlock::EXPLICIT_FREQUENCY_TYPES) {
        if (polarityControlCombo_->currentIndex() >= 0)
            values_.polarityControl = static_cast<unsigned>(polarityControlCombo_->currentIndex());
        if (bandControlCombo_->currentIndex() >= 0)
            values_.bandControl = static_cast<unsigned>(bandControlCombo_->currentIndex());
    } else {
        // The frequencies are stored in kHz in 32 bits: refuse typed MHz that do not fit.
        constexpr long long MAX_MHZ = 0xFFFFFFFFLL / KHZ_PER_MHZ;
        const std::pair<QComboBox*, const char*> boxes[] = {{lowCombo_, QT_TR_NOOP("LNB Freq Low")},
                                                            {highCombo_, QT_TR_NOOP("LNB Freq High")}};
        for (const auto& [combo, name] : boxes) {
            if (!numberbox::CheckRange(this, tr(name), satview::ReadNumber(combo->currentText()), 0,
                                       MAX_MHZ)) {
                combo->setFocus();
                return;
            }
        }
        values_.highKHz = KiloHertz(highCombo_);
        values_.lowKHz = KiloHertz(lowCombo_);
    }
    // A box that shows no item (its stored value had no text) leaves that value as it was.
    if (diseqcCombo_->currentIndex() >= 0)
        values_.diseqcItem = static_cast<unsigned>(diseqcCombo_->currentIndex());
    if (toneCombo_->currentIndex() >= 0)
        values_.tone22k = static_cast<unsigned>(toneCombo_->currentIndex());
    if (switch12VCombo_->currentIndex() >= 0)
        values_.switch12V = static_cast<unsigned>(switch12VCombo_->currentIndex());
    if (powerCombo_->currentIndex() >= 0)
        values_.lnbPower = powerCombo_->currentIndex() == 1;
    accept();
}

} // namespace vormante
