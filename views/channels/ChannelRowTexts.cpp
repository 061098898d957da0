#include "views/channels/ChannelRowTexts.h"

#include "document/StepNames.h"
#include "model/ChannelDatabase.h"

#include <QCoreApplication>

namespace vormante {

namespace channelrow {

// Each caption translated on its own, the widths as they stand; a comma would end
// a caption early, so none is kept.
QString ColumnSpec() {
    static const struct {
        const char* caption;
        int width;
    } COLUMNS[] = {
        //: Column caption: the channel's place in the list.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "No"), 20},
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "Channel Name"), 80},
        //: Column caption: video PID.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "v pid"), 45},
        //: Column caption: audio PID.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "a pid"), 45},
        //: Column caption: PCR (programme clock reference) PID.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "pcr pid"), 55},
        //: Column caption: teletext PID.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "txt pid"), 50},
        //: Column caption: the lock flag.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "lock"), 40},
        //: Column caption: the scrambled (encrypted) flag.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "scr"), 30},
        //: Column caption: favourite list 1.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "fav 1"), 40},
        //: Column caption: favourite list 2.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "fav 2"), 30},
        //: Column caption: favourite list 3.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "fav 3"), 30},
        //: Column caption: favourite list 4.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "fav 4"), 30},
        //: Column caption: the channel number the receiver stores.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "CH No"), 30},
        //: Column caption: the satellite.
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "Sat"), 60},
        //: Column caption: the transponder (frequency, symbol rate, polarization).
        {QT_TRANSLATE_NOOP("ChannelRowTexts", "TP"), 80},
    };
    QStringList parts;
    for (const auto& column : COLUMNS)
        parts << QStringLiteral("%1,%2").arg(
            QCoreApplication::translate("ChannelRowTexts", column.caption).remove(QLatin1Char(',')),
            QString::number(column.width));
    return parts.join(QLatin1Char(';'));
}

QStringList RowTexts(const vormante::ChannelDatabase& database, int slot, int number) {
    const vormante::ConstChannelRecord channel = database.Channel(slot);
    QString satelliteName;
    QString transponderText;
    const int transponder = channel.transponder();
    if (vormante::IsTransponderSlot(transponder)) {
        const vormante::ConstTransponderRecord record = database.Transponder(transponder);
        transponderText =
            QStringLiteral("%1 %2 %3")
                .arg(record.frequency())
                .arg(record.symbolRate())
                //: Polarization: V(ertical).
                .arg(record.polarization() != 0 ? QCoreApplication::translate("ChannelRowTexts", "V")
                                                //: Polarization: H(orizontal).
                                                : QCoreApplication::translate("ChannelRowTexts", "H"));
        const int satellite = static_cast<int>(record.satellite());
        if (vormante::IsSatelliteSlot(satellite))
            satelliteName = steps::FromLatin1(database.Satellite(satellite).name());
    }
    // The two letters once a row, not once a cell: a refill builds thousands of cells.
    //: A flag column's cell: Y(es), the flag is set.
    const QString yes = QCoreApplication::translate("ChannelRowTexts", "Y");
    //: A flag column's cell: N(o), the flag is not set.
    const QString no = QCoreApplication::translate("ChannelRowTexts", "N");
    const auto yesNo = [&](bool set) { return set ? yes : no; };
    return {QString::number(number),
            steps::FromLatin1(channel.name()),
            QString::number(channel.videoPid()),
            QString::number(channel.audioPid()),
            QString::number(channel.pcrPid()),
            QString::number(channel.teletextPid()),
            yesNo(channel.locked()),
            yesNo(channel.scrambled()),
            yesNo(channel.fav1()),
            yesNo(channel.fav2()),
            yesNo(channel.fav3()),
            yesNo(channel.fav4()),
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

} // namespace vormante
