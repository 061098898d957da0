// The program's icons: drawn from the SVGs at every scale (sharp at 200 % and
// beyond), and readable on a dark desktop palette as on a light one. Set
// VORMANTE_ICON_DUMP to a folder to get the rendered sheets to look at.
#include "app/Icons.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QtTest>

using namespace vormante;

namespace {
double Luminance(QColor c) {
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

// The icon drawn at `size` on `background`.
QImage OnBackground(const QIcon& icon, int size, QColor background) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    icon.paint(&painter, QRect(0, 0, size, size));
    return image;
}

// How well the icon stands out from a background: the share of its outline
// pixels (drawn, next to a transparent one) and of all its drawn pixels whose
// brightness differs clearly from the background's. An icon reads when either
// its outline or most of its area stands out; a dark icon on a dark palette
// has neither.
struct Contrast {
    double outline = 0;
    double area = 0;
    bool Reads() const { return outline >= 0.5 || area >= 0.5; }
};

Contrast Measure(const QIcon& icon, int size, QColor background) {
    const QImage alpha = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage drawn = OnBackground(icon, size, background);
    const auto covered = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < size && y < size && qAlpha(alpha.pixel(x, y)) >= 128;
    };
    int area = 0, areaOut = 0, outline = 0, outlineOut = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (!covered(x, y))
                continue;
            const bool standsOut = std::abs(Luminance(drawn.pixelColor(x, y)) - Luminance(background)) > 0.15;
            ++area;
            areaOut += standsOut;
            if (!covered(x - 1, y) || !covered(x + 1, y) || !covered(x, y - 1) || !covered(x, y + 1)) {
                ++outline;
                outlineOut += standsOut;
            }
        }
    return {outline == 0 ? 0.0 : double(outlineOut) / outline, area == 0 ? 0.0 : double(areaOut) / area};
}

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2a, 0x2e, 0x32));
    dark.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
    dark.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    return dark;
}
} // namespace

class IconsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void iconsScaleFromTheirDrawings() {
        if (!ProgramIconsScale())
            QSKIP("this Qt has no SVG plug-in (libqt6svg6); the 48-pixel PNGs are used");
        for (const QString& name : ProgramIconNames()) {
            const QIcon icon = ProgramIcon(name);
            QVERIFY2(!icon.isNull(), qPrintable(name));
            // A toolbar icon of 24 at 200 % and 400 %: drawn at that size, never scaled up.
            QCOMPARE(icon.pixmap(QSize(24, 24), 2.0).size(), QSize(48, 48));
            QCOMPARE(icon.pixmap(QSize(24, 24), 4.0).size(), QSize(96, 96));
            QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
        }
    }

    void iconsReadOnDarkAndLightPalettes() {
        const QColor dark = DarkPalette().color(QPalette::Button);
        const QColor light = QApplication::style()->standardPalette().color(QPalette::Button);
        const QString dump = qEnvironmentVariable("VORMANTE_ICON_DUMP");
        QImage sheet(7 * 52, 2 * 52, QImage::Format_ARGB32);
        QPainter sheetPainter(&sheet);
        int column = 0;
        for (const QString& name : ProgramIconNames()) {
            const QIcon icon = ProgramIcon(name);
            for (int size : {24, 48}) {
                for (const QColor& background : {dark, light}) {
                    const Contrast contrast = Measure(icon, size, background);
                    QVERIFY2(contrast.Reads(),
                             qPrintable(QStringLiteral("%1 at %2 on %3: outline %4, area %5 stand out")
                                            .arg(name)
                                            .arg(size)
                                            .arg(background.name())
                                            .arg(contrast.outline)
                                            .arg(contrast.area)));
                }
            }
            sheetPainter.drawImage(column * 52, 0, OnBackground(icon, 52, dark));
            sheetPainter.drawImage(column * 52, 52, OnBackground(icon, 52, light));
            ++column;
        }
        sheetPainter.end();
        if (!dump.isEmpty())
            QVERIFY(sheet.save(QDir(dump).filePath(QStringLiteral("icons-dark-light.png"))));
    }

    // The window follows the desktop: no widget in it sets a palette, font or
    // style sheet of its own, so a dark palette and the desktop's font reach
    // every control. (Cell colours come through the list model instead.)
    void windowFollowsTheDesktopPaletteAndFont() {
        const QPalette savedPalette = QApplication::palette();
        const QFont savedFont = QApplication::font();
        QApplication::setPalette(DarkPalette());
        QFont desktopFont(QStringLiteral("DejaVu Serif"), 13);
        QApplication::setFont(desktopFont);
        {
            MainWindow window;
            window.show();
            QList<QWidget*> widgets = window.findChildren<QWidget*>();
            widgets.prepend(&window);
            for (QWidget* widget : widgets) {
                const QString name =
                    QStringLiteral("%1 \"%2\"")
                        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
                QVERIFY2(!widget->testAttribute(Qt::WA_SetPalette),
                         qPrintable(name + QStringLiteral(" sets a palette")));
                QVERIFY2(!widget->testAttribute(Qt::WA_SetFont),
                         qPrintable(name + QStringLiteral(" sets a font")));
                QVERIFY2(widget->styleSheet().isEmpty(),
                         qPrintable(name + QStringLiteral(" sets a style sheet")));
                QCOMPARE(widget->palette().color(QPalette::Window), DarkPalette().color(QPalette::Window));
                QCOMPARE(widget->font().pointSize(), 13);
            }
            const QString dump = qEnvironmentVariable("VORMANTE_ICON_DUMP");
            if (!dump.isEmpty())
                QVERIFY(window.grab().save(QDir(dump).filePath(QStringLiteral("window-dark.png"))));
        }
        QApplication::setPalette(savedPalette);
        QApplication::setFont(savedFont);
    }
};

QTEST_MAIN(IconsTest)
#include "tst_icons.moc"
