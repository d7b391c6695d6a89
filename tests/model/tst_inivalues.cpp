#include "model/IniFileCheck.h"
#include "model/IniValues.h"

#include <QColor>
#include <QSettings>
#include <QTemporaryFile>
#include <QtTest>

// The quick reader of profile files must read exactly what QSettings reads, and leave every
// text it is not sure of to QSettings.
class TestIniValues : public QObject
{
    Q_OBJECT
private slots:
    void readsAsQSettings_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("complete");
        const QByteArray colour =
            "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\0\\0\\xff\\xff\\0\\0)";
        QTest::newRow("profile lines")
            << "[PROFILE]\nBUTTON_INFO_0_ID=1\nLedMode=3\nLedMode\\LED_MODE_0_RGB=" + colour +
                   "\nProfileName=Profile 1\nBUTTON_INFO_0_macroname=\nx=0x10\n"
            << true;
        QTest::newRow("no section, comment, CRLF")
            << QByteArray("a=-5\r\n; note\r\n[G]\r\nb/c=2\r\n") << true;
        QTest::newRow("quoted") << QByteArray("[P]\nk=\"a=b\"\n") << false;
        QTest::newRow("list") << QByteArray("[P]\nk=1,2\n") << false;
        QTest::newRow("spaces around") << QByteArray("[P]\nk = 1\n") << false;
        QTest::newRow("trailing space") << QByteArray("[P]\nk=1 \n") << false;
        QTest::newRow("key twice") << QByteArray("[P]\nk=1\nk=2\n") << false;
        QTest::newRow("section twice") << QByteArray("[P]\na=1\n[Q]\nb=1\n[P]\nc=1\n") << false;
        QTest::newRow("general") << QByteArray("[General]\na=1\n") << false;
        QTest::newRow("escape") << QByteArray("[P]\nk=a\\tb\n") << false;
        QTest::newRow("escaped at") << QByteArray("[P]\nk=@@x\n") << false;
        QTest::newRow("percent key") << QByteArray("[P]\nk%20=1\n") << false;
    }
    void readsAsQSettings()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, complete);
        QVERIFY(IniFileCheck::isSoundText(text, IniFileCheck::limitsFor("x.prof")));
        const IniValues values(text);
        QCOMPARE(values.isComplete(), complete);
        if (!complete)
            return;
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(text) == text.size() && file.flush());
        const QSettings settings(file.fileName(), QSettings::IniFormat);
        QVERIFY(!settings.allKeys().isEmpty());
        for (const QString& key : settings.allKeys())
            QCOMPARE(values.value(key), settings.value(key));
        QCOMPARE(values.value("PROFILE/absent", 7), QVariant(7));
        if (text.contains("RGB"))
            QCOMPARE(values.value("PROFILE/LedMode/LED_MODE_0_RGB").value<QColor>(),
                     QColor(0x12, 0, 0xff));
    }
};

QTEST_GUILESS_MAIN(TestIniValues)
#include "tst_inivalues.moc"
