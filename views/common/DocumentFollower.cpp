#include "views/common/DocumentFollower.h"

#include "document/Document.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QWidget>

namespace vormante {

DocumentFollower::DocumentFollower(QWidget* page, FollowFunction follow)
    : QObject(page), page_(page), follow_(std::move(follow)) {
    page_->installEventFilter(this);
}

void DocumentFollower::Follow(Document& document) {
    if (document_ != nullptr && document_ != &document)
        disconnect(document_, nullptr, this, nullptr);
    document_ = &document;
    connect(&document, &Document::changed, this, &DocumentFollower::documentChanged, Qt::UniqueConnection);
}

const ChannelDatabase* DocumentFollower::database() const {
    return document_ != nullptr && document_->isOpen() ? &document_->database() : nullptr;
}

bool DocumentFollower::Change(const QString& name, const Operation& operation, const QString& mergeKey) {
    if (document_ == nullptr || !document_->isOpen())
        return false;
    bool changed = false;
    {
        const QScopedValueRollback changing(changing_, true);
        changed = document_->Apply(name, operation, mergeKey);
    }
    if (!changed)
        follow_(DocumentChange{}, true);
    return changed;
}

DocumentChange DocumentFollower::Everything() {
    DocumentChange change;
    change.settings = true;
    change.other = true;
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        change.satellites.push_back(s);
    for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
        change.transponders.push_back(t);
    for (int c = 0; c < CHANNEL_SLOTS; ++c)
        change.channels.push_back(c);
    return change;
}

bool DocumentFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_ && event->type() == QEvent::Show && stale_) {
        stale_ = false;
        follow_(Everything(), false);
    }
    return QObject::eventFilter(watched, event);
}

void DocumentFollower::documentChanged(const DocumentChange& change) {
    if (page_->isVisible() || changing_) {
        follow_(change, changing_);
        return;
    }
    stale_ = true;
}

} // namespace vormante
