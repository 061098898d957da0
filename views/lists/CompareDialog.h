// "Compare with...": the differences between the open image and another,
// grouped by satellite, with a button that saves them as a text report.
#pragma once

#include "model/ImageDiff.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vormante {

class CompareDialog : public QDialog {
    Q_OBJECT

public:
    // firstName and secondName name the two images in the report (file names, say).
    CompareDialog(const vormante::ChannelDatabase& first, const vormante::ChannelDatabase& second,
                  const QString& firstName, const QString& secondName, QWidget* parent = nullptr);

    const vormante::ImageDifference& difference() const { return difference_; }
    QString reportText() const;

    QTreeWidget* differencesTree() const { return differencesTree_; }
    QLabel* summaryLabel() const { return summaryLabel_; }
    QPushButton* saveButton() const { return saveButton_; }

public Q_SLOTS:
    // Asks for a file through the FileDialog wrapper and writes the report there
    // atomically; a failure is shown. True when written.
    bool saveReport();

private:
    vormante::ImageDifference difference_;
    QString firstName_;
    QString secondName_;
    QTreeWidget* differencesTree_ = nullptr;
    QLabel* summaryLabel_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

} // namespace vormante
