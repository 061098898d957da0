#include "views/channels/ChannelDialog.h"

#include "document/StepNames.h"
#include "model/RecordOperations.h"
#include "views/common/DialogLayout.h"
#include "views/common/NumberBoxes.h"
#include "views/common/SatellitePageText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vormante {

namespace {
constexpr int NAME_LENGTH = ChannelRecord::NAME_FIELD_SIZE;
constexpr int PID_LENGTH = 4;
constexpr int MAX_PID = 8191;
constexpr unsigned PID_MASK = 0x3FFF; // the PID fields are 14 bits wide

QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& text) {
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(QLatin1String(name));
    return check;
}
} // namespace

ChannelDialog::ChannelDialog(QWidget* parent)
    : QDialog(parent), nameEdit_(MakeEdit(this, "nameEdit", NAME_LENGTH)),
      videoPidEdit_(MakeEdit(this, "videoPidEdit", PID_LENGTH)),
      audioPidEdit_(MakeEdit(this, "audioPidEdit", PID_LENGTH)),
      pcrPidEdit_(MakeEdit(this, "pcrPidEdit", PID_LENGTH)),
      teletextPidEdit_(MakeEdit(this, "teletextPidEdit", PID_LENGTH)), satelliteCombo_(new QComboBox(this)),
      transponderCombo_(new QComboBox(this)),
      //: The channel flag that locks a channel behind the receiver's PIN.
      lockCheck_(MakeCheck(this, "lockCheck", tr("Lock:"))),
      //: Favourite list 1 (a channel flag).
      fav1Check_(MakeCheck(this, "fav1Check", tr("Fav 1:"))),
      //: Favourite list 2 (a channel flag).
      fav2Check_(MakeCheck(this, "fav2Check", tr("Fav 2:"))),
      //: Favourite list 3 (a channel flag).
      fav3Check_(MakeCheck(this, "fav3Check", tr("Fav 3:"))),
      //: Favourite list 4 (a channel flag).
      fav4Check_(MakeCheck(this, "fav4Check", tr("Fav 4:"))),
      //: The channel flag of an encrypted channel.
      scrambledCheck_(MakeCheck(this, "scrambledCheck", tr("Scrambled"))),
      buttons_(MakeEditButtons(this, tr("OK"), tr("Cancel"))) {
    satelliteCombo_->setObjectName(QStringLiteral("satelliteCombo"));
    transponderCombo_->setObjectName(QStringLiteral("transponderCombo"));

    auto* form = new QFormLayout;
    form->addRow(tr("Channel Name:"), nameEdit_);
    //: PID: the packet identifier of a stream in the transport stream.
    form->addRow(tr("Video PID:"), videoPidEdit_);
    form->addRow(tr("Audio PID:"), audioPidEdit_);
    //: PCR: the programme clock reference.
    form->addRow(tr("PCR PID:"), pcrPidEdit_);
    //: TTxt: teletext.
    form->addRow(tr("TTxt PID:"), teletextPidEdit_);
    form->addRow(tr("Satellite:"), satelliteCombo_);
    form->addRow(tr("TransponderID:"), transponderCombo_);

    auto* checks = new QGridLayout;
    checks->addWidget(lockCheck_, 0, 0);
    checks->addWidget(fav1Check_, 0, 1);
    checks->addWidget(fav2Check_, 0, 2);
    checks->addWidget(fav3Check_, 1, 0);
    checks->addWidget(fav4Check_, 1, 1);
    checks->addWidget(scrambledCheck_, 1, 2);

    auto* buttons = CenteredButtonRow(buttons_.ok, buttons_.cancel, 24);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(checks);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(buttons_.ok, &QPushButton::clicked, this, [this] { Store(); });
    numberbox::SelectAllOnFocusIn(this);
    connect(satelliteCombo_, &QComboBox::activated, this, &ChannelDialog::satelliteChosen);
    connect(transponderCombo_, &QComboBox::activated, this, &ChannelDialog::transponderChosen);
}

QCheckBox* ChannelDialog::favCheck(int n) const {
    switch (n) {
    case 1:
        return fav1Check_;
    case 2:
        return fav2Check_;
    case 3:
        return fav3Check_;
    case 4:
        return fav4Check_;
    default:
        return nullptr;
    }
}

