#include "Measure.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace vormante {

namespace bench {

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Timing Summarize(const std::vector<double>& values, const std::vector<double>& cpu) {
    if (values.empty())
        return {};
    return {Median(values), *std::min_element(values.begin(), values.end()), cpu.empty() ? -1 : Median(cpu)};
}

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Timing TimeMs(int runs, const std::function<void()>& setup, const std::function<void()>& body) {
    std::vector<double> times;
    std::vector<double> cpu;
    for (int run = 0; run < std::max(1, runs); ++run) {
        setup();
        const double cpuStart = ProcessCpuMs();
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(ProcessCpuMs() - cpuStart);
    }
    return Summarize(times, cpu);
}

void Report::Add(const QString& key, const QString& caption, double value, double limit,
                 const QString& unit) {
    figures_.push_back({key, caption, value, -1, -1, limit, unit});
}

void Report::Add(const QString& key, const QString& caption, Timing timing, double limit,
                 const QString& unit) {
    figures_.push_back({key, caption, timing.median, timing.best, timing.cpu, limit, unit});
}

int Report::Print() const {
    int over = 0;
    std::printf("%-44s %12s %12s %12s %10s\n", "figure", "median", "fastest", "cpu median", "limit");
    for (const Figure& figure : figures_) {
        const bool limited = figure.limit > 0;
        const bool ok = !limited || figure.value <= figure.limit;
        over += ok ? 0 : 1;
        auto text = [&](double number) {
            // Ratios and figures under 1 show a third decimal: 1.02 is a limit there.
            const int decimals = figure.unit.isEmpty() || number < 1 ? 3 : 2;
            return (QString::number(number, 'f', decimals) + ' ' + figure.unit).trimmed();
        };
        const QString value = text(figure.value);
        const QString best = figure.best < 0 ? QString() : text(figure.best);
        const QString cpu = figure.cpu < 0 ? QString() : text(figure.cpu);
        const QString limit =
            limited ? QString::number(figure.limit, 'g', 4) + ' ' + figure.unit : QStringLiteral("-");
        std::printf("%-44s %12s %12s %12s %10s  %s\n", qPrintable(figure.caption), qPrintable(value),
                    qPrintable(best), qPrintable(cpu), qPrintable(limit.trimmed()),
                    !limited ? ""
                    : ok     ? "ok"
                             : "OVER");
    }
    for (const QString& note : notes_)
        std::printf("  %s\n", qPrintable(note));
    std::fflush(stdout);
    return over;
}

bool Report::WriteJson(const QString& path) const {
    QJsonObject object;
    for (const Figure& figure : figures_) {
        // Three decimals are below the timer's noise and keep the file readable.
        object.insert(figure.key, std::round(figure.value * 1000) / 1000);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    return file.write(json) == json.size() && file.commit();
}

} // namespace bench

} // namespace vormante
