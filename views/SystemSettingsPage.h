// Placeholder until the page is built: the main window's interface to it.
#pragma once

#include <QWidget>

namespace vormante {
class ChannelDatabase;
}

class SystemSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit SystemSettingsPage(QWidget* parent = nullptr);

    void FillLists(vormante::ChannelDatabase& database);
    void LoadFromSettings();

private:
    vormante::ChannelDatabase* database_ = nullptr;
};
