#include "TestAppFolder.h"
#include "pages/DpiValueEditor.h"
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
    static QVector<quint32> xy(const KivoDPIWindow& page, int i)
    {
        return {page.level(i).x, page.level(i).y};
    }

private slots:
    // The sensors whose range depends on the product or the wide-range flag, and one of each
    // kind of the plain table (link box, a minimum step above 1, a step 0): the range labels,
    // the slider's steps and the link box.
    void sensorRows_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("wide");
        QTest::addColumn<QString>("shown"); // range labels, slider steps, link box
        const auto row = [](const char* tag, int sensor, const char* product, int wide,
                            const char* shown) {
            QTest::newRow(tag) << sensor << QString(product) << wide << QString(shown);
        };
        row("3325 wide", 3325, "X", 1, "100-16000 1-90");
        row("3325", 3325, "X", 0, "100-5000 1-50");
        row("33252 wide", 33252, "X", 1, "100-16000 1-90");
        row("33252", 33252, "X", 0, "100-10000 1-75");
        row("3327 PINE", 3327, "PINE", 0, "200-12400 1-92");
        row("3327 K208-RGB", 3327, "K208-RGB", 1, "200-12400 1-92");
        row("3327 pine", 3327, "pine", 0, "200-16400 1-106");
        row("3389", 3389, "X", 0, "100-32000 2-480 link");
        row("3212", 3212, "X", 0, "600-7200 16-111");
        row("3399", 3399, "X", 0, "50-40000 0-599 link");
        // A sensor without a range of its own leaves the row as built.
        row("unknown", 1234, "X", 0, "- 0-99 link");
    }

    void sensorRows()
    {
        QFETCH(int, sensor);
        QFETCH(QString, product);
        QFETCH(int, wide);
        QFETCH(QString, shown);
        KivoDPIWindow page(nullptr, 1.0, Qt::red);
        page.setModel(8, wide, product);
        page.load(profile(0), sensor);
        for (int i = 0; i < KivoDPIWindow::kLevelCount; ++i) {
            const KivoSingleDPI* row = page.row(i);
            const QString text = QString("%1-%2 %3-%4%5")
                                     .arg(row->minLabel()->text(), row->maxLabel()->text())
                                     .arg(row->slider()->xSlider()->minimum())
                                     .arg(row->slider()->singleSlider()->maximum())
                                     .arg(row->linkBox()->isVisibleTo(row) ? " link" : "");
            QCOMPARE(text, shown);
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

    // A value typed over a label goes to the nearest step within the range (the lower of two as
    // near), for X, Y or both, and the labels show what will be sent.
    void typedValue_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // steps x y, then the X and Y labels
        QTest::newRow("X apart") << 0 << "x"
                                 << "1234"
                                 << "25 100 X:1250 Y:5000";
        QTest::newRow("Y apart, a tie") << 0 << "y"
                                        << "1225"
                                        << "100 24 X:5000 Y:1200";
        QTest::newRow("X linked, upper table") << 1 << "x"
                                               << "20050"
                                               << "360 360 X:20000 Y:20000";
        QTest::newRow("DPI, below the range") << 0 << "dpi"
                                              << "10"
                                              << "2 2 X:100 Y:100";
        QTest::newRow("Y, above the range") << 0 << "y"
                                            << "99999"
                                            << "100 480 X:5000 Y:32000";
    }
    void typedValue()
    {
        QFETCH(int, link);
        QFETCH(QString, label);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        KivoDPIWindow page(nullptr, 1.0, Qt::red);
        page.load(profile(100, quint8(link)), 3389);
        KivoSingleDPI* row = page.row(1);
        row->editValue(label == "x"   ? row->xLabel()
                       : label == "y" ? row->yLabel()
                                      : row->dpiLabel());
        auto* field = row->findChild<DpiValueEditor*>();
        QVERIFY(field);
        field->selectAll();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(page.level(1).x)
                     .arg(page.level(1).y)
                     .arg(row->xLabel()->text(), row->yLabel()->text()),
                 shown);
    }

    void linkAndUnlink()
    {
        KivoDPIWindow page(nullptr, 1.0, Qt::red);
        ProfileData p = profile(100, 0);
        p.DpiInfo[1].y = 200;
        page.load(p, 3389);
        KivoSingleDPI* row = page.row(1);
        KivoTwoBarSlider* bars = row->slider();

        bars->xSlider()->setValue(150);
        QCOMPARE(xy(page, 1), QVector<quint32>({150, 200}));

        // Linked, the one slider stands at X and Y follows it.
        row->linkBox()->click();
        QCOMPARE(page.level(1).link, quint8(1));
        QCOMPARE(page.level(1).y, 150u);
        bars->singleSlider()->setValue(300);
        QCOMPARE(xy(page, 1), QVector<quint32>({300, 300}));

        row->linkBox()->click();
        QCOMPARE(page.level(1).link, quint8(0));
        bars->ySlider()->setValue(40);
        QCOMPARE(xy(page, 1), QVector<quint32>({300, 40}));
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
        for (int i = 0; i < KivoDPIWindow::kLevelCount; ++i)
            QCOMPARE(page.row(i)->isVisibleTo(&page), i < visible);
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
        // A stage button is clicked end to end (e2e-settings.sh), the mouse's report selects
        // through the main window (tst_dpitabwindow); here the load and a click on a row.
        selected(1);
        QTest::mouseClick(page.row(6)->dpiLabel(), Qt::LeftButton);
        selected(6);
    }
};

QTEST_MAIN(TestDpiPage)
#include "tst_dpipage.moc"
