#include "controls/PageTabCtrl.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace vormante;

namespace {

// A window with a three-tab strip and one page per tab laid out beside it.
struct Strip {
    QWidget window;
    PageTabCtrl* tabs = new PageTabCtrl(&window);
    QWidget* pages[3] = {new QWidget(&window), new QWidget(&window), new QWidget(&window)};

    Strip() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(tabs);
        for (QWidget* page : pages)
            layout->addWidget(page);
        for (const char* label : {"Sat+LNB+TP+Channel", "All Channels Edit", "System setting"})
            tabs->addTab(label);
    }
    void Register() {
        for (int tab = 0; tab < 3; ++tab)
            QVERIFY(tabs->AddWindowToTab(pages[tab], tab));
    }
    bool Shown(int page) const { return !pages[page]->isHidden(); }
};

} // namespace

class TestPageTabCtrl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void registersOnlyUnderExistingTabs();
    void selectTabShowsOnlyThatTab();
    void enablingReachesHiddenPages();
    void userSelectionReportsPageAfterSwitching();
};

void TestPageTabCtrl::registersOnlyUnderExistingTabs() {
    Strip strip;
    strip.window.show();
    QVERIFY(!strip.tabs->AddWindowToTab(strip.pages[0], 3));
    QVERIFY(!strip.tabs->AddWindowToTab(strip.pages[0], -1));
    QVERIFY(!strip.tabs->AddWindowToTab(nullptr, 0));
    QVERIFY(strip.Shown(0)); // refused: left as it was
    strip.Register();
    for (int page = 0; page < 3; ++page)
        QVERIFY(!strip.Shown(page));
    QCOMPARE(strip.tabs->WindowsOfTab(1), QList<QWidget*>{strip.pages[1]});
    QCOMPARE(strip.tabs->previousTab(), -1);
}

void TestPageTabCtrl::selectTabShowsOnlyThatTab() {
    Strip strip;
    strip.Register();
    QSignalSpy selected(strip.tabs, &PageTabCtrl::pageSelected);

    QCOMPARE(strip.tabs->SelectTab(0), 0); // tab 0 was current since it was added
    QVERIFY(strip.Shown(0));
    QVERIFY(!strip.Shown(1) && !strip.Shown(2));
    QCOMPARE(strip.tabs->previousTab(), 0);

    QCOMPARE(strip.tabs->SelectTab(2), 0);
    QVERIFY(strip.Shown(2));
    QVERIFY(!strip.Shown(0) && !strip.Shown(1));

    QCOMPARE(strip.tabs->SelectTab(2), 2); // again: hidden and shown again, ends shown
    QVERIFY(strip.Shown(2));
    QCOMPARE(strip.tabs->SelectTab(5), -1);
    QVERIFY(strip.Shown(2));
    QCOMPARE(selected.count(), 0); // selecting from code refreshes nothing

    // A page registered under two tabs shows with either.
    auto* shared = new QWidget(&strip.window);
    QVERIFY(strip.tabs->AddWindowToTab(shared, 0));
    QVERIFY(strip.tabs->AddWindowToTab(shared, 1));
    strip.tabs->SelectTab(1);
    QVERIFY(!shared->isHidden());
    strip.tabs->SelectTab(0);
    QVERIFY(!shared->isHidden());
}

void TestPageTabCtrl::enablingReachesHiddenPages() {
    Strip strip;
    strip.Register();
    strip.tabs->SelectTab(1);
    strip.tabs->setEnabled(false);
    for (QWidget* page : strip.pages)
        QVERIFY(!page->isEnabled());
    QVERIFY(strip.Shown(1)); // disabled pages stay visible
    strip.tabs->setEnabled(true);
    for (QWidget* page : strip.pages)
        QVERIFY(page->isEnabled());
}

void TestPageTabCtrl::userSelectionReportsPageAfterSwitching() {
    Strip strip;
    strip.Register();
    strip.tabs->SelectTab(0);
    strip.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip.window));

    bool shownWhenReported = false;
    connect(strip.tabs, &PageTabCtrl::pageSelected, this,
            [&](int tab) { shownWhenReported = tab == 1 && strip.Shown(1) && !strip.Shown(0); });
    QSignalSpy selected(strip.tabs, &PageTabCtrl::pageSelected);
    QTest::mouseClick(strip.tabs, Qt::LeftButton, {}, strip.tabs->tabRect(1).center());
    QCOMPARE(selected.count(), 1);
    QVERIFY(shownWhenReported);

    strip.tabs->setEnabled(false); // a disabled strip ignores clicks
    QTest::mouseClick(strip.tabs, Qt::LeftButton, {}, strip.tabs->tabRect(2).center());
    QCOMPARE(strip.tabs->currentIndex(), 1);
    QCOMPARE(selected.count(), 1);
}

QTEST_MAIN(TestPageTabCtrl)
#include "tst_pagetabctrl.moc"
