// The About box: the program icon, name and version. It has no buttons; it closes
// through its title bar (or Escape).
#pragma once

#include <QDialog>

namespace vormante {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace vormante
