#include "platform/OsdClient.h"
#include "platform/OsdMessage.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

namespace {
// Records what would have been started; may bring the server up the way the real OSD would.
class FakeLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList&) override
    {
        m_Started << program;
        if (m_OnStart)
            m_OnStart();
        return m_bResult;
    }

    QStringList m_Started;
    bool m_bResult = false;
    std::function<void()> m_OnStart;
};

// The OSD's side, cut down to collecting what arrives.
class Receiver : public QObject
{
public:
    bool listen(const QString& address)
    {
        connect(&m_Server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = m_Server.nextPendingConnection()) {
                m_Clients << socket;
                connect(socket, &QLocalSocket::readyRead, this,
                        [this, socket] { m_Bytes += socket->readAll(); });
            }
        });
        return m_Server.listen(address);
    }
    QList<QByteArray> blocks() const
    {
        QList<QByteArray> result;
        for (int i = 0; i + OsdMessage::kBlockSize <= m_Bytes.size(); i += OsdMessage::kBlockSize)
            result << m_Bytes.mid(i, OsdMessage::kBlockSize);
        return result;
    }

    QLocalServer m_Server;
    QList<QLocalSocket*> m_Clients;
    QByteArray m_Bytes;
};

QList<QByteArray> blocksOf(const QStringList& texts, const QColor& colour = Qt::red)
{
    QList<QByteArray> blocks;
    for (const QString& text : texts)
        blocks << OsdMessage::announcement(text, colour).toBlock();
    return blocks;
}

QByteArray utf16le(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}
} // namespace

class TestOsdClient : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    int m_iCase = 0;

    QString freshAddress() { return m_Dir.path() + "/osd" + QString::number(++m_iCase); }

