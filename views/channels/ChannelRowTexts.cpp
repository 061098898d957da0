#include "views/channels/ChannelRowTexts.h"

#include "document/StepNames.h"
#include "model/ChannelDatabase.h"

namespace channelrow {

namespace {
QString YesNo(bool set) {
    return set ? QStringLiteral("Y") : QStringLiteral("N");
}
} // namespace

QString ColumnSpec() {
    return QStringLiteral("No,20;Channel Name,80;v pid,45;a pid,45;pcr pid,55;txt pid,50;lock,40;scr,30;"
                          "fav 1,40;fav 2,30;fav 3,30;fav 4,30;CH No,30;Sat,60;TP,80");
}

QStringList RowTexts(const vormante::ChannelDatabase& database, int slot, int number) {
    const vormante::ConstChannelRecord channel = database.Channel(slot);
    QString satelliteName;
    QString transponderText;
    const int transponder = channel.transponder();
    if (vormante::IsTransponderSlot(transponder)) {
        const vormante::ConstTransponderRecord record = database.Transponder(transponder);
        transponderText = QStringLiteral("%1 %2 %3")
                              .arg(record.frequency())
                              .arg(record.symbolRate())
                              .arg(record.polarization() != 0 ? QLatin1Char('V') : QLatin1Char('H'));
        const int satellite = static_cast<int>(record.satellite());
        if (vormante::IsSatelliteSlot(satellite))
            satelliteName = steps::FromLatin1(database.Satellite(satellite).name());
    }
    return {QString::number(number),
            steps::FromLatin1(channel.name()),
            QString::number(channel.videoPid()),
            QString::number(channel.audioPid()),
            QString::number(channel.pcrPid()),
            QString::number(channel.teletextPid()),
            YesNo(channel.locked()),
            YesNo(channel.scrambled()),
            YesNo(channel.fav1()),
            YesNo(channel.fav2()),
            YesNo(channel.fav3()),
            YesNo(channel.fav4()),
            QString::number(channel.channelNumber()),
            satelliteName,
            transponderText};
}

QStringList PlaceholderRow() {
    QStringList texts;
    for (int i = 0; i < COLUMN_COUNT; ++i)
        texts << QString();
    return texts;
}

} // namespace channelrow
