// ElidingComboBox: a drop-down list that is as wide as its longest entry when
// there is room, and when there is not, shows its chosen entry cut with "…"
// rather than cut off silently, the whole entry as its tip.
#pragma once

#include <QComboBox>

namespace vormante {

class ElidingComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ElidingComboBox(QWidget* parent = nullptr);

    // The chosen entry as painted: elided to the box's text field.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int textWidth() const;
};

} // namespace vormante
