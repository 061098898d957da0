// Figures that take whole processes: the editor's start-up and memory, and paced
// transfers of vormante-cli through the receiver simulator.
#pragma once

#include "Measure.h"

#include <QString>

namespace vormante {

namespace bench {

// The child side of the start-up figure: runs the editor's application and main
// window on the image, and once the window has painted prints
// "shown <peak RSS in kB> <processor ms>" on standard output and leaves. Returns the exit code.
int RunStartupChild(int& argc, char** argv, const QString& image);

// Adds startup_ms and rss_mb: `runs` start-ups of this program as that child.
void RunStartupBench(const QString& self, const QString& image, int runs, Report& report);

// Adds transfer_send_ratio and transfer_receive_ratio; the tools are looked for in toolDir.
void RunTransferBench(const QString& toolDir, const QString& image, const QString& workDir, int runs,
                      Report& report);

} // namespace bench

} // namespace vormante
