// After an image is opened: when its records do not fit together (broken chains,
// wrong counts or channel numbers), the user is told once, with the number of
// problems and, behind "Show Details...", one line per problem as the command-line
// checker prints them.
#pragma once

#include <QString>

class QWidget;

namespace vormante {

class ChannelDatabase;

namespace imageproblems {

// The message's first line: "demo.bin has 3 problems: ...".
QString Summary(const QString& fileName, int problems);
// Checks the image; with problems shows the message and returns their number.
int ReportAfterOpening(QWidget* parent, const vormante::ChannelDatabase& database, const QString& path);

} // namespace imageproblems

} // namespace vormante
