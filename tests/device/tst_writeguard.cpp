#include "device/WriteGuard.h"

#include <QtTest>

// The guard in front of every write: each row changes one thing of a profile the mouse can use.
class TestWriteGuard : public QObject
{
    Q_OBJECT
private slots:
    void refusesOnlyWhatLeavesTheMouseUnusable_data()
    {
        QTest::addColumn<int>("iSensor");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        const auto row = [](const char* tag, int sensor, const char* change, const char* why) {
            QTest::newRow(tag) << sensor << QString(change) << QString(why);
        };
        // Sensor 3389 takes step codes 2..480 (100 to 32000 DPI).
        row("usable", 3389, "", "");
        row("left click moved to button 3", 3389, "fun 0 2; fun 3 1", "");
        row("no left click", 3389, "fun 0 2", "left click");
        row("left click beyond the buttons", 3389, "fun 0 2; fun 6 1", "left click");
        row("left click on a wheel record", 3389, "fun 0 2; fun 40 1", "left click");
        row("left click placed outside the table", 3389, "fun 0 2; fun 3 1; matrix 3 16",
            "left click");
        row("lowest step", 3389, "x 0 2; y 0 2", "");
        row("highest step", 3389, "x 2 480; y 2 480", "");
        row("step below the range", 3389, "x 1 1", "DPI level 2 is outside");
        row("step above the range", 3389, "y 3 481", "DPI level 4 is outside");
        row("zero on a level in use", 3389, "x 0 0", "DPI level 1 is outside");
        row("zero on a level not in use", 3389, "used 1 0; x 1 0", "");
        row("zero beyond the model's levels", 3389, "x 5 0", "");
        // Sensor 3395 takes step 0 (50 DPI), though it goes out as a register value of 0.
        row("a sensor whose lowest step is 0", 3395, "x 0 0; y 4 599", "");
        row("above that sensor's range", 3395, "y 4 600", "DPI level 5 is outside");
        row("sensor the encoder does not know", 4242, "", "not known");
    }

    void refusesOnlyWhatLeavesTheMouseUnusable()
    {
        QFETCH(int, iSensor);
        QFETCH(QString, change);
        QFETCH(QString, refusal);
        quint8 matrix[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        WriteGuard::Model model;
        model.iButtonCount = 6;
        model.iDpiLevelCount = 5;
        model.iSensor = iSensor;
        model.pMatrix = matrix;
        ProfileData p;
        p.ButtonInfo[0].Fun = FunctionCode::LeftClick;
        for (int i = 0; i < ProfileData::kDpiLevelCount; ++i)
            p.DpiInfo[i] = DpiLevel{1, 0, 0, 8, 8};
        for (const QString& step : change.split("; ", Qt::SkipEmptyParts)) {
            const QStringList w = step.split(' ');
            const int at = w[1].toInt();
            const quint32 v = w[2].toUInt();
            if (w[0] == "fun")
                p.ButtonInfo[at].Fun = int(v);
            else if (w[0] == "matrix")
                matrix[at] = quint8(v);
            else if (w[0] == "used")
                p.DpiInfo[at].used = quint8(v);
            else
                (w[0] == "x" ? p.DpiInfo[at].x : p.DpiInfo[at].y) = v;
        }
        const QString why = WriteGuard::check(p, model);
        QVERIFY2(refusal.isEmpty() ? why.isEmpty() : why.contains(refusal), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(TestWriteGuard)
#include "tst_writeguard.moc"
