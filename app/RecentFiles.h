// The "File" menu's list of recently opened and saved images: the last six,
// newest first, kept in the settings between runs. A file that is gone when
// picked is said to be gone and taken off the list.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QMenu;
class QSettings;
class QWidget;

namespace vormante {

class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int MAX_FILES = 6;

    // Reads the list from `settings`, which must outlive this object.
    explicit RecentFiles(QSettings& settings, QObject* parent = nullptr);

    QStringList files() const { return files_; }

    // Puts a file first (once, by its absolute path), dropping the oldest past six.
    void Add(const QString& path);
    void Remove(const QString& path);
    void Clear();

    // Keeps `menu` filled with the list ("&1 demo.bin" ... and "Clear list");
    // empty, the menu is disabled. Picking an entry emits openRequested, or,
    // when the file is gone, says so (in a message box owned by `owner`) and
    // takes it off the list.
    void AttachMenu(QMenu* menu, QWidget* owner);

    // Picks an entry as the menu does; true when openRequested was emitted.
    bool Pick(const QString& path);

    static QString GoneMessage(const QString& path);

Q_SIGNALS:
    void openRequested(const QString& path);
    void changed();

private:
    void Store();
    void FillMenu();

    QSettings& settings_;
    QStringList files_;
    QPointer<QMenu> menu_;
    QPointer<QWidget> owner_;
};

} // namespace vormante
