// Keeps a page in step with its document. A change made elsewhere (another page,
// undo, redo, a list command) refills the page at once when it is visible, or
// when it is next shown. A change the page makes through ApplyOwn is not
// followed: the page's own command brings the page up to date as it wants.
#pragma once

#include <QObject>

#include <functional>

class QString;
class QWidget;

namespace vormante {
class ChannelDatabase;
class Document;
} // namespace vormante

class DocumentFollower : public QObject {
    Q_OBJECT

public:
    DocumentFollower(QWidget* page, std::function<void()> refill);

    // Follows `document` from now on; following the same document again is harmless.
    void Follow(vormante::Document& document);
    // Runs an operation as one step of the document without following it.
    // True when the image changed; false also when no document is followed.
    bool ApplyOwn(const QString& name, const std::function<void(vormante::ChannelDatabase&)>& operation);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void documentChanged();
    void refill();

    QWidget* page_;
    std::function<void()> refill_;
    vormante::Document* document_ = nullptr;
    int ownChange_ = 0;  // > 0 while the page's own command changes the document
    bool stale_ = false; // the document changed while the page was hidden
};
