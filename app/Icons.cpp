#include "Icons.h"

#include <QImageReader>

// Outside every namespace: the macro declares the resource initialiser where it stands.
static void InitIconResources() {
    Q_INIT_RESOURCE(vormante);
}

namespace vormante {

bool ProgramIconsScale() {
    static const bool SVG = QImageReader::supportedImageFormats().contains("svg");
    return SVG;
}

QIcon ProgramIcon(const QString& name) {
    InitIconResources();
    return QIcon(QStringLiteral(":/icons/%1.%2")
                     .arg(name, ProgramIconsScale() ? QStringLiteral("svg") : QStringLiteral("png")));
}

QStringList ProgramIconNames() {
    return {QStringLiteral("vormante"), QStringLiteral("open"),    QStringLiteral("save"),
            QStringLiteral("saveas"),   QStringLiteral("receive"), QStringLiteral("send"),
            QStringLiteral("about")};
}

} // namespace vormante
