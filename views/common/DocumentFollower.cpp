#include "DocumentFollower.h"

#include "document/Document.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QWidget>

DocumentFollower::DocumentFollower(QWidget* page, std::function<void()> refill)
    : QObject(page), page_(page), refill_(std::move(refill)) {
    page_->installEventFilter(this);
}

void DocumentFollower::Follow(vormante::Document& document) {
    if (document_ != nullptr && document_ != &document)
        disconnect(document_, nullptr, this, nullptr);
    document_ = &document;
    connect(&document, &vormante::Document::changed, this, &DocumentFollower::documentChanged,
            Qt::UniqueConnection);
}

bool DocumentFollower::ApplyOwn(const QString& name,
                                const std::function<void(vormante::ChannelDatabase&)>& operation) {
    if (document_ == nullptr)
        return false;
    const QScopedValueRollback own(ownChange_, ownChange_ + 1);
    return document_->Apply(name, operation);
}

bool DocumentFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_ && event->type() == QEvent::Show && stale_)
        refill();
    return QObject::eventFilter(watched, event);
}

void DocumentFollower::documentChanged() {
    if (ownChange_ > 0)
        return;
    if (page_->isVisible())
        refill();
    else
        stale_ = true;
}

void DocumentFollower::refill() {
    stale_ = false;
    refill_();
}
