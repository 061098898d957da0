// Help > Language...: the language the editor shows, or the desktop's ("System"). The choice is
// remembered in the editor's settings and shown from the next start on.
#pragma once

#include <QDialog>

class QComboBox;
class QSettings;

namespace vormante {

class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    LanguageDialog(QSettings& settings, QWidget* parent = nullptr);

    // Stores the chosen language; true when it differs from what was remembered before.
    bool StoreChoice();

private:
    QSettings& settings_;
    QComboBox* languages_;
};

} // namespace vormante
