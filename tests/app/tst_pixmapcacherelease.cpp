#include "app/window/PixmapCacheRelease.h"

#include <QPixmapCache>
#include <QWidget>
#include <QtTest>

// The toolkit's picture cache is let go once the window has not painted for a while, and not
// while it still paints.
class TestPixmapCacheRelease : public QObject
{
    Q_OBJECT

    static bool cached()
    {
        QPixmap found;
        return QPixmapCache::find(QStringLiteral("probe"), &found);
    }

private slots:
    void releasedOnlyWhenQuiet()
    {
        QWidget window;
        new PixmapCacheRelease(&window, 300);
        QVERIFY(QPixmapCache::insert(QStringLiteral("probe"), QPixmap(8, 8)));
        // Repaints keep it: each restarts the quiet time.
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(150);
            QEvent update(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(&window, &update);
        }
        QVERIFY(cached());
        QTRY_VERIFY_WITH_TIMEOUT(!cached(), 2000);
        // A window hidden to the tray lets go of what was drawn since.
        QVERIFY(QPixmapCache::insert(QStringLiteral("probe"), QPixmap(8, 8)));
        window.show();
        window.hide();
        QTRY_VERIFY_WITH_TIMEOUT(!cached(), 2000);
    }
};

QTEST_MAIN(TestPixmapCacheRelease)
#include "tst_pixmapcacherelease.moc"
