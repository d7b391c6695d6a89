#include "TestAppFolder.h"
#include "pages/DefaultColorArea.h"
#include "pages/KivoColorArea.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

// The colour dialog: its controls agree with each other whichever one the user moves.
class TestKivoColorArea : public QObject
{
    Q_OBJECT
private:
    static QVector<int> spins(KivoColorArea& dlg)
    {
        QVector<int> values;
        for (const char* name : {"hSpin", "sSpin", "vSpin", "rSpin", "gSpin", "bSpin"})
            values << dlg.findChild<QSpinBox*>(name)->value();
        return values;
    }
    TestAppFolder m_Folder;

private slots:
    // The field lies inside a margin that leaves its marker room (8 pixels at scale 1.0): its
    // corners pick the extremes, a press in the margin the nearest edge.
    void fieldCornersPickTheExtremes()
    {
        KivoColorArea dlg;
        dlg.setColor(QColor::fromHsv(120, 100, 100));
        auto* field = dlg.findChild<QWidget*>("svField");
        const int last = field->width() - 9;
        const QPoint presses[] = {{8, 8}, {last, last}, {0, field->height() - 1}};
        const QVector<int> picked[] = {{120, 0, 255}, {120, 255, 0}, {120, 0, 0}};
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(field, Qt::LeftButton, {}, presses[i]);
            QCOMPARE(spins(dlg).mid(0, 3), picked[i]);
        }
    }

    // Short entries are completed the way the hex edit's users expect: three digits doubled,
    // others padded with leading zeros.
    void hexEditCompletes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("hex");
        const char* rows[][2] = {{"", "000000"},      {"5", "000005"},    {"a5", "0000a5"},
                                 {"f0a", "ff00aa"},   {"12ab", "0012ab"}, {"12abc", "012abc"},
                                 {"12abcd", "12abcd"}};
        for (const auto& row : rows)
            QTest::addRow("%d", int(qstrlen(row[0]))) << QString(row[0]) << QString(row[1]);
    }
    void hexEditCompletes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, hex);
        const QColor color("#" + hex);
        KivoColorArea dlg;
        dlg.setColor(QColor(255, 0, 0));
        auto* edit = dlg.findChild<QLineEdit*>("hexEdit");
        edit->setText(typed);
        emit edit->editingFinished();
        QCOMPARE(edit->text(), hex);
        QCOMPARE(dlg.color(), color);
        QCOMPARE(spins(dlg).mid(3), QVector<int>({color.red(), color.green(), color.blue()}));
    }

    void defaultSwatchSetsColour()
    {
        const QColor colors[] = {Qt::red,    Qt::green,   Qt::blue, Qt::cyan,
                                 Qt::yellow, Qt::magenta, Qt::white};
        for (int i = 0; i < 7; ++i) {
            const QColor& color = colors[i];
            KivoColorArea dlg;
            dlg.setColor(QColor(10, 20, 30));
            QSignalSpy changed(&dlg, &KivoColorArea::KivoChangeColor);
            QSignalSpy applied(&dlg, &KivoColorArea::ApplyColor);
            QTest::mouseClick(dlg.findChild<DefaultColorArea*>(QStringLiteral("default%1").arg(i)),
                              Qt::LeftButton);
            QCOMPARE(dlg.color(), color);
            // Saturation, value, red, green, blue.
            QCOMPARE(spins(dlg).mid(1), QVector<int>({i == 6 ? 0 : 255, 255, color.red(),
                                                      color.green(), color.blue()}));
            QCOMPARE(QList<QVariantList>(changed), QList<QVariantList>({{color}}));
            QCOMPARE(applied.size(), 1);
        }
    }

    // Each edit sets the others while the guard is held; an unguarded R/G/B or H/S/V slot would
    // round the value just typed through the other colour model and change it.
    void guardKeepsTypedValues_data()
    {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<int>("typed");
        QTest::addColumn<QColor>("start");
        QTest::addColumn<int>("index");
        QTest::newRow("R") << "rSpin" << 200 << QColor(0, 100, 51) << 3;
        QTest::newRow("B") << "bSpin" << 13 << QColor(7, 11, 0) << 5;
        QTest::newRow("H") << "hSpin" << 200 << QColor::fromHsv(0, 40, 40) << 0;
        QTest::newRow("V") << "vSpin" << 9 << QColor::fromHsv(100, 200, 255) << 2;
    }
    void guardKeepsTypedValues()
    {
        QFETCH(QString, spin);
        QFETCH(int, typed);
        QFETCH(QColor, start);
        QFETCH(int, index);
        KivoColorArea dlg;
        dlg.setColor(start);
        const QVector<int> before = spins(dlg);
        dlg.findChild<QSpinBox*>(spin)->setValue(typed);
        const QVector<int> after = spins(dlg);
        QCOMPARE(after[index], typed);
        if (index >= 3) {
            QVector<int> rgb = before.mid(3);
            rgb[index - 3] = typed;
            QCOMPARE(after.mid(3), rgb);
            QCOMPARE(dlg.color(), QColor(rgb[0], rgb[1], rgb[2]));
        } else {
            QCOMPARE(QVector<int>({dlg.hue(), dlg.saturation(), dlg.value()}), after.mid(0, 3));
            QCOMPARE(dlg.color(), QColor::fromHsv(after[0] % 360, after[1], after[2]).toRgb());
        }
    }
};

QTEST_MAIN(TestKivoColorArea)
#include "tst_kivocolorarea.moc"
