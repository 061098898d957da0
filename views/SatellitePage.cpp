#include "SatellitePage.h"

SatellitePage::SatellitePage(QWidget* parent) : QWidget(parent) {}

void SatellitePage::Initialize(vormante::ChannelDatabase& database) { database_ = &database; }

void SatellitePage::RefreshList(int) {}
