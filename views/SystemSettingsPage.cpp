#include "SystemSettingsPage.h"

SystemSettingsPage::SystemSettingsPage(QWidget* parent) : QWidget(parent) {}

void SystemSettingsPage::FillLists(vormante::ChannelDatabase& database) { database_ = &database; }

void SystemSettingsPage::LoadFromSettings() {}
