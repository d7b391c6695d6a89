#include "widgets/SkinResources.h"

#include <QDir>
#include <QImageReader>
#include <QtTest>

// The build renders the skin into the application folder (bin/ beside tests/ in the build
// tree). Every image the window, its dialogs and the device chooser load must be there, at the
// size the layout places it.
class TestSkinFiles : public QObject
{
    Q_OBJECT

private:
    QString m_strSkin;

    struct Model
    {
        const char* code;
        int buttons; // buttons drawn on its front view
    };
    static QVector<Model> models() { return {{"HORNBEAM", 9}, {"LINDEN", 8}, {"TAMARACK", 6}}; }

    QImage load(const QString& name)
    {
        QImageReader reader(m_strSkin + "/" + name);
        return reader.read();
    }

private slots:
    void initTestCase()
    {
        m_strSkin = QDir(QCoreApplication::applicationDirPath() + "/../bin/skin").absolutePath();
        QVERIFY2(QFileInfo(m_strSkin).isDir(), qPrintable("no skin folder at " + m_strSkin));
    }

    void imagesExistAtTheirSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        auto add = [](const QString& name, QSize size) {
            QTest::newRow(qPrintable(name)) << name << size;
        };
        add("cfgMainback.png", {999, 640});
        add("logo.png", {200, 50});
        add("process.png", {128, 128});
        for (const char* name : {"bat1.png", "bat2.png"})
            add(name, {71, 34});
        add("lightning.png", {26, 40});
        add("dongle.png", {48, 48});
        for (int i = 1; i <= 3; ++i) {
            add(QString("close-%1.png").arg(i), {19, 19});
            add(QString("min-%1.png").arg(i), {19, 19});
            add(QString("tab-%1.png").arg(i), {154, 29});
            add(QString("btn-%1.png").arg(i), {128, 30});
            add(QString("btnsmall-%1.png").arg(i), {100, 20});
            add(QString("profile_apply%1.png").arg(i), {24, 24});
        }
        for (const char* name : {"profilesel.png", "profilesel2.png", "profilesel3.png"})
            add(name, {120, 26});
        add("dlg.png", {470, 310});
        for (const char* name :
             {"checkbox1-1.png", "checkbox1-2.png", "slider-handle.png", "slider-handle-hover.png"})
            add(name, {36, 36});
        for (const char* name : {"slider-groove.png", "slider-fill.png"})
            add(name, {240, 12});
        for (int i = 1; i <= 4; ++i) {
            add(QString("btn_up%1.png").arg(i), {24, 24});
            add(QString("btn_down%1.png").arg(i), {24, 24});
        }
        for (const Model& m : models()) {
            const QString dir = QString("mouse/%1/").arg(m.code);
            add(dir + "Mouse.png", {300, 400});
            add(dir + m.code + "_Side.png", {316, 443});
            for (int n = 1; n <= 20; ++n)
                add(dir + QString("mouse_%1.png").arg(n), {300, 400});
        }
    }

    void imagesExistAtTheirSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = load(name);
        QVERIFY2(!image.isNull(), qPrintable(name + " missing or unreadable"));
        QCOMPARE(image.size(), size);
    }

    void highlightsLightExactlyTheModelsButtons()
    {
        for (const Model& m : models()) {
            const QString dir = QString("mouse/%1/").arg(m.code);
            const QImage plain = load(dir + "Mouse.png");
            QVERIFY(!plain.isNull());
            for (int n = 1; n <= 20; ++n) {
                const QImage lit = load(dir + QString("mouse_%1.png").arg(n));
                if (n <= m.buttons)
                    QVERIFY2(lit != plain,
                             qPrintable(QString("%1 button %2 not lit").arg(m.code).arg(n)));
                else
                    QVERIFY2(lit == plain,
                             qPrintable(QString("%1 has no button %2").arg(m.code).arg(n)));
            }
        }
    }

    void busyAnimationIsCompiledIn()
    {
        SkinResources::init();
        QImageReader reader(":/skin/loading.gif");
        QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
        QCOMPARE(reader.size(), QSize(128, 128));
        QVector<QImage> frames;
        while (reader.canRead())
            frames.append(reader.read());
        QVERIFY(frames.size() >= 8);
        QVERIFY(frames[0] != frames[1]);  // it moves
        QCOMPARE(reader.loopCount(), -1); // for ever
        // The corners stay clear so the dialog's background shows through.
        QCOMPARE(qAlpha(frames[0].pixel(0, 0)), 0);
    }
};

QTEST_MAIN(TestSkinFiles)
#include "tst_skinfiles.moc"