void ChannelDialog::PrepareNew(const QString& caption, const ChannelDatabase& database, int transponderSlot,
                               int satelliteSlot, bool placeSelectable) {
    isNew_ = true;
    channelSlot_ = -1;
    isTv_ = false;
    // The receiver's own name for a new channel, stored as it stands: not translated.
    nameEdit_->setText(QStringLiteral("New Prog"));
    for (QLineEdit* edit : {videoPidEdit_, audioPidEdit_, pcrPidEdit_, teletextPidEdit_})
        edit->setText(QStringLiteral("0"));
    for (QCheckBox* check : {lockCheck_, fav1Check_, fav2Check_, fav3Check_, fav4Check_, scrambledCheck_})
        check->setChecked(false);
    Prepare(caption, database, transponderSlot, satelliteSlot, placeSelectable);
}

void ChannelDialog::PrepareEdit(const QString& caption, const ChannelDatabase& database, int transponderSlot,
                                int satelliteSlot, int channelSlot, bool placeSelectable) {
    isNew_ = false;
    channelSlot_ = channelSlot;
    isTv_ = false;
    if (IsChannelSlot(channelSlot)) {
        const ConstChannelRecord record = database.Channel(channelSlot);
        nameEdit_->setText(steps::FromLatin1(record.name()));
        videoPidEdit_->setText(QString::number(record.videoPid()));
        audioPidEdit_->setText(QString::number(record.audioPid()));
        pcrPidEdit_->setText(QString::number(record.pcrPid()));
        teletextPidEdit_->setText(QString::number(record.teletextPid()));
        lockCheck_->setChecked(record.locked());
        fav1Check_->setChecked(record.fav1());
        fav2Check_->setChecked(record.fav2());
        fav3Check_->setChecked(record.fav3());
        fav4Check_->setChecked(record.fav4());
        scrambledCheck_->setChecked(record.scrambled());
        isTv_ = record.serviceType() == ChannelRecord::SERVICE_TV;
    }
    Prepare(caption, database, transponderSlot, satelliteSlot, placeSelectable);
}

void ChannelDialog::Prepare(const QString& caption, const ChannelDatabase& database, int transponderSlot,
                            int satelliteSlot, bool placeSelectable) {
    setWindowTitle(caption);
    database_ = &database;
    transponderSlot_ = transponderSlot;
    satelliteSlot_ = satelliteSlot;
    placeSelectable_ = placeSelectable;
    // An edited channel stays on its satellite's chain, so only a new one may go to
    // another satellite.
    satelliteCombo_->setEnabled(placeSelectable && isNew_);
    transponderCombo_->setEnabled(placeSelectable);
    FillSatellites();
    FillTransponders();
    UpdateOkButton();
    buttons_.ok->setFocus();
}

void ChannelDialog::FillSatellites() {
    satelliteSlots_ = vormante::UsedSatellites(*database_);
    satelliteCombo_->clear();
    for (int slot : satelliteSlots_)
        satelliteCombo_->addItem(steps::FromLatin1(database_->Satellite(slot).name()));
    const auto found = std::find(satelliteSlots_.begin(), satelliteSlots_.end(), satelliteSlot_);
    const int position =
        found == satelliteSlots_.end() ? 0 : static_cast<int>(found - satelliteSlots_.begin());
    satelliteCombo_->setCurrentIndex(satelliteSlots_.empty() ? -1 : position);
    if (placeSelectable_ && isNew_ && !satelliteSlots_.empty())
        satelliteSlot_ = satelliteSlots_[static_cast<std::size_t>(position)];
}

void ChannelDialog::FillTransponders() {
    transponderSlots_ = vormante::ListedTransponders(*database_, satelliteSlot_);
    transponderCombo_->clear();
    for (int slot : transponderSlots_)
        transponderCombo_->addItem(satview::TransponderChoiceText(*database_, slot));
    const auto found = std::find(transponderSlots_.begin(), transponderSlots_.end(), transponderSlot_);
    const int position =
        found == transponderSlots_.end() ? 0 : static_cast<int>(found - transponderSlots_.begin());
    transponderCombo_->setCurrentIndex(transponderSlots_.empty() ? -1 : position);
    if (placeSelectable_ && !transponderSlots_.empty())
        transponderSlot_ = transponderSlots_[static_cast<std::size_t>(position)];
}

