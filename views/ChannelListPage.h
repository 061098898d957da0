// Placeholder until the page is built: the main window's interface to it.
#pragma once

#include <QWidget>

namespace vormante {
class ChannelDatabase;
}

class ChannelListPage : public QWidget {
    Q_OBJECT

public:
    explicit ChannelListPage(QWidget* parent = nullptr);

    void Initialize(vormante::ChannelDatabase& database);
    void Refresh();

private:
    vormante::ChannelDatabase* database_ = nullptr;
};
