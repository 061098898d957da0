// The frame of the previews that show a plan before it is applied (the list
// import, order like another image, order by names, satellites.xml): a summary above, the changes
// in the middle, the preview's own options below, then OK and Cancel. A preview
// never changes the image; the caller applies the plan when it is accepted.
#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QLayout;
class QPushButton;
class QTreeWidget;

namespace vormante {

class PlanPreviewDialog : public QDialog {
    Q_OBJECT

public:
    QLabel* summaryLabel() const { return summaryLabel_; }
    // The changes, as groups "Moved (3)" with a row each.
    QTreeWidget* changesTree() const { return changesTree_; }
    QPushButton* okButton() const { return okButton_; }
    // The captions of the changes tree's groups, in order.
    QStringList groupCaptions() const;

protected:
    PlanPreviewDialog(const QString& title, const QString& objectName, QWidget* parent);
    // Lays the preview out: top (when given), the summary, middle (the changes tree when
    // null), the options, the buttons.
    void LayOut(const QList<QWidget*>& options, QWidget* middle = nullptr, QLayout* top = nullptr);

private:
    QLabel* summaryLabel_ = nullptr;
    QTreeWidget* changesTree_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace vormante