void ChannelDialog::satelliteChosen(int position) {
    if (position < 0 || position >= static_cast<int>(satelliteSlots_.size()))
        return;
    satelliteSlot_ = satelliteSlots_[static_cast<std::size_t>(position)];
    transponderSlots_ = vormante::ListedTransponders(*database_, satelliteSlot_);
    transponderCombo_->clear();
    for (int slot : transponderSlots_)
        transponderCombo_->addItem(satview::TransponderChoiceText(*database_, slot));
    if (!transponderSlots_.empty()) {
        transponderSlot_ = transponderSlots_.front();
        transponderCombo_->setCurrentIndex(0);
    }
    UpdateOkButton();
}

void ChannelDialog::transponderChosen(int position) {
    if (position < 0 || position >= static_cast<int>(transponderSlots_.size()))
        return;
    transponderSlot_ = transponderSlots_[static_cast<std::size_t>(position)];
    UpdateOkButton();
}

bool ChannelDialog::transponderChosenValid() const {
    if (!database_ || !IsSatelliteSlot(satelliteSlot_))
        return false;
    if (placeSelectable_)
        return std::find(transponderSlots_.begin(), transponderSlots_.end(), transponderSlot_) !=
               transponderSlots_.end();
    if (isNew_) {
        // The new record joins the chain of the transponder's satellite: that must be ours.
        if (!IsTransponderSlot(transponderSlot_))
            return false;
        const ConstTransponderRecord transponder = database_->Transponder(transponderSlot_);
        return transponder.isUsed() && static_cast<int>(transponder.satellite()) == satelliteSlot_;
    }
    return IsChannelSlot(channelSlot_);
}

void ChannelDialog::UpdateOkButton() {
    buttons_.ok->setEnabled(transponderChosenValid());
}

unsigned ChannelDialog::ReadPid(const QLineEdit* edit) const {
    return static_cast<unsigned>(satview::ReadNumber(edit->text().left(PID_LENGTH))) & PID_MASK;
}

bool ChannelDialog::pidsInRange() {
    const std::pair<QLineEdit*, const char*> boxes[] = {{videoPidEdit_, QT_TR_NOOP("Video PID")},
                                                        {audioPidEdit_, QT_TR_NOOP("Audio PID")},
                                                        {pcrPidEdit_, QT_TR_NOOP("PCR PID")},
                                                        //: TTxt: teletext.
                                                        {teletextPidEdit_, QT_TR_NOOP("TTxt PID")}};
    for (const auto& [edit, name] : boxes) {
        if (!numberbox::CheckRange(this, tr(name), satview::ReadNumber(edit->text().left(PID_LENGTH)), 0,
                                   MAX_PID)) {
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    return true;
}

bool ChannelDialog::Store() {
    if (!transponderChosenValid())
        return false;
    // The dialog stays open on the box to correct: nothing the user typed is cut or replaced.
    if (!numberbox::CheckName(this, tr("Channel Name"), nameEdit_->text(), NAME_LENGTH)) {
        nameEdit_->setFocus();
        return false;
    }
    if (!pidsInRange())
        return false;
    values_.name = satview::ToBytes(nameEdit_->text());
    values_.videoPid = ReadPid(videoPidEdit_);
    values_.audioPid = ReadPid(audioPidEdit_);
    values_.pcrPid = ReadPid(pcrPidEdit_);
    values_.teletextPid = ReadPid(teletextPidEdit_);
    values_.fav = {fav1Check_->isChecked(), fav2Check_->isChecked(), fav3Check_->isChecked(),
                   fav4Check_->isChecked()};
    values_.locked = lockCheck_->isChecked();
    values_.scrambled = scrambledCheck_->isChecked();
    // The model stores a PID of 0 as no PID; without a video PID the channel is radio.
    isTv_ = values_.videoPid != 0 && values_.videoPid != NULL_PID;
    accept();
    return true;
}

void ChannelDialog::Stored(int slot) {
    if (!isNew_)
        return;
    channelSlot_ = slot;
    if (!IsChannelSlot(slot))
        isTv_ = false;
}

} // namespace vormante
