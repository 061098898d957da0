#include "ImageProblems.h"

#include "controls/MessageBox.h"
#include "model/ConsistencyCheck.h"

#include <QFileInfo>
#include <QStringList>

namespace imageproblems {

QString Summary(const QString& fileName, int problems) {
    return QStringLiteral("%1 has %2 %3: its chains, counts or channel numbers do not fit together.")
        .arg(fileName)
        .arg(problems)
        .arg(problems == 1 ? QStringLiteral("problem") : QStringLiteral("problems"));
}

int ReportAfterOpening(QWidget* parent, const vormante::ChannelDatabase& database, const QString& path) {
    const auto problems = vormante::CheckConsistency(database);
    if (problems.empty())
        return 0;
    QStringList lines;
    for (const auto& problem : problems)
        lines.append(QString::fromStdString(problem.message));
    const int count = static_cast<int>(problems.size());
    MessageBox::showWithDetails(
        parent, QStringLiteral("Warning"), Summary(QFileInfo(path).fileName(), count),
        QStringLiteral("The image is open as it is. Editing it may not work as expected; "
                       "\"Show Details...\" lists each problem."),
        lines.join(QLatin1Char('\n')), QMessageBox::Ok, QMessageBox::Warning);
    return count;
}

} // namespace imageproblems
