#include "TestAppFolder.h"
#include "TestFiles.h"
#include "model/AppPaths.h"
#include "model/ButtonAssignment.h"
#include "model/MacroFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {
MacroEvent ev(int map, int h, int l)
{
    MacroEvent e;
    e.Map = quint8(map);
    e.DataH = quint8(h);
    e.DataL = quint8(l);
    return e;
}

QVector<MacroEvent> someEvents(int n)
{
    QVector<MacroEvent> events;
    for (int i = 0; i < n; ++i)
        events.append(ev(i % 2 ? 0x04 : 0x84, i / 256, i % 256));
    return events;
}

QString macroPath(const QString& name)
{
    return AppPaths::macroDir() + "/" + name + ".MSMACRO";
}

void writeRaw(const QString& name, const QByteArray& bytes)
{
    QVERIFY(TestFiles::write(macroPath(name), bytes));
}

QStringList rawLines(const QString& name)
{
    QFile f(macroPath(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).split('\n')
                                       : QStringList();
}

// Every file below the application folder, so a test can see that nothing was written.
QStringList allFiles(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

void expectEmpty(const MacroFileData& d)
{
    QVERIFY(d.events.isEmpty() && d.path.isEmpty());
    QCOMPARE((QVector<int>{d.count, d.defaultDelay, d.delayType, d.loopType, d.loopTime}),
             QVector<int>(5, 0));
}
} // namespace

class tst_MacroFile : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestAppFolder> m_folder;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_folder->isValid());
    }
    void cleanup() { m_folder.reset(); }

    void editorSaveWritesEveryKey()
    {
        MacroFileData d;
        d.path = "/somewhere/else";
        d.defaultDelay = 250;
        d.delayType = 2;
        d.loopType = 3;
        d.loopTime = 17;
        d.count = 99; // the rows decide, not this
        d.events = {ev(0x84, 0, 4), ev(0x06, 300 >> 8, 300 & 0xFF), ev(0x02, 0, quint8(256 - 5))};
        QVERIFY(MacroFile::save("kinds", d));

        // Decimal integers in the INI text, exactly as the examples of the format.
        const QStringList lines = rawLines("kinds");
        QCOMPARE(lines.first(), QStringLiteral("[Setting]"));
        for (const char* line :
             {"Map_0=132", "DataH_0=0", "DataL_0=4", "Map_1=6", "DataH_1=1", "DataL_1=44",
              "Map_2=2", "DataH_2=0", "DataL_2=251", "Count=3", "DefaultDelay=250", "DelayType=2",
              "LoopType=3", "LoopTime=17", "WriteSign=1"})
            QVERIFY2(lines.contains(QLatin1String(line)), line);
        const QSettings s(macroPath("kinds"), QSettings::IniFormat);
        QCOMPARE(s.value("Setting/MacroFilePath").toString(), macroPath("kinds"));
        QCOMPARE(s.allKeys().size(), 6 + 3 * 3 + 1);

        // The event-list save of the recorder: default settings and no write sign.
        QVERIFY(MacroFile::saveEventList("list", someEvents(2)));
        const MacroFileData list = MacroFile::load("list");
        QCOMPARE((QVector<int>{list.defaultDelay, list.delayType, list.loopType, list.loopTime}),
                 (QVector<int>{10, 1, 0, 1}));
        QCOMPARE(list.events, someEvents(2));
        QVERIFY(!MacroFile::takeWriteSign("list"));
    }

    void loadRoundTripAndShorterSave()
    {
        MacroFileData d;
        d.events = someEvents(83);
        QVERIFY(MacroFile::save("trip", d));
        QCOMPARE(MacroFile::load("trip").events, d.events);

        // A shorter list leaves the old keys behind, but the load stops at the count.
        d.events = someEvents(2);
        QVERIFY(MacroFile::save("trip", d));
        QCOMPARE(MacroFile::load("trip").events, someEvents(2));
    }

    void copyIntoButton()
    {
        MacroFileData d;
        d.events = {ev(0x84, 0x11, 0x22), ev(0x06, 0x01, 0x2C)};
        ButtonAssignment b;
        QCOMPARE(MacroFile::copyIntoButton(d, b), 2);
        QCOMPARE(b.KeyNumber, 2);
        // Map, DataL, DataH.
        const quint8 expected[2][3] = {{0x84, 0x22, 0x11}, {0x06, 0x2C, 0x01}};
        QVERIFY(std::memcmp(b.KeyInfo, expected, sizeof expected) == 0);

        // At most 84 events fit; the fields behind the event list are untouched.
        b.Res1 = 0x5A;
        b.macroname = "keep";
        MacroFileData longer;
        longer.events = someEvents(200);
        QCOMPARE(MacroFile::copyIntoButton(longer, b), ButtonAssignment::kKeyInfoCount);
        QCOMPARE(b.KeyInfo[83][1], longer.events[83].DataL);
        QVERIFY(b.Res1 == 0x5A && b.macroname == "keep");

        // A shorter list leaves the entries behind its count as they were.
        MacroFileData shorter;
        shorter.events.fill(ev(0x06, 0, 7), 10);
        QCOMPARE(MacroFile::copyIntoButton(shorter, b), 10);
        QCOMPARE(b.KeyNumber, 10);
        QCOMPARE(b.KeyInfo[9][0], quint8(0x06));
        QCOMPARE(b.KeyInfo[10][0], longer.events[10].Map);
    }

    void unsafeNamesTouchNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral("   ");
        QTest::newRow("dotdot") << QStringLiteral("..");
        QTest::newRow("slash") << QStringLiteral("../victim");
        QTest::newRow("backslash") << QStringLiteral("..\\victim");
        QTest::newRow("control") << QStringLiteral("a\nb");
        QTest::newRow("nul") << QString::fromUtf16(u"a\u0000b", 3);
    }
    void unsafeNamesTouchNothing()
    {
        QFETCH(QString, name);
        // A file the traversal names would reach.
        const QString victim = AppPaths::configDir() + "/victim.MSMACRO";
        QVERIFY(TestFiles::write(victim, "[Setting]\nCount=0\nWriteSign=1\n"));
        const QStringList before = allFiles(m_folder->path());

        MacroFileData d = MacroFileData::newMacro();
        d.events = someEvents(3);
        QVERIFY(MacroFile::filePath(name).isEmpty());
        QVERIFY(!MacroFile::save(name, d));
        QVERIFY(!MacroFile::saveEventList(name, d.events));
        expectEmpty(MacroFile::load(name));
        QVERIFY(!MacroFile::remove(name));
        QVERIFY(!MacroFile::takeWriteSign(name));
        MacroFile::save("fine", d);
        QVERIFY(!MacroFile::rename("fine", name));
        QVERIFY(!MacroFile::rename(name, "fine2"));
        QVERIFY(MacroFile::rename("not written yet", "fine2")); // nothing to move
        QVERIFY(MacroFile::remove("fine"));
        QCOMPARE(allFiles(m_folder->path()), before);
        QVERIFY(QSettings(victim, QSettings::IniFormat).value("Setting/WriteSign").toBool());
    }

    void damagedFilesLoadEmpty_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary garbage") << TestFiles::randomBytes(64 * 1024, 1234);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("count without events")
            << QByteArray("[Setting]\nCount=3\nMap_0=132\nDataH_0=0\nDataL_0=4\n");
        QTest::newRow("event lacks its high byte")
            << QByteArray("[Setting]\nCount=1\nMap_0=132\nDataL_0=4\n");
        QTest::newRow("event lacks its low byte")
            << QByteArray("[Setting]\nCount=1\nMap_0=132\nDataH_0=0\n");
        QTest::newRow("garbage behind a header")
            << QByteArray("[Setting]\nCount=2\n") + TestFiles::randomBytes(64 * 1024, 1234);
        QTest::newRow("huge count") << QByteArray("[Setting]\nCount=2147483647\nMap_0=132\n"
                                                  "DataH_0=0\nDataL_0=4\n");
        QTest::newRow("negative count")
            << QByteArray("[Setting]\nCount=-5\nMap_0=132\nDataH_0=0\nDataL_0=4\n");
    }
    void damagedFilesLoadEmpty()
    {
        QFETCH(QByteArray, bytes);
        writeRaw("bad", bytes);
        const MacroFileData d = MacroFile::load("bad");
        QVERIFY(d.events.isEmpty());
        ButtonAssignment b;
        b.KeyInfo[0][0] = 0x77;
        QCOMPARE(MacroFile::copyIntoButton(d, b), 0);
        QCOMPARE(b.KeyNumber, 0);
        QCOMPARE(b.KeyInfo[0][0], quint8(0x77));
    }

    void unreadableFilesAreNotParsedAndCanBeReplaced()
    {
        QDir().mkpath(AppPaths::macroDir());
        {
            // A valid beginning that the parser would happily read if it were given the file.
            QFile f(macroPath("huge"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Setting]\nCount=1\nMap_0=132\nDataH_0=0\nDataL_0=4\nWriteSign=1\n");
            QVERIFY(f.resize(50 * 1024 * 1024));
        }
        expectEmpty(MacroFile::load("huge"));
        QVERIFY(!MacroFile::takeWriteSign("huge"));
        writeRaw("over", TestFiles::randomBytes(16 * 1024, 99));

        MacroFileData d = MacroFileData::newMacro();
        d.events = someEvents(3);
        for (const char* name : {"huge", "over"}) {
            QVERIFY(MacroFile::save(name, d));
            QCOMPARE(QSettings(macroPath(name), QSettings::IniFormat).status(), QSettings::NoError);
            QCOMPARE(MacroFile::load(name).events, d.events);
        }
    }

    void windowsLineEndingsAndByteOrderMarkLoad()
    {
        const QByteArray text =
            "[Setting]\r\nCount=2\r\nDataH_0=1\r\nDataH_1=0\r\nDataL_0=44\r\n"
            "DataL_1=4\r\nLoopTime=1\r\nMap_0=6\r\nMap_1=132\r\nWriteSign=1\r\n";
        writeRaw("crlf", text);
        QCOMPARE(MacroFile::load("crlf").events,
                 (QVector<MacroEvent>{ev(6, 1, 44), ev(0x84, 0, 4)}));
        // A byte order mark, as an editor on Windows may leave, makes the parser report a
        // format error although every key reads fine.
        writeRaw("bom", "\xEF\xBB\xBF" + text);
        QCOMPARE(MacroFile::load("bom").events.size(), 2);
        QVERIFY(MacroFile::takeWriteSign("bom"));
        QVERIFY(!MacroFile::takeWriteSign("bom"));
    }

    void eventsBeyondTheReadLimitAreLeftOut()
    {
        const int n = MacroFile::kMaxEvents + 100;
        QByteArray text = "[Setting]\nCount=" + QByteArray::number(n) + "\n";
        for (int i = 0; i < n; ++i) {
            const QByteArray idx = QByteArray::number(i);
            text += "Map_" + idx + "=6\nDataH_" + idx + "=0\nDataL_" + idx + "=" +
                    QByteArray::number(i % 256) + "\n";
        }
        QVERIFY(text.size() < MacroFile::kMaxFileSize);
        writeRaw("limit", text);
        const MacroFileData limited = MacroFile::load("limit");
        QCOMPARE(limited.count, n);
        QCOMPARE(limited.events.size(), MacroFile::kMaxEvents);
        QCOMPARE(limited.events.last().DataL, quint8((MacroFile::kMaxEvents - 1) % 256));
    }
};

QTEST_GUILESS_MAIN(tst_MacroFile)
#include "tst_macrofile.moc"
