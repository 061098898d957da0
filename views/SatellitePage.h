// Placeholder until the page is built: the main window's interface to it.
#pragma once

#include <QWidget>

namespace vormante {
class ChannelDatabase;
}

class SatellitePage : public QWidget {
    Q_OBJECT

public:
    explicit SatellitePage(QWidget* parent = nullptr);

    void Initialize(vormante::ChannelDatabase& database);
    void RefreshList(int which);

private:
    vormante::ChannelDatabase* database_ = nullptr;
};
