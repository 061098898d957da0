#include "PageTabCtrl.h"

#include <QEvent>

namespace vormante {

PageTabCtrl::PageTabCtrl(QWidget* parent) : QTabBar(parent) {
    setExpanding(false);
    setDrawBase(true);
    connect(this, &QTabBar::currentChanged, this, &PageTabCtrl::OnCurrentChanged);
}

bool PageTabCtrl::AddWindowToTab(QWidget* window, int tab) {
    if (window == nullptr || tab < 0 || tab >= count())
        return false;
    tabWindows_[tab].append(window);
    window->hide();
    return true;
}

int PageTabCtrl::SelectTab(int tab) {
    const int before = currentIndex();
    if (tab < 0 || tab >= count())
        return -1;
    selectingFromCode_ = true;
    setCurrentIndex(tab);
    selectingFromCode_ = false;
    OnSelChange();
    return before;
}

QList<QWidget*> PageTabCtrl::WindowsOfTab(int tab) const {
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : tabWindows_.value(tab)) {
        if (window)
            windows.append(window);
    }
    return windows;
}

void PageTabCtrl::OnCurrentChanged(int) {
    // The first tab inserted becomes current by itself, before any page exists:
    // that is no page change. SelectTab switches the pages itself.
    if (selectingFromCode_ || (previousTab_ < 0 && tabWindows_.isEmpty()))
        return;
    OnSelChange();
    Q_EMIT pageSelected(currentIndex());
}

void PageTabCtrl::OnSelChange() {
    const int tab = currentIndex();
    for (QWidget* window : WindowsOfTab(previousTab_))
        window->hide();
    for (QWidget* window : WindowsOfTab(tab))
        window->show();
    previousTab_ = tab;
}

void PageTabCtrl::changeEvent(QEvent* event) {
    QTabBar::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    const bool enabled = isEnabled();
    for (int tab = 0; tab < count(); ++tab) {
        for (QWidget* window : WindowsOfTab(tab))
            window->setEnabled(enabled);
    }
}

} // namespace vormante
