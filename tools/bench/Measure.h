// Timing helpers and the report of vormante-bench.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace vormante {

namespace bench {

double Median(std::vector<double> values);

// The median of repeated runs, the fastest one and the median processor time: on a
// busy machine the wall-clock median grows with the load, while the fastest run and
// the processor time stay near the work itself.
struct Timing {
    double median = 0;
    double best = 0;
    double cpu = -1; // -1 when not measured
};

Timing Summarize(const std::vector<double>& values, const std::vector<double>& cpu = {});
// Processor time of this process so far, in milliseconds.
double ProcessCpuMs();

// Runs setup (not timed) and then body (timed) `runs` times, in milliseconds.
Timing TimeMs(int runs, const std::function<void()>& setup, const std::function<void()>& body);
inline Timing TimeMs(int runs, const std::function<void()>& body) {
    return TimeMs(
        runs, [] {}, body);
}

// One figure of the report: its JSON key, a caption, the value and its limit.
struct Figure {
    QString key;
    QString caption;
    double value = 0;
    double best = -1; // the fastest run, or -1 when not told
    double cpu = -1;  // the median processor time, or -1 when not told
    double limit = 0; // 0: no limit
    QString unit;     // "ms", "MB" or "" for ratios
};

class Report {
public:
    void Add(const QString& key, const QString& caption, double value, double limit, const QString& unit);
    void Add(const QString& key, const QString& caption, Timing timing, double limit, const QString& unit);
    void Note(const QString& text) { notes_.push_back(text); }
    // A measurement that went wrong (a failed transfer, a list with the wrong rows).
    void Warn(const QString& text) {
        notes_.push_back(QStringLiteral("warning: ") + text);
        ++warnings_;
    }
    int warnings() const { return warnings_; }
    // The table on standard output; returns the number of figures over their limit.
    int Print() const;
    bool WriteJson(const QString& path) const;

private:
    std::vector<Figure> figures_;
    std::vector<QString> notes_;
    int warnings_ = 0;
};

} // namespace bench

} // namespace vormante
