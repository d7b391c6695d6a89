#include "TestAppFolder.h"
#include "pages/KivoDPIWindow.h"
#include "pages/KivoLabel.h"
#include "pages/KivoSingleDPI.h"
#include "pages/KivoTwoBarSlider.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

// The DPI page: each sensor's rows, linking, the model's level count and the stage.
class TestDpiPage : public QObject
{
    Q_OBJECT
    TestAppFolder m_Folder;

private:
    static ProfileData profile(quint32 step, quint8 link = 1)
    {
        ProfileData p;
        for (DpiLevel& level : p.DpiInfo) {
            level.used = 1;
            level.link = link;
            level.x = level.y = level.xy = step;
        }
        return p;
    }

private slots:
    // Per sensor (and product): the range labels, the slider's steps and the link box.
    void sensorRows_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("wide");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<int>("minStep");
        QTest::addColumn<int>("maxStep");
        QTest::addColumn<bool>("link");
        const auto row = [](const char* tag, int sensor, const char* product, int wide,
                            const char* labels, int minStep, int maxStep, bool link) {
            QTest::newRow(tag) << sensor << QString(product) << wide << QString(labels) << minStep
                               << maxStep << link;
        };
        row("3325 wide", 3325, "X", 1, "100-16000", 1, 90, false);
        row("3325", 3325, "X", 0, "100-5000", 1, 50, false);
        row("33252 wide", 33252, "X", 1, "100-16000", 1, 90, false);
        row("33252", 33252, "X", 0, "100-10000", 1, 75, false);
        row("3311", 3311, "X", 0, "100-12000", 1, 120, false);
        row("33112", 33112, "X", 0, "100-24000", 1, 180, false);
        row("3370", 3370, "X", 0, "50-19000", 1, 290, false);
        row("3327 PINE", 3327, "PINE", 0, "200-12400", 1, 92, false);
        row("3327 K208-RGB", 3327, "K208-RGB", 1, "200-12400", 1, 92, false);
        row("3327 pine", 3327, "pine", 0, "200-16400", 1, 106, false);
        row("3360", 3360, "X", 0, "100-24000", 1, 180, true);
        row("3389", 3389, "X", 0, "100-32000", 2, 480, true);
        row("3212", 3212, "X", 0, "600-7200", 16, 111, false);
        row("3104", 3104, "X", 0, "500-4200", 14, 105, true);
        row("31042", 31042, "X", 0, "500-8400", 14, 158, true);
        row("3335", 3335, "X", 0, "100-16000", 1, 160, false);
        row("33352", 33352, "X", 0, "100-32000", 1, 240, false);
        row("3333", 3333, "X", 0, "200-16000", 2, 120, false);
        row("33952", 33952, "X", 0, "50-52000", 0, 779, false);
        row("3395", 3395, "X", 0, "50-30000", 0, 599, false);
        row("3399", 3399, "X", 0, "50-40000", 0, 599, true);
        row("3809", 3809, "X", 0, "100-12000", 1, 90, true);
        // A sensor without a range of its own leaves the row as built.
        row("unknown", 1234, "X", 0, "-", 0, 99, true);
    }

    void sensorRows()
    {
        QFETCH(int, sensor);
        QFETCH(QString, product);
        QFETCH(int, wide);
        QFETCH(QString, labels);
        QFETCH(int, minStep);
        QFETCH(int, maxStep);
        QFETCH(bool, link);
        KivoDPIWindow page(nullptr, 1.0, Qt::red);
        page.setModel(8, wide, product);
        page.load(profile(0), sensor);
        for (int i = 0; i < KivoDPIWindow::kLevelCount; ++i) {
            const KivoSingleDPI* row = page.row(i);
            QCOMPARE(row->minLabel()->text() + "-" + row->maxLabel()->text(), labels);
            QCOMPARE(row->slider()->xSlider()->minimum(), minStep);
            QCOMPARE(row->slider()->singleSlider()->maximum(), maxStep);
            QCOMPARE(row->linkBox()->isVisibleTo(page.row(i)), link);
        }
    }

    void loadKeepsWhatTheSlidersCannotShow()
    {
        // A step beyond the range sits at the slider's end but stays what the file says, and the
        // used box shows each level's own flag.
        KivoDPIWindow page(nullptr, 1.0, Qt::red);
        ProfileData p = profile(1000, 0);
        p.DpiInfo[3].used = 0;
        page.load(p, 3389);
        QCOMPARE(page.row(0)->slider()->xSlider()->value(), 480);
        QCOMPARE(page.level(0).x, 1000u);
        QCOMPARE(page.row(0)->xLabel()->text(), QStringLiteral("X:84000"));
        QVERIFY(!page.row(3)->usedBox()->isChecked());
        QVERIFY(page.row(2)->usedBox()->isChecked());
        page.row(3)->usedBox()->click();
        QCOMPARE(page.level(3).used, quint8(1));
    }

    void linkAndUnlink()
    {
        KivoDPIWindow page(nullptr, 1.0, Qt::red);
        ProfileData p = profile(100, 0);
        p.DpiInfo[1].y = 200;
        page.load(p, 3389);
        KivoSingleDPI* row = page.row(1);
        KivoTwoBarSlider* bars = row->slider();
        QVERIFY(!bars->singleSlider()->isVisibleTo(row) && bars->ySlider()->isVisibleTo(row));

        bars->xSlider()->setValue(150);
        QCOMPARE(page.level(1).x, 150u);
        QCOMPARE(page.level(1).y, 200u);
        QCOMPARE(row->yLabel()->text(), QStringLiteral("Y:10000"));

        // Linked, the one slider stands at X and Y follows it.
        row->linkBox()->click();
        QVERIFY(bars->singleSlider()->isVisibleTo(row) && !bars->xSlider()->isVisibleTo(row));
        QCOMPARE(page.level(1).link, quint8(1));
        QCOMPARE(page.level(1).y, 150u);
        bars->singleSlider()->setValue(300);
        QCOMPARE(page.level(1).x, 300u);
        QCOMPARE(page.level(1).y, 300u);

        row->linkBox()->click();
        QCOMPARE(page.level(1).link, quint8(0));
        QVERIFY(bars->xSlider()->isVisibleTo(row) && !bars->singleSlider()->isVisibleTo(row));
        bars->ySlider()->setValue(40);
        QCOMPARE(page.level(1).x, 300u);
        QCOMPARE(page.level(1).y, 40u);
        // Other levels and the xy value are left alone.
        QCOMPARE(page.level(0).x, 100u);
        QCOMPARE(page.level(1).xy, 100u);
    }

    void levelCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("visible");
        QTest::newRow("5") << 5 << 5;
        QTest::newRow("0") << 0 << 8;
        QTest::newRow("9") << 9 << 8;
        QTest::newRow("1") << 1 << 1;
    }

    void levelCount()
    {
        QFETCH(int, count);
        QFETCH(int, visible);
        KivoDPIWindow page(nullptr, 1.0, Qt::red);
        page.setModel(count, 0, QString());
        page.load(profile(20), 3389);
        for (int i = 0; i < KivoDPIWindow::kLevelCount; ++i) {
            QCOMPARE(page.row(i)->isVisibleTo(&page), i < visible);
            QCOMPARE(page.rect().contains(page.row(i)->geometry()), i < visible);
        }
    }

    void stageSelection()
    {
        KivoDPIWindow page(nullptr, 1.0, Qt::red);
        page.show();
        ProfileData p = profile(20);
        p.dpi = 1;
        page.load(p, 3389);
        const auto selected = [&](int stage) {
            QCOMPARE(int(page.stage()), stage);
            for (int i = 0; i < KivoDPIWindow::kLevelCount; ++i) {
                QCOMPARE(page.row(i)->isSelected(), i == stage);
                QCOMPARE(page.stageButton(i)->isChecked(), i == stage);
            }
        };
        selected(1);
        QTest::mouseClick(page.stageButton(4), Qt::LeftButton);
        selected(4);
        QTest::mouseClick(page.row(6)->dpiLabel(), Qt::LeftButton);
        selected(6);
        page.selectStage(2);
        selected(2);
    }
};

QTEST_MAIN(TestDpiPage)
#include "tst_dpipage.moc"
