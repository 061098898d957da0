// The satellite page's tables: the columns of its four lists and the items of their
// context menus. The texts are translated where they are shown, in the page's context.
#pragma once

#include "controls/ColumnListModel.h"
#include "views/satellites/SatellitePage.h"
#include "views/satellites/SatellitePageCommands.h"

#include <QtGlobal>

namespace vormante {

namespace satpage {

inline constexpr columnlist::ColumnCaption SATELLITE_COLUMNS[] = {
    //: Column: the running number of the row (not the answer "no").
    {QT_TRANSLATE_NOOP("SatellitePage", "No"), 20},
    //: Column: the satellite's name.
    {QT_TRANSLATE_NOOP("SatellitePage", "Sat Name"), 85},
    //: Column: the satellite's orbital position, e.g. 19.2E.
    {QT_TRANSLATE_NOOP("SatellitePage", "Pos"), 40},
    //: Column: the satellite's LNB type.
    {QT_TRANSLATE_NOOP("SatellitePage", "LNB Type"), 60},
};
inline constexpr columnlist::ColumnCaption TRANSPONDER_COLUMNS[] = {
    {QT_TRANSLATE_NOOP("SatellitePage", "No"), 20},
    //: Column: the transponder's frequency in MHz.
    {QT_TRANSLATE_NOOP("SatellitePage", "Freq"), 60},
    //: Column: the transponder's polarisation, V or H.
    {QT_TRANSLATE_NOOP("SatellitePage", "Pol"), 25},
    //: Column: the transponder's symbol rate.
    {QT_TRANSLATE_NOOP("SatellitePage", "Symbol Rate"), 60},
    //: Column: the transponder's record number.
    {QT_TRANSLATE_NOOP("SatellitePage", "TP ID"), 50},
};
inline constexpr columnlist::ColumnCaption LNB_COLUMNS[] = {
    {QT_TRANSLATE_NOOP("SatellitePage", "No"), 20},
    {QT_TRANSLATE_NOOP("SatellitePage", "LNB Type"), 70},
    //: Column: the LNB's low band local oscillator frequency.
    {QT_TRANSLATE_NOOP("SatellitePage", "LNB Freq Low"), 60},
    //: Column: the LNB's high band local oscillator frequency.
    {QT_TRANSLATE_NOOP("SatellitePage", "LNB Freq High"), 60},
    //: Column: the DiSEqC port; the protocol's name is usually kept.
    {QT_TRANSLATE_NOOP("SatellitePage", "DiSEqC"), 40},
    //: Column: the 22 kHz tone switch.
    {QT_TRANSLATE_NOOP("SatellitePage", "0/22KHz"), 30},
    //: Column: the 0/12 volt switch.
    {QT_TRANSLATE_NOOP("SatellitePage", "0/12V"), 30},
    //: Column: whether the receiver powers the LNB.
    {QT_TRANSLATE_NOOP("SatellitePage", "LNB Power"), 30},
};
inline constexpr columnlist::ColumnCaption CHANNEL_COLUMNS[] = {
    {QT_TRANSLATE_NOOP("SatellitePage", "No"), 20},
    //: Column: the channel's name.
    {QT_TRANSLATE_NOOP("SatellitePage", "Channel Name"), 80},
    //: Column: the video PID.
    {QT_TRANSLATE_NOOP("SatellitePage", "v pid"), 50},
    //: Column: the audio PID.
    {QT_TRANSLATE_NOOP("SatellitePage", "a pid"), 50},
    //: Column: the PCR (clock) PID.
    {QT_TRANSLATE_NOOP("SatellitePage", "pcr pid"), 60},
    //: Column: the teletext PID.
    {QT_TRANSLATE_NOOP("SatellitePage", "txt pid"), 60},
    //: Column: the channel is locked (parental lock), Y or N.
    {QT_TRANSLATE_NOOP("SatellitePage", "lock"), 40},
    //: Column: the channel is scrambled, Y or N.
    {QT_TRANSLATE_NOOP("SatellitePage", "scr"), 40},
    //: Column: the channel is in favourites list 1, Y or N.
    {QT_TRANSLATE_NOOP("SatellitePage", "fav 1"), 45},
    //: Column: the channel is in favourites list 2, Y or N.
    {QT_TRANSLATE_NOOP("SatellitePage", "fav 2"), 45},
    //: Column: the channel is in favourites list 3, Y or N.
    {QT_TRANSLATE_NOOP("SatellitePage", "fav 3"), 45},
    //: Column: the channel is in favourites list 4, Y or N.
    {QT_TRANSLATE_NOOP("SatellitePage", "fav 4"), 45},
    //: Column: the channel's number on the receiver.
    {QT_TRANSLATE_NOOP("SatellitePage", "CH No"), 60},
};

struct MenuItem {
    int list;
    int id;
    const char* text;
};
// "Del" is short for Delete in the menus.
inline constexpr MenuItem MENU_ITEMS[] = {
    {SatellitePage::SATELLITES, SatellitePageCommands::ADD_SATELLITE,
     QT_TRANSLATE_NOOP("SatellitePage", "Add Satellite...")},
    {SatellitePage::SATELLITES, SatellitePageCommands::EDIT_SATELLITE,
     QT_TRANSLATE_NOOP("SatellitePage", "Edit Satellite...")},
    //: Menu item: delete the satellite.
    {SatellitePage::SATELLITES, SatellitePageCommands::DEL_SATELLITE,
     QT_TRANSLATE_NOOP("SatellitePage", "Del Satellite")},
    {SatellitePage::SATELLITES, SatellitePageCommands::ADD_NEW_TRANSPONDER,
     QT_TRANSLATE_NOOP("SatellitePage", "Add new Transponder...")},
    {SatellitePage::TRANSPONDERS, SatellitePageCommands::ADD_TRANSPONDER,
     QT_TRANSLATE_NOOP("SatellitePage", "Add Transponder...")},
    {SatellitePage::TRANSPONDERS, SatellitePageCommands::EDIT_TRANSPONDER,
     QT_TRANSLATE_NOOP("SatellitePage", "Edit Transponder...")},
    //: Menu item: delete the transponder.
    {SatellitePage::TRANSPONDERS, SatellitePageCommands::DEL_TRANSPONDER,
     QT_TRANSLATE_NOOP("SatellitePage", "Del Transponder")},
    //: Menu item: add a channel (a program) on the transponder.
    {SatellitePage::TRANSPONDERS, SatellitePageCommands::ADD_PROGRAM,
     QT_TRANSLATE_NOOP("SatellitePage", "Add a Program...")},
    {SatellitePage::LNBS, SatellitePageCommands::EDIT_LNB, QT_TRANSLATE_NOOP("SatellitePage", "Edit LNB...")},
    {SatellitePage::CHANNELS, SatellitePageCommands::ADD_CHANNEL,
     QT_TRANSLATE_NOOP("SatellitePage", "Add Channel...")},
    {SatellitePage::CHANNELS, SatellitePageCommands::EDIT_CHANNEL,
     QT_TRANSLATE_NOOP("SatellitePage", "Edit Channel...")},
    //: Menu item: delete the channel.
    {SatellitePage::CHANNELS, SatellitePageCommands::DEL_CHANNEL,
     QT_TRANSLATE_NOOP("SatellitePage", "Del Channel")},
};
// The menus' titles; the untranslated ones name the menus' objects.
inline constexpr const char* MENU_TITLES[] = { //: Title of the satellite list's menu: short for satellite.
    QT_TRANSLATE_NOOP("SatellitePage", "SAT"),
    //: Title of the transponder list's menu: short for transponder.
    QT_TRANSLATE_NOOP("SatellitePage", "XPDR"),
    //: Title of the LNB list's frame and of its menu.
    QT_TRANSLATE_NOOP("SatellitePage", "LNB"),
    //: Title of the channel list's frame and of its menu.
    QT_TRANSLATE_NOOP("SatellitePage", "Channel")};

} // namespace satpage

} // namespace vormante
