// The program's icons from the resources: drawn as SVG so they stay sharp at
// any scale, with a 48-pixel PNG of each for a Qt without the SVG plug-in.
#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace vormante {

// Icon by name: "vormante", "open", "save", "saveas", "receive", "send", "about".
QIcon ProgramIcon(const QString& name);

// The names above, in that order.
QStringList ProgramIconNames();

// Whether ProgramIcon draws from the SVGs here.
bool ProgramIconsScale();

} // namespace vormante
