#include "ScriptedHidDevice.h"
#include "device/CommandTransport.h"
#include "device/DeviceLink.h"

#include <QtTest>

namespace {

using Kind = ScriptedHidDevice::Kind;

QList<unsigned long> g_Sleeps;
void recordSleep(unsigned long ms)
{
    g_Sleeps.append(ms);
}
void noSleep(unsigned long) {}

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// A checksummed configuration report whose code (byte 4) awaits an echo.
QByteArray command(quint8 code = 0x02)
{
    QByteArray c(33, '\0');
    c[1] = char(0x01);
    c[2] = char(0x11);
    c[3] = char(0x22);
    c[4] = char(code);
    for (int i = 5; i < 32; ++i)
        c[i] = char(i * 3);
    quint8 sum = 0;
    for (int i = 1; i < 32; ++i)
        sum = quint8(sum + quint8(c[i]));
    c[32] = char(~sum);
    return c;
}

quint8 send(const QByteArray& c)
{
    return CommandTransport::sendCommand(reinterpret_cast<const quint8*>(c.constData()), c.size());
}

// "a b*3" -> {a, b, b, b}: the scripts and sleep sequences of the budget table.
QStringList expand(const QString& compact)
{
    QStringList out;
    for (const QString& token : compact.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = token.split('*');
        for (int i = 0; i < (parts.size() > 1 ? parts[1].toInt() : 1); ++i)
            out << parts[0];
    }
    return out;
}

} // namespace

class TestCommandTransport : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<ScriptedHidDevice> m_Device;

    void useReceiverOnly()
    {
        DeviceLink::instance().closeAll();
        m_Device = std::make_shared<ScriptedHidDevice>();
        DeviceLink::instance().setHandle(DeviceLink::ReceiverControl, m_Device);
    }
    quint8 sendQuietly(const QByteArray& c)
    {
        qInstallMessageHandler(dropMessage);
        const quint8 result = send(c);
        qInstallMessageHandler(nullptr);
        return result;
    }

