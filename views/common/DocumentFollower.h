// Keeps a page in step with its document. Every change of the image (a command of
// this page or of another, an undo, a redo, a list command) reaches the page's follow
// function with what the change touched: at once while the page is shown or has a
// command running, otherwise when it is next shown (then as a change of everything).
// A page makes its own changes through Change, the one path from a page to the
// document: the page follows them as it follows every change, and when the image
// did not change it is still brought to where its command asked it to be.
#pragma once

#include "document/DocumentChange.h"

#include <QObject>

#include <functional>

class QString;
class QWidget;

namespace vormante {

class ChannelDatabase;
class Document;

class DocumentFollower : public QObject {
    Q_OBJECT

public:
    using Operation = std::function<void(ChannelDatabase&)>;
    // `own`: the change is the page's own, made through Change.
    using FollowFunction = std::function<void(const DocumentChange& change, bool own)>;

    DocumentFollower(QWidget* page, FollowFunction follow);

    // Follows `document` from now on; following the same document again is harmless.
    void Follow(Document& document);
    Document* document() const { return document_; }
    // The open image, or none.
    const ChannelDatabase* database() const;

    // Runs an operation as one step of the document, named name (and merging with
    // the step before of the same merge key, see Document::Apply). True when the
    // image changed; false also when no image is open.
    bool Change(const QString& name, const Operation& operation, const QString& mergeKey = QString());

    // A change of everything, as a page shown after changes takes it.
    static DocumentChange Everything();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void documentChanged(const DocumentChange& change);

    QWidget* page_;
    FollowFunction follow_;
    Document* document_ = nullptr;
    bool changing_ = false; // a command of this page is changing the image
    bool stale_ = false;    // the document changed while the page was hidden
};

} // namespace vormante
