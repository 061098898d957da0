// PageTabCtrl: the tab strip of the main window. Each tab owns a list of ordinary
// widgets (the pages) that are not its children: selecting a tab hides the widgets of
// the tab shown before and shows those of the new one; enabling or disabling the strip
// enables or disables the widgets of every tab, shown or hidden.
#pragma once

#include <QList>
#include <QMap>
#include <QPointer>
#include <QTabBar>

namespace vormante {

class PageTabCtrl : public QTabBar {
    Q_OBJECT

public:
    explicit PageTabCtrl(QWidget* parent = nullptr);

    // Registers a widget under an existing tab and hides it. False, and the widget
    // left as it was, when there is no such tab.
    bool AddWindowToTab(QWidget* window, int tab);
    // Selects a tab and switches the widgets as a click would, but without
    // pageSelected. Returns the tab selected before (-1 when none).
    int SelectTab(int tab);

    int previousTab() const { return previousTab_; }
    QList<QWidget*> WindowsOfTab(int tab) const;

Q_SIGNALS:
    // The user brought another tab to the front; its widgets are already shown.
    void pageSelected(int tab);

protected:
    void changeEvent(QEvent* event) override;

private:
    void OnSelChange();
    void OnCurrentChanged(int tab);

    int previousTab_ = -1;
    bool selectingFromCode_ = false;
    QMap<int, QList<QPointer<QWidget>>> tabWindows_;
};

} // namespace vormante
