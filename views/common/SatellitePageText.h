// What the satellite page and its dialogs show for a record and how they read a
// typed number. Every slot taken from the image is range-checked here, so a
// damaged image cannot crash a view; the rows to list come from the model.
#pragma once

#include "model/ChannelDatabase.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QComboBox;

namespace vormante {

namespace satview {

// Reads a number like atoi: leading blanks, optional sign, digits up to the first
// non-digit; 0 when there are none. Values beyond the int range saturate.
int ReadNumber(const QString& text);

// Names are single-byte texts in the image; steps::FromLatin1 reads them.
std::string ToBytes(const QString& text);

// The index of the chosen item of a combo box. In a box whose text can be typed, a
// text that is not exactly one of the items counts as no choice (-1).
int ChosenIndex(const QComboBox& combo);

// Cell texts of one row, every column but "No".
QStringList SatelliteCells(const vormante::ChannelDatabase& db, int slot);
QStringList TransponderCells(const vormante::ChannelDatabase& db, int slot);
QStringList LnbCells(const vormante::ChannelDatabase& db, int type);
QStringList ChannelCells(const vormante::ChannelDatabase& db, int slot);

// The polarisation as the lists and dialogs show it: "V" or "H".
QString PolarizationText(bool vertical);

// "%d %d %c": frequency, symbol rate, 'V' or 'H'.
QString TransponderChoiceText(const vormante::ChannelDatabase& db, int slot);

} // namespace satview

} // namespace vormante
