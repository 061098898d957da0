#include "PageArea.h"

#include "controls/PageTabCtrl.h"
#include "document/Document.h"
#include "model/ChannelSearch.h"
#include "views/channels/ChannelListPage.h"
#include "views/common/ListFilterBar.h"
#include "views/satellites/SatellitePage.h"
#include "views/settings/SystemSettingsPage.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vormante {

// The pages are not the strip's children: they lie over the frame under it, all in
// one cell, and the strip shows the page of its selected tab.
PageArea::PageArea(QWidget* parent)
    : QWidget(parent), tabs_(new PageTabCtrl(this)), pageFrame_(new QFrame(this)),
      satellitePage_(new SatellitePage(pageFrame_)), channelListPage_(new ChannelListPage(pageFrame_)),
      systemSettingsPage_(new SystemSettingsPage(pageFrame_)), progress_(new QProgressBar(this)) {
    tabs_->setObjectName(QStringLiteral("pageTabCtrl"));
    // The captions keep the main window's translation context, where they were first written.
    //: the tab of satellites, LNBs, transponders and their channels
    tabs_->addTab(QCoreApplication::translate("MainWindow", "Sat+LNB+TP+Channel"));
    tabs_->addTab(QCoreApplication::translate("MainWindow", "All Channels Edit"));
    tabs_->addTab(QCoreApplication::translate("MainWindow", "System setting"));

    pageFrame_->setObjectName(QStringLiteral("pageArea"));
    pageFrame_->setFrameShape(QFrame::StyledPanel);
    auto* pageLayout = new QGridLayout(pageFrame_);
    const QList<QWidget*> pages{satellitePage_, channelListPage_, systemSettingsPage_};
    for (int tab = 0; tab < pages.size(); ++tab) {
        QSizePolicy policy = pages[tab]->sizePolicy();
        policy.setRetainSizeWhenHidden(true); // the window fits the largest page
        pages[tab]->setSizePolicy(policy);
        pageLayout->addWidget(pages[tab], 0, 0);
        tabs_->AddWindowToTab(pages[tab], tab);
    }
    tabs_->SelectTab(TAB_SATELLITES);

    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(fontMetrics().height());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    auto* tabLayout = new QVBoxLayout;
    tabLayout->setContentsMargins(10, 0, 10, 0);
    tabLayout->setSpacing(0);
    tabLayout->addWidget(tabs_);
    tabLayout->addWidget(pageFrame_, 1);
    layout->addLayout(tabLayout, 1);
    layout->addWidget(progress_);
    connect(tabs_, &PageTabCtrl::pageSelected, this, &PageArea::RefreshPage);
}

void PageArea::Initialize(vormante::Document& document) {
    satellitePage_->Initialize(document);
    channelListPage_->Initialize(document);
    systemSettingsPage_->FillLists(document);
}

int PageArea::currentTab() const {
    return tabs_->currentIndex();
}

void PageArea::RefreshPage(int tab) {
    switch (tab) {
    case TAB_SATELLITES:
        satellitePage_->RefreshList(3);
        break;
    case TAB_ALL_CHANNELS:
        channelListPage_->Refresh();
        break;
    case TAB_SETTINGS:
        systemSettingsPage_->LoadFromSettings();
        break;
    default:
        break;
    }
}

void PageArea::RefreshAfterOpening() {
    for (int list = 0; list <= 3; ++list)
        satellitePage_->RefreshList(list);
    // A page shown in front would otherwise go on showing the image opened before.
    if (currentTab() != TAB_SATELLITES)
        RefreshPage(currentTab());
}

void PageArea::FocusFilter() {
    if (currentTab() == TAB_SATELLITES)
        satellitePage_->filterBar()->FocusFilter();
    else if (currentTab() == TAB_ALL_CHANNELS)
        channelListPage_->filterBar()->FocusFilter();
}

BulkChannelCommands* PageArea::frontChannelList() const {
    if (currentTab() == TAB_SATELLITES)
        return satellitePage_->channelBulk();
    return currentTab() == TAB_ALL_CHANNELS ? channelListPage_->bulk() : nullptr;
}

void PageArea::ShowChannel(const vormante::ChannelMatch& match) {
    if (currentTab() == TAB_SATELLITES) {
        satellitePage_->ShowChannel(match.satellite, match.transponder, match.tv, match.channel);
        return;
    }
    if (currentTab() != TAB_ALL_CHANNELS)
        tabs_->setCurrentIndex(TAB_ALL_CHANNELS);
    channelListPage_->ShowChannel(match.satellite, match.tv, match.channel);
}

} // namespace vormante
