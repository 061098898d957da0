// What the editor remembers between runs: the main window's size and place,
// the folders of the last Open and Save as, the last serial port used, the
// column widths and splitter positions the user dragged. Everything lives in one QSettings, which the
// tests point at a temporary file.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QHeaderView;
class QSettings;
class QSplitter;
class QWidget;

namespace vormante {

class SessionSettings : public QObject {
    Q_OBJECT

public:
    enum class Folder { Open, SaveAs };

    // `settings` must outlive this object.
    explicit SessionSettings(QSettings& settings, QObject* parent = nullptr);

    // The settings of the installed program: ~/.config/vormante/vormante.conf.
    static QString DefaultSettingsPath();

    void SaveWindow(const QWidget* window);
    // False (and the window as it was) when nothing usable was saved.
    bool RestoreWindow(QWidget* window) const;

    // The folder to start a file dialog in: the last one used for that kind of
    // dialog while it still exists, else empty (the dialog's own default).
    QString LastFolder(Folder kind) const;
    // Remembers the folder of a file just opened or saved.
    void RememberFile(Folder kind, const QString& filePath);

    QString LastPort() const;
    void SetLastPort(const QString& port);

    // Gives a list's columns the widths saved under `listName`, then saves every
    // width the user drags from now on. Saved widths for columns the list no
    // longer has, or that are not sensible, are ignored.
    void TrackColumnWidths(const QString& listName, QHeaderView* header);
    QList<int> ColumnWidths(const QString& listName) const;

    // Gives a splitter the sizes saved under `name`, then saves where the user
    // drags it from now on. Sizes that do not fit the splitter are ignored.
    void TrackSplitter(const QString& name, QSplitter* splitter);

private:
    QSettings& settings_;
};

} // namespace vormante
