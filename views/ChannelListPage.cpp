#include "ChannelListPage.h"

ChannelListPage::ChannelListPage(QWidget* parent) : QWidget(parent) {}

void ChannelListPage::Initialize(vormante::ChannelDatabase& database) { database_ = &database; }

void ChannelListPage::Refresh() {}
