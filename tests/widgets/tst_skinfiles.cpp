#include "widgets/SkinResources.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

// The build renders the skin into the application folder (bin/ beside tests/ in the build
// tree). Every image the window, its dialogs and the device chooser load must be there, at the
// size the layout places it, and again at twice that size for dense screens.
class TestSkinFiles : public QObject
{
    Q_OBJECT

private:
    QString m_strSkin;

    static QVector<QPair<const char*, int>> models()
    {
        return {{"HORNBEAM", 9}, {"LINDEN", 8}, {"TAMARACK", 6}}; // buttons drawn on the front
    }

    QImage load(const QString& name) { return QImage(m_strSkin + "/" + name); }

private slots:
    void initTestCase()
    {
        m_strSkin = QDir(QCoreApplication::applicationDirPath() + "/../bin/skin").absolutePath();
        QVERIFY2(QFileInfo(m_strSkin).isDir(), qPrintable("no skin folder at " + m_strSkin));
    }

    // Every PNG the manifest names, at its size, and its @2x twin at twice that size.
    void imagesExistAtTheirSize()
    {
        QFile manifest(QStringLiteral(MOUSECFG_DATA_DIR) + "/../resources/skin/skin.manifest");
        QVERIFY(manifest.open(QIODevice::ReadOnly | QIODevice::Text));
        int checked = 0;
        for (const QString& line : QString::fromUtf8(manifest.readAll()).split('\n')) {
            const QStringList f = line.split(' ', Qt::SkipEmptyParts);
            if (f.size() < 4 || f[0] != "png")
                continue;
            const QStringList wh = f[3].split('x');
            const QSize size(wh.value(0).toInt(), wh.value(1).toInt());
            const QString range = f.filter(QRegularExpression("^range=")).value(0).mid(6);
            const int last = range.isEmpty() ? 1 : range.section('-', 1).toInt();
            for (int n = range.isEmpty() ? 1 : range.section('-', 0, 0).toInt(); n <= last; ++n) {
                const QString name = QString(f[1]).replace("%d", QString::number(n));
                QVERIFY2(load(name).size() == size, qPrintable(name));
                QVERIFY2(load(QString(name).replace(".png", "@2x.png")).size() == size * 2,
                         qPrintable(name));
                ++checked;
            }
        }
        QVERIFY(checked > 100);
    }

    void highlightsLightExactlyTheModelsButtons()
    {
        for (const auto& m : models()) {
            const QString dir = QString("mouse/%1/").arg(m.first);
            const QImage plain = load(dir + "Mouse.png");
            QVERIFY(!plain.isNull());
            for (int n = 1; n <= 20; ++n) {
                const QImage lit = load(dir + QString("mouse_%1.png").arg(n));
                if (n <= m.second)
                    QVERIFY2(lit != plain,
                             qPrintable(QString("%1 button %2 not lit").arg(m.first).arg(n)));
                else
                    QVERIFY2(lit == plain,
                             qPrintable(QString("%1 has no button %2").arg(m.first).arg(n)));
            }
        }
    }

    void busyAnimationIsCompiledIn()
    {
        SkinResources::init();
        QImageReader reader(":/skin/loading.gif");
        QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
        QVector<QImage> frames;
        while (reader.canRead())
            frames.append(reader.read());
        QVERIFY(frames.size() >= 8);
        QVERIFY(frames[0] != frames[1]);  // it moves
        QCOMPARE(reader.loopCount(), -1); // for ever
    }
};

QTEST_MAIN(TestSkinFiles)
#include "tst_skinfiles.moc"
