// StatusLine: the main window's line about the open image. It shows the file's name
// (its full path as the tip), "Modified" while the image differs from the file, the
// image's channels by kind and how full the receiver's tables are:
//   demo.bin | Modified | TV 62, Radio 22 | Satellites 6/100, Transponders 24/2000, Channels 84/3000
// The main window calls Update after opening, every edit, undo and save.
#pragma once

#include "model/ChannelSearch.h"

#include <QString>
#include <QWidget>

class QLabel;

namespace vormante {

namespace statusline {
QString TotalsText(const vormante::ImageStatistics& figures);
QString TablesText(const vormante::ImageStatistics& figures);
} // namespace statusline

class StatusLine : public QWidget {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);

    // With no image loaded every part is empty. `path` may be empty for an image
    // that has no file yet.
    void Update(const vormante::ChannelDatabase& db, const QString& path, bool modified);
    void Clear();

    QString fileText() const;
    QString fileToolTip() const;
    QString modifiedText() const;
    QString totalsText() const;
    QString tablesText() const;
    // The visible parts joined with " | ", for tests and logs.
    QString text() const;

private:
    QLabel* file_;
    QLabel* modified_;
    QLabel* totals_;
    QLabel* tables_;
};

} // namespace vormante