private slots:
    void init()
    {
        g_Sleeps.clear();
        CommandTransport::setSleepFunction(recordSleep);
        useReceiverOnly();
    }
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        CommandTransport::setSleepFunction(nullptr);
        DeviceLink::instance().closeAll();
        m_Device.reset();
    }

    void codesThatAwaitAnAnswer_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("reads");
        for (int code : {0x00, 0x05, 0x0A, 0x40, 0x46})
            QTest::addRow("0x%02x", code) << code << true;
        for (int code : {0x0B, 0x3F, 0x41, 0x44, 0x45, 0x47, 0xFF})
            QTest::addRow("0x%02x", code) << code << false;
    }
    void codesThatAwaitAnAnswer()
    {
        QFETCH(int, code);
        QFETCH(bool, reads);
        const QByteArray c = command(quint8(code));
        QCOMPARE(send(c), quint8(0));
        const ScriptedHidDevice::Record record = m_Device->record();
        QCOMPARE(record.writes, QList<QByteArray>({c}));
        QCOMPARE(record.reads, reads ? 1 : 0);
        if (reads)
            QVERIFY(record.lastTimeout == 150 && record.lastReadLength == 33);
        QCOMPARE(g_Sleeps, QList<unsigned long>({10}));
    }

    // Script letters, one read each (then echoes): z all-zero answer, w echo with byte 32 changed,
    // h echo with its first eight bytes zero, H the same with byte 8 set, t time-out, f read
    // failure; x makes the next write fail.
    void budgets_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QString>("sleeps");
        const auto row = [](const char* name, const char* script, int result, int writes, int reads,
                            const char* sleeps) {
            QTest::newRow(name) << QString(script) << result << writes << reads << QString(sleeps);
        };
        row("negative write", "x", 4, 1, 0, "");
        row("six zero answers", "z*6 f*100", 0, 6, 6, "10*6");
        row("six time-outs", "t*6 f*100", 0, 6, 6, "10*6");
        row("five zero answers", "z*5", 0, 6, 6, "10*6");
        row("zero head", "h*6 f*100", 0, 6, 6, "10*6");
        row("byte 8 decides", "H", 0, 1, 2, "10 50");
        row("byte 32 differs", "w", 0, 1, 2, "10 50");
        row("19 mismatches", "w*19", 0, 1, 20, "10 50*19");
        row("20 mismatches", "w*20", 0, 2, 21, "10 50*19 10");
        row("persistent mismatch", "w*1000", 2, 3, 22, "10 50*19 10 10");
        row("29 read failures", "f*29", 0, 1, 30, "10 50*29");
        row("30 read failures", "f*30", 0, 2, 31, "10 50*29 10");
        row("persistent read failure", "f*1000", 2, 3, 32, "10 50*29 10 10");
        // After a mismatch six zero answers are a check failure, and the re-read finds the echo.
        row("zero answers after a mismatch", "w z*6", 0, 6, 8, "10 50 10*5 50");
        // A time-out leaves the previous (wrong) answer in place.
        row("time-out after a mismatch", "w t", 0, 1, 3, "10 50 50");
    }
    void budgets()
    {
        QFETCH(QString, script);
        QFETCH(int, result);
        QFETCH(int, writes);
        QFETCH(int, reads);
        QFETCH(QString, sleeps);
        const QByteArray c = command();
        QByteArray wrong = c.mid(1, 32);
        wrong[31] = char(wrong[31] ^ 0x01);
        QByteArray zeroHead = c.mid(1, 32);
        zeroHead.replace(0, 8, QByteArray(8, '\0'));
        QByteArray byte8 = zeroHead;
        byte8[7] = 1;
        const QMap<QString, QByteArray> bytes = {
            {"z", QByteArray(32, '\0')}, {"w", wrong}, {"h", zeroHead}, {"H", byte8}};
        for (const QString& step : expand(script)) {
            if (step == "x")
                m_Device->failWrites(1);
            else if (bytes.contains(step))
                m_Device->add(Kind::Bytes, bytes[step]);
            else
                m_Device->add(step == "t" ? Kind::Timeout : Kind::Fail);
        }
        QCOMPARE(int(sendQuietly(c)), result);
        QCOMPARE(m_Device->record().writes, QVector<QByteArray>(writes, c).toList());
        QCOMPARE(m_Device->record().reads, reads);
        QList<unsigned long> expectedSleeps;
        for (const QString& s : expand(sleeps))
            expectedSleeps << s.toULong();
        QCOMPARE(g_Sleeps, expectedSleeps);
    }

    void shortOrOddCommandsAreSafe()
    {
        // A short command is padded with zeros; the frame on the wire is always 33 bytes.
        const quint8 shortCommand[5] = {0x00, 0x05, 0x00, 0xFA, 0x44};
        QCOMPARE(CommandTransport::sendCommand(shortCommand, 5), quint8(0));
        const QByteArray written = m_Device->record().writes.value(0);
        QCOMPARE(written.size(), 33);
        QCOMPARE(written.mid(5), QByteArray(28, '\0'));

        QCOMPARE(CommandTransport::sendCommand(nullptr, 33), quint8(0)); // code 0: zero answers
    }

    void randomAnswersNeverCrash()
    {
        CommandTransport::setSleepFunction(noSleep);
        qInstallMessageHandler(dropMessage);
        QRandomGenerator random(20240611);
        for (int round = 0; round < 300; ++round) {
            useReceiverOnly();
            const QByteArray c = command(quint8(random.bounded(0, 12)));
            m_Device->addRandomSteps(random, random.bounded(1, 80));
            if (random.bounded(0, 20) == 0)
                m_Device->failWrites(1);
            const quint8 result = send(c);
            QVERIFY2(result == 0 || result == 2 || result == 4,
                     qPrintable(QString::number(result)));
            // Budgets bound the traffic whatever the answers: 3 failure writes, each followed
            // by at most 5 zero-answer writes per check failure.
            QVERIFY(m_Device->record().writes.size() <= 3 + 5 * 23);
            QVERIFY(m_Device->record().reads <= 500);
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandTransport)
#include "tst_commandtransport.moc"
