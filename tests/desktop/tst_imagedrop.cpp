// Dropping files on the window: exactly one local file is taken, and reported
// only after the drop has finished; anything else is refused at the door.
#include "app/ImageDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace vormante;

class ImageDropTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString MakeFile(const QString& name) const {
        QFile file(dir_.filePath(name));
        return file.open(QIODevice::WriteOnly) ? file.fileName() : QString();
    }

    static bool Enter(QWidget& window, QMimeData& data) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QCoreApplication::sendEvent(&window, &enter);
        return enter.isAccepted();
    }

private Q_SLOTS:
    void oneLocalFileIsTakenAfterTheDrop() {
        QWidget window;
        auto* drop = new ImageDrop(&window);
        QVERIFY(window.acceptDrops());
        QSignalSpy dropped(drop, &ImageDrop::imageDropped);

        const QString image = MakeFile(QStringLiteral("dropped.bin"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(image)});
        QVERIFY(Enter(window, data));

        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(dropped.count(), 0); // not while the drop is still going on
        QTRY_COMPARE(dropped.count(), 1);
        QCOMPARE(dropped.first().first().toString(), image);
    }

    void anythingElseIsRefused_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        const QUrl one = QUrl::fromLocalFile(MakeFile(QStringLiteral("one.bin")));
        const QUrl two = QUrl::fromLocalFile(MakeFile(QStringLiteral("two.bin")));
        QTest::newRow("two files") << QList<QUrl>{one, two};
        QTest::newRow("a folder") << QList<QUrl>{QUrl::fromLocalFile(dir_.path())};
        QTest::newRow("a missing file")
            << QList<QUrl>{QUrl::fromLocalFile(dir_.filePath(QStringLiteral("none.bin")))};
        QTest::newRow("a web address") << QList<QUrl>{QUrl(QStringLiteral("https://vormante.invalid/x.bin"))};
        QTest::newRow("no address") << QList<QUrl>{};
    }
    void anythingElseIsRefused() {
        QFETCH(QList<QUrl>, urls);
        QWidget window;
        auto* drop = new ImageDrop(&window);
        QSignalSpy dropped(drop, &ImageDrop::imageDropped);
        QMimeData data;
        if (urls.isEmpty())
            data.setText(QStringLiteral("just text"));
        else
            data.setUrls(urls);
        QVERIFY(!Enter(window, data));
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
        QVERIFY(!event.isAccepted());
        QTest::qWait(20);
        QCOMPARE(dropped.count(), 0);
    }
};

QTEST_MAIN(ImageDropTest)
#include "tst_imagedrop.moc"
