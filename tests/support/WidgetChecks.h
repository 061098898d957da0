// Checks of a window's layout that the GUI tests share: nothing on top of something else, and no
// text cut short, in whatever language the window is shown.
#pragma once

#include <QString>

class QWidget;

namespace vormante::testsupport {

// The first pair of visible widgets side by side (same parent) that overlap, anywhere below root,
// named; empty when none do.
QString FirstOverlap(const QWidget* root);

// The first visible label, button or check box below root that is narrower than its text needs,
// named with its text; empty when every text is shown whole. Labels that wrap are left out: they
// grow downwards instead.
QString FirstCutText(const QWidget* root);

} // namespace vormante::testsupport
