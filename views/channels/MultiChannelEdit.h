// The channel dialog for several channels at once. Fields whose values agree show
// that value; fields that differ show as mixed: a check box partially checked, a
// text box empty with "(several)" as its placeholder. After OK only the fields the
// user changed are written, to every channel, by EditChannels.
#pragma once

#include "model/BulkOperations.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class QCheckBox;
class QLineEdit;

namespace vormante {

class ChannelDialog;

class MultiChannelEdit {
    Q_DECLARE_TR_FUNCTIONS(MultiChannelEdit)

public:
    // Prepares the dialog for the channels (the first one gives the place shown).
    MultiChannelEdit(ChannelDialog& dialog, const vormante::ChannelDatabase& db, std::vector<int> channels);

    // After OK: the fields the user changed.
    vormante::ChannelFieldEdits Edits() const;
    const std::vector<int>& channels() const { return channels_; }
    // "Edit 12 channels".
    QString StepName() const;

private:
    struct TextField {
        QLineEdit* edit;
        QString initial;
    };
    struct CheckField {
        QCheckBox* check;
        int initial; // Qt::CheckState
    };

    ChannelDialog& dialog_;
    std::vector<int> channels_;
    TextField texts_[5] = {};   // name, video, audio, PCR, teletext
    CheckField checks_[6] = {}; // lock, fav 1..4, scrambled
};

} // namespace vormante