private slots:
    void blockLayoutByteByByte()
    {
        const QByteArray block =
            OsdMessage::announcement("DPI 2:1600", QColor(255, 0, 0)).toBlock();
        QByteArray expected;
        expected += utf16le("DPI 2:1600");
        expected += QByteArray(512 - expected.size(), '\0');
        expected += QByteArray::fromHex("00000000"   // 0
                                        "dc050000"   // 1500
                                        "00000000"   // 0
                                        "ff000000"   // red as 0x00BBGGRR
                                        "3c000000"); // 60
        expected += utf16le("Arial");
        expected += QByteArray(1044 - expected.size(), '\0');
        QCOMPARE(expected.size(), 1044);
        QCOMPARE(block.size(), OsdMessage::kBlockSize);
        QCOMPARE(block.toHex(), expected.toHex());
        // Transparency of the colour never reaches the unused top byte.
        QCOMPARE(OsdMessage::toColourRef(QColor(1, 2, 3, 4)), 0x00030201u);
    }

    void longTextIsCutAndStaysTerminated()
    {
        const QByteArray block = OsdMessage::announcement(QString(300, 'x'), Qt::red).toBlock();
        QCOMPARE(block.mid(254 * 2, 2), QByteArray("x\0", 2));
        QCOMPARE(block.mid(255 * 2, 2), QByteArray(2, '\0'));
        QCOMPARE(block.mid(512, 4), QByteArray(4, '\0')); // the numbers are untouched
        QCOMPARE(block.mid(516, 4), QByteArray::fromHex("dc050000"));

        // A character of two code units that does not fit whole is left out whole.
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        OsdMessage message;
        QVERIFY(OsdMessage::fromBlock(
            OsdMessage::announcement(QString(254, 'a') + emoji, Qt::red).toBlock(), &message));
        QCOMPARE(message.text, QString(254, 'a'));
        QVERIFY(OsdMessage::fromBlock(
            OsdMessage::announcement(QString(253, 'a') + emoji, Qt::red).toBlock(), &message));
        QCOMPARE(message.text, QString(253, 'a') + emoji);
    }

    void blocksReadBack()
    {
        OsdMessage sent =
            OsdMessage::announcement(QString::fromUtf8("配置 1"), QColor(0, 255, 255));
        OsdMessage read;
        QVERIFY(!OsdMessage::fromBlock(QByteArray(1043, '\0'), &read));
        QVERIFY(!OsdMessage::fromBlock(QByteArray(1045, '\0'), &read));

        // A text field without a terminator ends with the field.
        QByteArray unterminated = sent.toBlock();
        for (int i = 0; i < 512; i += 2)
            unterminated[i] = 'z';
        QVERIFY(OsdMessage::fromBlock(unterminated, &read));
        QCOMPARE(read.text.size(), 256);
        QCOMPARE(read.fontFace, QString("Arial"));
    }

    void oneConnectionCarriesBlocksUnchangedAndARestartedOsdIsFound()
    {
        const QString address = freshAddress();
        auto osd = std::make_unique<Receiver>();
        QVERIFY(osd->listen(address));
        FakeLauncher launcher;
        OsdClient client(&launcher);
        client.setServerAddress(address);

        client.announce("DPI 2:1600", QColor(255, 0, 0));
        client.announce("Profile 2", QColor(0, 255, 0));
        QTRY_COMPARE(osd->blocks(), blocksOf({"DPI 2:1600"}) + blocksOf({"Profile 2"}, Qt::green));
        QCOMPARE(osd->m_Clients.size(), 1); // one connection serves every announcement

        // The OSD ends; a new one takes its place.
        osd.reset(); // its connections go with it
        QTRY_VERIFY(!client.isConnected());
        Receiver second;
        QVERIFY(second.listen(address));
        client.announce("Profile 3", Qt::red);
        QTRY_COMPARE(second.blocks(), blocksOf({"Profile 3"}));
        QVERIFY(launcher.m_Started.isEmpty());
    }

    void osdIsStartedAndWaitingAnnouncementsFollowInOrder()
    {
        Receiver osd;
        const QString address = freshAddress();
        FakeLauncher launcher;
        launcher.m_bResult = true;
        launcher.m_OnStart = [&] { QVERIFY(osd.listen(address)); };
        OsdClient client(&launcher);
        client.setServerAddress(address);
        client.setProgram("/opt/app/mouse-osd");
        QSignalSpy attempts(&client, &OsdClient::attemptStarted);

        client.announce("Profile 3", Qt::red);
        client.announce("DPI 1:800", Qt::red);
        client.announce("1000 HZ", Qt::red);
        QCOMPARE(client.queuedCount(), 3);
        QCOMPARE(launcher.m_Started, QStringList{"/opt/app/mouse-osd"});

        QTRY_COMPARE_WITH_TIMEOUT(osd.blocks(), blocksOf({"Profile 3", "DPI 1:800", "1000 HZ"}),
                                  10000);
        QCOMPARE(attempts.count(), 2);
        QCOMPARE(client.queuedCount(), 0);
    }

    void noServerMeansFiveTriesOnTimersThenSilence()
    {
        FakeLauncher launcher;
        OsdClient client(&launcher);
        client.setServerAddress(freshAddress());
        client.setProgram("/opt/app/mouse-osd");

        // Counts turns of the event loop while the client waits between its tries.
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(10);
        QList<int> tries;
        QList<int> ticksAtTry;
        connect(&client, &OsdClient::attemptStarted, [&](int n) {
            tries << n;
            ticksAtTry << ticks;
        });
        QSignalSpy gaveUp(&client, &OsdClient::gaveUp);
        const QList<int> five{1, 2, 3, 4, 5};

        client.announce("DPI 3:3200", Qt::red);
        // The call came back after the first try, without waiting for the others.
        QCOMPARE(tries, QList<int>{1});
        QCOMPARE(gaveUp.count(), 0);
        QCOMPARE(client.queuedCount(), 1);

        QVERIFY(gaveUp.wait(20000));
        QCOMPARE(tries, five);
        QVERIFY2(std::adjacent_find(ticksAtTry.begin(), ticksAtTry.end(),
                                    std::greater_equal<int>()) == ticksAtTry.end(),
                 "the event loop must run between two tries");
        QCOMPARE(launcher.m_Started.size(), 1); // started once, not once per try
        QCOMPARE(client.queuedCount(), 0);

        // Nothing more happens afterwards ...
        const int ticksAtGiveUp = ticks;
        QTRY_VERIFY(ticks > ticksAtGiveUp + 60);
        QCOMPARE(tries, five);
        QCOMPARE(gaveUp.count(), 1);

        // ... until the next announcement, which tries afresh.
        client.announce("DPI 1:800", Qt::red);
        QCOMPARE(tries, five + QList<int>{1});
        QCOMPARE(launcher.m_Started.size(), 2);
    }

    void announcementsLostWithTheConnectionAreReported()
    {
        // An OSD that takes the connection but stops reading, then goes away.
        QLocalServer stuck;
        const QString address = freshAddress();
        QVERIFY(stuck.listen(address));
        FakeLauncher launcher;
        OsdClient client(&launcher);
        client.setServerAddress(address);
        client.announce("Profile 1", Qt::red);
        QTRY_VERIFY(stuck.hasPendingConnections());
        QLocalSocket* peer = stuck.nextPendingConnection();
        peer->setReadBufferSize(1);
        QSignalSpy written(&client, &OsdClient::blockWritten);
        for (int i = 0; i < 1000; ++i)
            client.announce(QString("DPI %1").arg(i), Qt::red);
        QCOMPARE(written.count(), 1000);
        QTest::qWait(100);

        QTest::ignoreMessage(QtDebugMsg, "SendMessage failed\n");
        peer->abort();
        QTRY_VERIFY(!client.isConnected());
    }

    void waitingAnnouncementsAreBounded()
    {
        Receiver osd;
        const QString address = freshAddress();
        FakeLauncher launcher;
        launcher.m_OnStart = [&] { QVERIFY(osd.listen(address)); };
        OsdClient client(&launcher);
        client.setServerAddress(address);
        QStringList texts;
        for (int i = 0; i < OsdClient::kMaxQueued + 4; ++i) {
            texts << QString("DPI %1").arg(i);
            client.announce(texts.last(), Qt::red);
        }
        QCOMPARE(client.queuedCount(), OsdClient::kMaxQueued);
        // The oldest made room.
        QTRY_COMPARE_WITH_TIMEOUT(osd.blocks(), blocksOf(texts.mid(4)), 10000);
    }
};

QTEST_GUILESS_MAIN(TestOsdClient)
#include "tst_osdclient.moc"
