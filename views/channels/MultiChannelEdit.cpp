#include "views/channels/MultiChannelEdit.h"

#include "document/StepNames.h"
#include "model/ChannelDatabase.h"
#include "views/channels/ChannelDialog.h"
#include "views/common/SatellitePageText.h"

#include <QCheckBox>
#include <QLineEdit>

namespace vormante {

using vormante::ChannelDatabase;
using vormante::ConstChannelRecord;

namespace {

bool FlagOf(ConstChannelRecord record, int which) {
    switch (which) {
    case 0:
        return record.locked();
    case 1:
        return record.fav1();
    case 2:
        return record.fav2();
    case 3:
        return record.fav3();
    case 4:
        return record.fav4();
    default:
        return record.scrambled();
    }
}

QString TextOf(ConstChannelRecord record, int which) {
    switch (which) {
    case 0:
        return steps::FromLatin1(record.name());
    case 1:
        return QString::number(record.videoPid());
    case 2:
        return QString::number(record.audioPid());
    case 3:
        return QString::number(record.pcrPid());
    default:
        return QString::number(record.teletextPid());
    }
}

} // namespace

MultiChannelEdit::MultiChannelEdit(ChannelDialog& dialog, const ChannelDatabase& db,
                                   std::vector<int> channels)
    : dialog_(dialog), channels_(std::move(channels)) {
    if (channels_.empty())
        return;
    const int first = channels_.front();
    const int transponder = db.Channel(first).transponder();
    const int satellite = vormante::IsTransponderSlot(transponder)
                              ? static_cast<int>(db.Transponder(transponder).satellite())
                              : -1;
    dialog.PrepareEdit(StepName(), db, transponder, satellite, first, false);

    QLineEdit* edits[5] = {dialog.nameEdit(), dialog.videoPidEdit(), dialog.audioPidEdit(),
                           dialog.pcrPidEdit(), dialog.teletextPidEdit()};
    for (int i = 0; i < 5; ++i) {
        const QString value = TextOf(db.Channel(first), i);
        bool same = true;
        for (const int c : channels_)
            same = same && TextOf(db.Channel(c), i) == value;
        if (!same) {
            edits[i]->clear();
            //: Shown in an empty box whose value differs between the channels edited.
            edits[i]->setPlaceholderText(tr("(several)"));
        }
        texts_[i] = {edits[i], edits[i]->text()};
    }
    QCheckBox* boxes[6] = {dialog.lockCheck(), dialog.favCheck(1), dialog.favCheck(2),
                           dialog.favCheck(3), dialog.favCheck(4), dialog.scrambledCheck()};
    for (int i = 0; i < 6; ++i) {
        int on = 0;
        for (const int c : channels_)
            on += FlagOf(db.Channel(c), i) ? 1 : 0;
        const int count = static_cast<int>(channels_.size());
        // A mixed box cycles mixed -> on -> off; a box the user leaves mixed keeps each
        // channel's value.
        boxes[i]->setTristate(on != 0 && on != count);
        boxes[i]->setCheckState(on == 0 ? Qt::Unchecked : on == count ? Qt::Checked : Qt::PartiallyChecked);
        checks_[i] = {boxes[i], boxes[i]->checkState()};
    }
}

QString MultiChannelEdit::StepName() const {
    const int count = static_cast<int>(channels_.size());
    //: The title of the dialog and the name of the edit step.
    return tr("Edit %n channels", nullptr, count);
}

vormante::ChannelFieldEdits MultiChannelEdit::Edits() const {
    vormante::ChannelFieldEdits edits;
    if (channels_.empty())
        return edits;
    const vormante::ChannelValues& values = dialog_.values();
    // Only fields whose text or state differs from what the dialog opened with.
    auto changed = [&](int i) { return texts_[i].edit->text() != texts_[i].initial; };
    if (changed(0))
        edits.name = values.name;
    if (changed(1))
        edits.videoPid = values.videoPid;
    if (changed(2))
        edits.audioPid = values.audioPid;
    if (changed(3))
        edits.pcrPid = values.pcrPid;
    if (changed(4))
        edits.teletextPid = values.teletextPid;
    std::optional<bool> flags[6];
    for (int i = 0; i < 6; ++i) {
        const int state = checks_[i].check->checkState();
        if (state != checks_[i].initial && state != Qt::PartiallyChecked)
            flags[i] = state == Qt::Checked;
    }
    edits.locked = flags[0];
    edits.fav = {flags[1], flags[2], flags[3], flags[4]};
    edits.scrambled = flags[5];
    return edits;
}

} // namespace vormante
