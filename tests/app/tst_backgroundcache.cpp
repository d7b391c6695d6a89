#include "app/window/BackgroundCache.h"

#include <QTemporaryDir>
#include <QtTest>

// The window's prepared skin picture comes back from the cache exactly as it was kept, and
// only for the key it was kept under; a damaged file is never taken.
class TestBackgroundCache : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Home;

    static BackgroundCache::Images sample()
    {
        QImage picture(37, 21, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qPremultiply(qRgba(x * 7, y * 11, x ^ y, (x * y) & 0xff)));
        picture.setDevicePixelRatio(1.25);
        return {picture, picture.scaled(30, 17).createAlphaMask()};
    }

private slots:
    void initTestCase() { qputenv("XDG_CACHE_HOME", m_Home.path().toLocal8Bit()); }

    void keptAndTaken_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("taken");
        QTest::newRow("as kept") << "" << true;
        QTest::newRow("another key") << "key" << false;
        QTest::newRow("cut short") << "truncate" << false;
        QTest::newRow("one byte more") << "append" << false;
        QTest::newRow("header overwritten") << "header" << false;
        QTest::newRow("no file") << "remove" << false;
    }
    void keptAndTaken()
    {
        QFETCH(QString, damage);
        QFETCH(bool, taken);
        const BackgroundCache::Images kept = sample();
        QVERIFY(BackgroundCache::store("skin|1", kept));
        QFile file(BackgroundCache::path());
        if (damage == "truncate" || damage == "append") {
            QVERIFY(file.resize(file.size() + (damage == "append" ? 1 : -1)));
        } else if (damage == "header") {
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(40);
            file.write(QByteArray(24, '\xff'));
            file.close();
        } else if (damage == "remove") {
            QVERIFY(file.remove());
        }
        const BackgroundCache::Images back =
            BackgroundCache::load(damage == "key" ? "skin|2" : "skin|1");
        QCOMPARE(!back.picture.isNull(), taken);
        if (taken) {
            QCOMPARE(back.picture, kept.picture);
            QCOMPARE(back.picture.devicePixelRatio(), 1.25);
            QCOMPARE(back.shape, kept.shape);
        } else {
            QVERIFY(back.shape.isNull());
        }
    }

    // A cache folder that cannot be made loses nothing: the picture is made again next time.
    void unwritableFolderIsNoFailure()
    {
        QFile blocker(m_Home.path() + "/blocked");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CACHE_HOME", blocker.fileName().toLocal8Bit());
        QVERIFY(!BackgroundCache::store("skin|1", sample()));
        QVERIFY(BackgroundCache::load("skin|1").picture.isNull());
        qputenv("XDG_CACHE_HOME", m_Home.path().toLocal8Bit());
    }
};

QTEST_MAIN(TestBackgroundCache)
#include "tst_backgroundcache.moc"
