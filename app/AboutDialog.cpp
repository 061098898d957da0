#include "AboutDialog.h"

#include "Version.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

namespace vormante {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About"));
    setObjectName(QStringLiteral("aboutDialog"));

    auto* icon = new QLabel(this);
    const QIcon programIcon = parent != nullptr ? parent->windowIcon() : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(32, 32));
    auto* name = new QLabel(QStringLiteral("Vormante"), this);
    name->setObjectName(QStringLiteral("nameLabel"));
    auto* version = new QLabel(
        //: %1 is the program's version number, e.g. 1.4.0
        tr("Version  Num: %1").arg(QStringLiteral(VORMANTE_VERSION)), this);
    version->setObjectName(QStringLiteral("versionLabel"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 18, 40, 18);
    layout->setHorizontalSpacing(14);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace vormante
