// Dropping an image file on the main window: an event filter that accepts a
// drag carrying exactly one local file and reports the file when it is
// dropped. Whoever opens it asks the unsaved-changes question first.
#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace vormante {

class ImageDrop : public QObject {
    Q_OBJECT

public:
    // Watches `window` (and makes it accept drops); owned by it.
    explicit ImageDrop(QWidget* window);

    // The one local file a drag carries, or empty when it carries anything else.
    static QString DroppedFile(const QMimeData* data);

Q_SIGNALS:
    void imageDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vormante
