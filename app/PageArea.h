#pragma once

#include <QWidget>

class QFrame;
class QProgressBar;

namespace vormante {

class BulkChannelCommands;
class ChannelListPage;
class PageTabCtrl;
class SatellitePage;
class SystemSettingsPage;
class Document;
struct ChannelMatch;

// The middle of the main window: the tab strip, the three pages lying in one place
// under it, and the progress bar. It knows which page is in front and passes the
// window's page commands (refresh, filter, show a found channel) to it.
class PageArea : public QWidget {
    Q_OBJECT

public:
    enum Tab { TAB_SATELLITES = 0, TAB_ALL_CHANNELS = 1, TAB_SETTINGS = 2 };

    explicit PageArea(QWidget* parent = nullptr);

    // Hands the pages the document they show.
    void Initialize(vormante::Document& document);

    PageTabCtrl* tabs() const { return tabs_; }
    QProgressBar* progressBar() const { return progress_; }
    SatellitePage* satellitePage() const { return satellitePage_; }
    ChannelListPage* channelListPage() const { return channelListPage_; }
    SystemSettingsPage* systemSettingsPage() const { return systemSettingsPage_; }
    int currentTab() const;

    // Fills the page of a tab again from the image.
    void RefreshPage(int tab);
    // After an image is opened: the satellite page's lists, and the page in front.
    void RefreshAfterOpening();
    // Puts the focus in the filter box of the channel list in front, if one is.
    void FocusFilter();
    // The bulk commands of the channel list in front; null on the settings page.
    BulkChannelCommands* frontChannelList() const;
    // Shows a found channel on the page in front; from the settings page, on the
    // all-channels page.
    void ShowChannel(const vormante::ChannelMatch& match);

private:
    // Made once, with the area, and never replaced.
    PageTabCtrl* const tabs_;
    QFrame* const pageFrame_; // where the pages lie
    SatellitePage* const satellitePage_;
    ChannelListPage* const channelListPage_;
    SystemSettingsPage* const systemSettingsPage_;
    QProgressBar* const progress_;
};

} // namespace vormante
