#include "widgets/SkinImage.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

// Which file a skin image is drawn from at each UI scale.
class TestSkinImage : public QObject
{
    Q_OBJECT
private slots:
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
