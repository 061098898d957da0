#include "views/channels/ChannelRowTexts.h"

#include "document/StepNames.h"
#include "model/ChannelDatabase.h"
#include "views/common/SatellitePageText.h"

#include <QCoreApplication>

namespace vormante {

namespace channelrow {

// Each caption translated on its own when the list is built.
QList<columnlist::ColumnSpecEntry> ColumnSpec() {
    static constexpr columnlist::ColumnCaption COLUMNS[] = {
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
    return columnlist::TranslatedColumns("ChannelRowTexts", COLUMNS);
}

// The satellite page's cells of the channel, between its number and its place.
QStringList RowTexts(const vormante::ChannelDatabase& database, int slot, int number) {
    QString satelliteName;
    QString transponderText;
    const int transponder = database.Channel(slot).transponder();
    if (vormante::IsTransponderSlot(transponder)) {
        const vormante::ConstTransponderRecord record = database.Transponder(transponder);
        transponderText = QStringLiteral("%1 %2 %3")
                              .arg(record.frequency())
                              .arg(record.symbolRate())
                              .arg(satview::PolarizationText(record.polarization() != 0));
        const int satellite = static_cast<int>(record.satellite());
        if (vormante::IsSatelliteSlot(satellite))
            satelliteName = steps::FromLatin1(database.Satellite(satellite).name());
    }
    QStringList texts = satview::ChannelCells(database, slot);
    texts.prepend(QString::number(number));
    texts << satelliteName << transponderText;
    return texts;
}

QStringList PlaceholderRow() {
    QStringList texts;
    for (int i = 0; i < COLUMN_COUNT; ++i)
        texts << QString();
    return texts;
}

} // namespace channelrow

} // namespace vormante
