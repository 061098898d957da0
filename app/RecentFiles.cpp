#include "RecentFiles.h"

#include "controls/MessageBox.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace vormante {

namespace {
const QString KEY = QStringLiteral("recentFiles");

QString Absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

RecentFiles::RecentFiles(QSettings& settings, QObject* parent) : QObject(parent), settings_(settings) {
    // Settings files are edited by hand too: keep only sensible entries.
    for (const QString& path : settings_.value(KEY).toStringList()) {
        if (!path.isEmpty() && !files_.contains(path) && files_.size() < MAX_FILES)
            files_.append(path);
    }
}

void RecentFiles::Add(const QString& path) {
    if (path.isEmpty())
        return;
    const QString absolute = Absolute(path);
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > MAX_FILES)
        files_.removeLast();
    Store();
}

void RecentFiles::Remove(const QString& path) {
    if (files_.removeAll(path) + files_.removeAll(Absolute(path)) > 0)
        Store();
}

void RecentFiles::Clear() {
    files_.clear();
    Store();
}

void RecentFiles::Store() {
    settings_.setValue(KEY, files_);
    settings_.sync();
    FillMenu();
    Q_EMIT changed();
}

QString RecentFiles::GoneMessage(const QString& path) {
    return tr("The file %1 no longer exists. It has been taken off the list of recent files.")
        .arg(QDir::toNativeSeparators(path));
}

bool RecentFiles::Pick(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        MessageBox::information(owner_, GoneMessage(path));
        Remove(path);
        return false;
    }
    Q_EMIT openRequested(path);
    return true;
}

void RecentFiles::AttachMenu(QMenu* menu, QWidget* owner) {
    menu_ = menu;
    owner_ = owner;
    FillMenu();
}

void RecentFiles::FillMenu() {
    if (menu_ == nullptr)
        return;
    menu_->clear();
    for (int i = 0; i < files_.size(); ++i) {
        const QString path = files_.at(i);
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setData(path);
        // Queued: picking may refill the menu, which must not delete the action while it fires.
        connect(
            action, &QAction::triggered, this, [this, path] { Pick(path); }, Qt::QueuedConnection);
    }
    if (!files_.isEmpty()) {
        menu_->addSeparator();
        connect(menu_->addAction(tr("Clear list")), &QAction::triggered, this, &RecentFiles::Clear,
                Qt::QueuedConnection);
    }
    menu_->setEnabled(!files_.isEmpty());
}

} // namespace vormante
