#include "SessionSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QWidget>

namespace vormante {

namespace {
constexpr int MAX_SAVED_SIZE = 4000;

QString FolderKey(SessionSettings::Folder kind) {
    return kind == SessionSettings::Folder::Open ? QStringLiteral("folders/open")
                                                 : QStringLiteral("folders/saveAs");
}

QString ColumnKey(const QString& listName) {
    return QStringLiteral("columns/") + listName;
}
} // namespace

SessionSettings::SessionSettings(QSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings) {}

QString SessionSettings::DefaultSettingsPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("vormante/vormante.conf"));
}

void SessionSettings::SaveWindow(const QWidget* window) {
    settings_.setValue(QStringLiteral("window/geometry"), window->saveGeometry());
    settings_.sync();
}

bool SessionSettings::RestoreWindow(QWidget* window) const {
    const QByteArray geometry = settings_.value(QStringLiteral("window/geometry")).toByteArray();
    // restoreGeometry checks the data and keeps the window on a screen.
    return !geometry.isEmpty() && window->restoreGeometry(geometry);
}

QString SessionSettings::LastFolder(Folder kind) const {
    const QString folder = settings_.value(FolderKey(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void SessionSettings::RememberFile(Folder kind, const QString& filePath) {
    if (filePath.isEmpty())
        return;
    settings_.setValue(FolderKey(kind), QFileInfo(filePath).absolutePath());
    settings_.sync();
}

QString SessionSettings::LastPort() const {
    return settings_.value(QStringLiteral("transfer/port")).toString();
}

void SessionSettings::SetLastPort(const QString& port) {
    if (port.trimmed().isEmpty())
        return;
    settings_.setValue(QStringLiteral("transfer/port"), port.trimmed());
    settings_.sync();
}

QList<int> SessionSettings::ColumnWidths(const QString& listName) const {
    QList<int> widths;
    for (const QVariant& value : settings_.value(ColumnKey(listName)).toList()) {
        bool ok = false;
        const int width = value.toInt(&ok);
        widths.append(ok && width > 0 && width <= MAX_SAVED_SIZE ? width : 0);
    }
    return widths;
}

void SessionSettings::TrackColumnWidths(const QString& listName, QHeaderView* header) {
    const QList<int> saved = ColumnWidths(listName);
    for (int column = 0; column < header->count() && column < saved.size(); ++column) {
        if (saved.at(column) > 0)
            header->resizeSection(column, saved.at(column));
    }
    connect(header, &QHeaderView::sectionResized, this, [this, listName, header](int, int, int) {
        QVariantList widths;
        for (int column = 0; column < header->count(); ++column)
            widths.append(header->sectionSize(column));
        settings_.setValue(ColumnKey(listName), widths);
    });
}

void SessionSettings::TrackSplitter(const QString& name, QSplitter* splitter) {
    const QString key = QStringLiteral("splitters/%1").arg(name);
    QList<int> sizes;
    for (const QVariant& value : settings_.value(key).toList()) {
        bool ok = false;
        const int size = value.toInt(&ok);
        if (!ok || size <= 0 || size > MAX_SAVED_SIZE)
            break;
        sizes.append(size);
    }
    if (sizes.size() == splitter->count())
        splitter->setSizes(sizes);
    connect(splitter, &QSplitter::splitterMoved, this, [this, key, splitter](int, int) {
        QVariantList saved;
        for (int size : splitter->sizes())
            saved.append(size);
        settings_.setValue(key, saved);
    });
}

} // namespace vormante
