// Timing helpers and the report of vormante-bench.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace bench {

double Median(std::vector<double> values);

// Runs setup (not timed) and then body (timed) `runs` times; the median in milliseconds.
double MedianMs(int runs, const std::function<void()>& setup, const std::function<void()>& body);
inline double MedianMs(int runs, const std::function<void()>& body) { return MedianMs(runs, [] {}, body); }

// One figure of the report: its JSON key, a caption, the value and its limit.
struct Figure {
    QString key;
    QString caption;
    double value = 0;
    double limit = 0; // 0: no limit
    QString unit; // "ms", "MB" or "" for ratios
};

class Report {
public:
    void Add(const QString& key, const QString& caption, double value, double limit, const QString& unit);
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
