#include "WidgetChecks.h"

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>
#include <QWidget>

namespace vormante::testsupport {
namespace {

QString Named(const QWidget* widget) {
    return QStringLiteral("%1 '%2'").arg(QLatin1String(widget->metaObject()->className()),
                                         widget->objectName());
}

// The width a text widget needs to show its text whole, or 0 when it does not hold one to check.
int NeededWidth(const QWidget* widget, QString* text) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return 0;
        *text = label->text();
        return label->minimumSizeHint().width();
    }
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (button == nullptr || qobject_cast<const QToolButton*>(widget) != nullptr || button->text().isEmpty())
        return 0;
    *text = button->text();
    return button->sizeHint().width();
}

} // namespace

QString FirstOverlap(const QWidget* root) {
    QList<const QWidget*> shown;
    for (const QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->isWindow())
            shown.append(child);
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                return QStringLiteral("%1 overlaps %2 in %3")
                    .arg(Named(shown[i]), Named(shown[j]), QLatin1String(root->metaObject()->className()));
        }
        const QString inside = FirstOverlap(shown[i]);
        if (!inside.isEmpty())
            return inside;
    }
    return {};
}

QString FirstCutText(const QWidget* root) {
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        QString text;
        const int needed = NeededWidth(widget, &text);
        if (needed > widget->width())
            return QStringLiteral("%1 \"%2\" is %3 pixels wide and needs %4")
                .arg(Named(widget), text)
                .arg(widget->width())
                .arg(needed);
    }
    return {};
}

} // namespace vormante::testsupport
