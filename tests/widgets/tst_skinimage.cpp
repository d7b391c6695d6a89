#include "widgets/SkinImage.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

// Which file a skin image is drawn from at each UI scale.
class TestSkinImage : public QObject
{
    Q_OBJECT

    static bool imagePluginLoaded()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    }

private slots:
    // A skin file goes straight to the reader its suffix names: the toolkit's image plugins,
    // which it would otherwise load to ask each about the file, stay unloaded.
    void readWithoutImagePlugins()
    {
        // Written byte for byte: the toolkit's writer would load the plugins itself.
        static const char kPng[] =
            "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x03\x00"
            "\x00\x00\x02\x08\x06\x00\x00\x00\x9d\x74\x66\x1a\x00\x00\x00\x11\x49\x44\x41\x54\x78"
            "\x9c\x63\x38\xc1\xc5\xf5\x1f\x86\x19\x90\x39\x00\x8e\xe5\x0b\x23\x5a\x59\xf1\x90\x00"
            "\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82";
        QTemporaryDir dir;
        QFile file(dir.path() + "/face.png");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kPng, sizeof(kPng) - 1);
        file.close();
        QVERIFY(!imagePluginLoaded());
        QCOMPARE(SkinImage::read(file.fileName()).pixel(2, 1), qRgba(200, 10, 10, 255));
        QCOMPARE(SkinImage::load(file.fileName()).size(), QSize(3, 2));
        QCOMPARE(SkinImage::nominalSize(file.fileName()), QSize(3, 2));
        QVERIFY(!imagePluginLoaded());
    }

    void fileForScale_data()
    {
        QTest::addColumn<double>("dScale");
        QTest::addColumn<bool>("bDoubleExists");
        QTest::addColumn<bool>("bDouble");
        QTest::newRow("1.25") << 1.25 << true << false;
        QTest::newRow("1.5") << 1.5 << true << true;
        QTest::newRow("2.0") << 2.0 << true << true;
        QTest::newRow("2.0, no @2x file") << 2.0 << false << false;
    }
    void fileForScale()
    {
        QFETCH(double, dScale);
        QFETCH(bool, bDoubleExists);
        QFETCH(bool, bDouble);
        QTemporaryDir dir;
        QVERIFY(QImage(10, 6, QImage::Format_ARGB32).save(dir.path() + "/btn-1.png"));
        if (bDoubleExists)
            QVERIFY(QImage(20, 12, QImage::Format_ARGB32).save(dir.path() + "/btn-1@2x.png"));
        const QString path = dir.path() + "/btn-1.png";
        QCOMPARE(SkinImage::fileFor(path, dScale), bDouble ? dir.path() + "/btn-1@2x.png" : path);
        SkinImage::setScale(dScale);
        QCOMPARE(SkinImage::load(path).width(), bDouble ? 20 : 10);
        QCOMPARE(SkinImage::nominalSize(path), QSize(10, 6));
        SkinImage::setScale(1.0);
    }
};

QTEST_MAIN(TestSkinImage)
#include "tst_skinimage.moc"
