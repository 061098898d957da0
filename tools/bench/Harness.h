// What the benches share: the pages set up as the main window holds them, and
// vormante-cli run against the receiver simulator.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace vormante {

class ChannelDatabase;
class ChannelListPage;
class Document;

namespace bench {

// Lets the pages finish what a change queued (repaints, deferred refills).
void Settle();

// Opens the image in the document, or loads it into db with its record pointers
// built; throws std::runtime_error when it does not load.
void LoadImage(Document& document, const std::vector<std::uint8_t>& image);
void LoadImage(ChannelDatabase& db, const std::vector<std::uint8_t>& image);

// The all-channels page at a usual size, on the document, shown and filled.
void ShowChannelPage(ChannelListPage& page, Document& document);
// Picks the page's satellite by its place in the satellite list; the page fills on its next Refresh.
void ChooseSatellite(ChannelListPage& page, int choice);

// Starts the receiver simulator with args; the pseudo-terminal it prints, or an
// empty text when it does not start (it is stopped then).
QString StartSimulator(QProcess& sim, const QString& toolDir, const QStringList& args);

// Starts vormante-cli with args and reads its status from standard error into
// progress until it exits or limitMs pass; onChunk sees each chunk with the
// nanoseconds since the start. Waits a second more for the exit; the nanoseconds
// at the end, and whether it exited.
struct CliEnd {
    qint64 nanoseconds = 0;
    bool finished = false;
};
CliEnd WatchCli(QProcess& cli, const QString& toolDir, const QStringList& args, int limitMs,
                QByteArray& progress,
                const std::function<void(qint64 now, const QByteArray& chunk)>& onChunk);

// Kills the cli and the simulator after a failed transfer and waits for both.
void StopBoth(QProcess& cli, QProcess& sim);

} // namespace bench

} // namespace vormante
