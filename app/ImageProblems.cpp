#include "ImageProblems.h"

#include "controls/MessageBox.h"
#include "model/ConsistencyCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace vormante {

namespace imageproblems {

QString Summary(const QString& fileName, int problems) {
    //: %1 is the file name
    if (problems == 1)
        return QCoreApplication::translate(
                   "ImageProblems",
                   "%1 has 1 problem: its chains, counts or channel numbers do not fit together.")
            .arg(fileName);
    //: %1 is the file name, %2 the number of problems (more than one)
    return QCoreApplication::translate(
               "ImageProblems",
               "%1 has %2 problems: its chains, counts or channel numbers do not fit together.")
        .arg(fileName, QString::number(problems));
}

int ReportAfterOpening(QWidget* parent, const vormante::ChannelDatabase& database, const QString& path) {
    const auto problems = vormante::CheckConsistency(database);
    if (problems.empty())
        return 0;
    QStringList lines;
    for (const auto& problem : problems)
        lines.append(QString::fromStdString(problem.message));
    const int count = static_cast<int>(problems.size());
    MessageBox::ShowWithDetails(
        parent, QCoreApplication::translate("ImageProblems", "Warning"),
        Summary(QFileInfo(path).fileName(), count),
        QCoreApplication::translate("ImageProblems",
                                    "The image is open as it is. Editing it may not work as expected; "
                                    "\"Show Details...\" lists each problem."),
        lines.join(QLatin1Char('\n')), QMessageBox::Ok, QMessageBox::Warning);
    return count;
}

} // namespace imageproblems

} // namespace vormante
