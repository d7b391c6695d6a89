#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/ButtonAssignment.h"
#include "model/MacroFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

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
    QDir().mkpath(AppPaths::macroDir());
    QFile f(macroPath(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

int rawInt(const QString& name, const QString& key)
{
    return QSettings(macroPath(name), QSettings::IniFormat).value(key).toInt();
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
    QVERIFY(d.events.isEmpty());
    QCOMPARE(d.count, 0);
    QCOMPARE(d.defaultDelay, 0);
    QCOMPARE(d.delayType, 0);
    QCOMPARE(d.loopType, 0);
    QCOMPARE(d.loopTime, 0);
    QVERIFY(d.path.isEmpty());
}
} // namespace

class tst_MacroFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void storedBytesOfTheEventKinds();
    void editorSaveWritesEveryKey();
    void eventListSaveUsesDefaultsWithoutWriteSign();
    void shorterSaveLeavesOldKeysButLoadStopsAtCount();
    void loadRoundTrip();
    void missingFileIsEmptyAndNotCreated();
    void writeSignIsTakenOnce();
    void renameAndRemove();
    void renameRefusedWhenTargetExists();
    void copyIntoButtonOrdersBytes();
    void copyIntoButtonKeepsEntriesBehindCount();
    void copyIntoButtonStopsAt84();
    void unsafeNamesTouchNothing_data();
    void unsafeNamesTouchNothing();
    void damagedFilesLoadEmpty_data();
    void damagedFilesLoadEmpty();
    void oversizedFileIsNotParsedAndCanBeReplaced();
    void savingOverGarbageStartsAfresh();
    void windowsLineEndingsAndByteOrderMarkLoad();
    void negativeCount();
    void hugeCountWithFewEvents();
    void countAboveTheReadLimit();

private:
    std::unique_ptr<TestAppFolder> m_folder;
};

void tst_MacroFile::init()
{
    m_folder = std::make_unique<TestAppFolder>();
    QVERIFY(m_folder->isValid());
}

void tst_MacroFile::cleanup()
{
    m_folder.reset();
}

void tst_MacroFile::storedBytesOfTheEventKinds()
{
    MacroFileData d = MacroFileData::newMacro();
    d.events = {ev(0x84, 0, 4), ev(0x04, 0, 4), ev(0x06, 300 >> 8, 300 & 0xFF),
                ev(0x02, 0, quint8(256 - 5))};
    QVERIFY(MacroFile::save("kinds", d));

    QFile f(macroPath("kinds"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    // Decimal integers in the INI text, exactly as the examples of the format.
    for (const char* line :
         {"Map_0=132", "DataH_0=0", "DataL_0=4", "Map_1=4", "DataH_1=0", "DataL_1=4", "Map_2=6",
          "DataH_2=1", "DataL_2=44", "Map_3=2", "DataH_3=0", "DataL_3=251", "Count=4"})
        QVERIFY2(text.contains(line), line);
    QVERIFY(text.startsWith("[Setting]"));
}

void tst_MacroFile::editorSaveWritesEveryKey()
{
    MacroFileData d;
    d.path = "/somewhere/else";
    d.defaultDelay = 250;
    d.delayType = 2;
    d.loopType = 3;
    d.loopTime = 17;
    d.count = 99; // the rows decide, not this
    d.events = someEvents(3);
    QVERIFY(MacroFile::save("editor", d));

    const QSettings s(macroPath("editor"), QSettings::IniFormat);
    QCOMPARE(s.value("Setting/MacroFilePath").toString(), macroPath("editor"));
    QCOMPARE(s.value("Setting/DefaultDelay").toInt(), 250);
    QCOMPARE(s.value("Setting/DelayType").toInt(), 2);
    QCOMPARE(s.value("Setting/LoopType").toInt(), 3);
    QCOMPARE(s.value("Setting/LoopTime").toInt(), 17);
    QCOMPARE(s.value("Setting/Count").toInt(), 3);
    QCOMPARE(s.value("Setting/WriteSign").toInt(), 1);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(s.value(QString("Setting/Map_%1").arg(i)).toInt(), int(d.events[i].Map));
        QCOMPARE(s.value(QString("Setting/DataH_%1").arg(i)).toInt(), int(d.events[i].DataH));
        QCOMPARE(s.value(QString("Setting/DataL_%1").arg(i)).toInt(), int(d.events[i].DataL));
    }
    QVERIFY(!s.contains("Setting/Map_3"));
    QCOMPARE(s.childGroups(), QStringList{"Setting"});
}

void tst_MacroFile::eventListSaveUsesDefaultsWithoutWriteSign()
{
    QVERIFY(MacroFile::saveEventList("list", someEvents(2)));
    const QSettings s(macroPath("list"), QSettings::IniFormat);
    QCOMPARE(s.value("Setting/MacroFilePath").toString(), macroPath("list"));
    QCOMPARE(s.value("Setting/DefaultDelay").toInt(), 10);
    QCOMPARE(s.value("Setting/DelayType").toInt(), 1);
    QCOMPARE(s.value("Setting/LoopType").toInt(), 0);
    QCOMPARE(s.value("Setting/LoopTime").toInt(), 1);
    QCOMPARE(s.value("Setting/Count").toInt(), 2);
    QCOMPARE(s.value("Setting/Map_1").toInt(), 0x04);
    QCOMPARE(s.value("Setting/DataL_1").toInt(), 1);
    QVERIFY(!s.contains("Setting/WriteSign"));
    QVERIFY(!MacroFile::takeWriteSign("list"));
}

void tst_MacroFile::shorterSaveLeavesOldKeysButLoadStopsAtCount()
{
    MacroFileData d = MacroFileData::newMacro();
    d.events = someEvents(6);
    QVERIFY(MacroFile::save("shrink", d));
    d.events = someEvents(2);
    QVERIFY(MacroFile::save("shrink", d));
    QCOMPARE(rawInt("shrink", "Setting/Count"), 2);
    QVERIFY(QSettings(macroPath("shrink"), QSettings::IniFormat).contains("Setting/Map_5"));
    const MacroFileData back = MacroFile::load("shrink");
    QCOMPARE(back.events, someEvents(2));
}

void tst_MacroFile::loadRoundTrip()
{
    MacroFileData d;
    d.defaultDelay = 65535;
    d.delayType = 1;
    d.loopType = 2;
    d.loopTime = 255;
    d.events = someEvents(83);
    QVERIFY(MacroFile::save("trip", d));
    const MacroFileData back = MacroFile::load("trip");
    QCOMPARE(back.path, macroPath("trip"));
    QCOMPARE(back.defaultDelay, 65535);
    QCOMPARE(back.delayType, 1);
    QCOMPARE(back.loopType, 2);
    QCOMPARE(back.loopTime, 255);
    QCOMPARE(back.count, 83);
    QCOMPARE(back.events, d.events);
}

void tst_MacroFile::missingFileIsEmptyAndNotCreated()
{
    expectEmpty(MacroFile::load("nothing"));
    QVERIFY(!MacroFile::takeWriteSign("nothing"));
    QVERIFY(!MacroFile::exists("nothing"));
    QVERIFY(!QFile::exists(macroPath("nothing")));
}

void tst_MacroFile::writeSignIsTakenOnce()
{
    QVERIFY(MacroFile::save("sign", MacroFileData::newMacro()));
    QCOMPARE(rawInt("sign", "Setting/WriteSign"), 1);
    QVERIFY(MacroFile::takeWriteSign("sign"));
    QCOMPARE(rawInt("sign", "Setting/WriteSign"), 0);
    QVERIFY(!MacroFile::takeWriteSign("sign"));
    // Saving again marks it once more.
    QVERIFY(MacroFile::save("sign", MacroFileData::newMacro()));
    QVERIFY(MacroFile::takeWriteSign("sign"));
}

void tst_MacroFile::renameAndRemove()
{
    MacroFileData d = MacroFileData::newMacro();
    d.events = someEvents(4);
    QVERIFY(MacroFile::save("old", d));
    QVERIFY(MacroFile::rename("old", "new"));
    QVERIFY(!MacroFile::exists("old"));
    QVERIFY(MacroFile::exists("new"));
    QCOMPARE(MacroFile::load("new").events, d.events);
    // Renaming a macro that has no file yet is not an error; there is simply nothing to move.
    QVERIFY(MacroFile::rename("ghost", "ghost2"));
    QVERIFY(!MacroFile::exists("ghost2"));

    QVERIFY(MacroFile::remove("new"));
    QVERIFY(!MacroFile::exists("new"));
    QVERIFY(MacroFile::remove("new")); // already gone
}

void tst_MacroFile::renameRefusedWhenTargetExists()
{
    MacroFileData a = MacroFileData::newMacro();
    a.events = someEvents(1);
    MacroFileData b = MacroFileData::newMacro();
    b.events = someEvents(5);
    QVERIFY(MacroFile::save("a", a));
    QVERIFY(MacroFile::save("b", b));
    QVERIFY(!MacroFile::rename("a", "b"));
    QCOMPARE(MacroFile::load("a").events, a.events);
    QCOMPARE(MacroFile::load("b").events, b.events);
    QVERIFY(!MacroFile::rename("a", "a"));
    QVERIFY(MacroFile::exists("a"));
}

void tst_MacroFile::copyIntoButtonOrdersBytes()
{
    MacroFileData d;
    d.events = {ev(0x84, 0x11, 0x22), ev(0x06, 0x01, 0x2C)};
    ButtonAssignment b;
    QCOMPARE(MacroFile::copyIntoButton(d, b), 2);
    QCOMPARE(b.KeyNumber, 2);
    QCOMPARE(b.KeyInfo[0][0], quint8(0x84));
    QCOMPARE(b.KeyInfo[0][1], quint8(0x22)); // DataL
    QCOMPARE(b.KeyInfo[0][2], quint8(0x11)); // DataH
    QCOMPARE(b.KeyInfo[1][0], quint8(0x06));
    QCOMPARE(b.KeyInfo[1][1], quint8(0x2C));
    QCOMPARE(b.KeyInfo[1][2], quint8(0x01));
}

void tst_MacroFile::copyIntoButtonKeepsEntriesBehindCount()
{
    ButtonAssignment b;
    MacroFileData longer;
    longer.events = someEvents(30);
    QCOMPARE(MacroFile::copyIntoButton(longer, b), 30);
    MacroFileData shorter;
    for (int i = 0; i < 10; ++i)
        shorter.events.append(ev(0x06, 0, 7));
    QCOMPARE(MacroFile::copyIntoButton(shorter, b), 10);
    QCOMPARE(b.KeyNumber, 10);
    QCOMPARE(b.KeyInfo[9][0], quint8(0x06));
    QCOMPARE(b.KeyInfo[10][0], longer.events[10].Map);
    QCOMPARE(b.KeyInfo[29][1], longer.events[29].DataL);
    QCOMPARE(b.KeyInfo[30][0], quint8(0));
}

void tst_MacroFile::copyIntoButtonStopsAt84()
{
    MacroFileData d = MacroFileData::newMacro();
    d.events = someEvents(200);
    QVERIFY(MacroFile::save("long", d));
    const MacroFileData back = MacroFile::load("long");
    QCOMPARE(back.events.size(), 200);

    ButtonAssignment b;
    b.Res1 = 0x5A;
    b.Res2 = 0x5B;
    b.Res3 = 0x5C;
    b.Res4 = 0x5D;
    b.macroname = "keep";
    QCOMPARE(MacroFile::copyIntoButton(back, b), ButtonAssignment::kKeyInfoCount);
    QCOMPARE(b.KeyNumber, ButtonAssignment::kKeyInfoCount);
    QCOMPARE(b.KeyInfo[83][1], back.events[83].DataL);
    // The fields behind the event list are untouched.
    QCOMPARE(b.Res1, quint8(0x5A));
    QCOMPARE(b.Res2, quint8(0x5B));
    QCOMPARE(b.Res3, quint8(0x5C));
    QCOMPARE(b.Res4, quint8(0x5D));
    QCOMPARE(b.macroname, QStringLiteral("keep"));
}

void tst_MacroFile::unsafeNamesTouchNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << QStringLiteral("   ");
    QTest::newRow("dotdot") << QStringLiteral("..");
    QTest::newRow("slash") << QStringLiteral("../victim");
    QTest::newRow("deep") << QStringLiteral("../../Configs/victim");
    QTest::newRow("backslash") << QStringLiteral("..\\victim");
    QTest::newRow("control") << QStringLiteral("a\nb");
    QTest::newRow("nul") << QString::fromUtf16(u"a\u0000b", 3);
}

void tst_MacroFile::unsafeNamesTouchNothing()
{
    QFETCH(QString, name);
    // A file the traversal names would reach.
    const QString victim = AppPaths::configDir() + "/victim.MSMACRO";
    QDir().mkpath(AppPaths::configDir());
    {
        QFile f(victim);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Setting]\nCount=0\nWriteSign=1\n");
    }
    const QStringList before = allFiles(m_folder->path());

    MacroFileData d = MacroFileData::newMacro();
    d.events = someEvents(3);
    QVERIFY(MacroFile::filePath(name).isEmpty());
    QVERIFY(!MacroFile::save(name, d));
    QVERIFY(!MacroFile::saveEventList(name, d.events));
    expectEmpty(MacroFile::load(name));
    QVERIFY(!MacroFile::exists(name));
    QVERIFY(!MacroFile::remove(name));
    QVERIFY(!MacroFile::takeWriteSign(name));
    MacroFile::save("fine", d);
    QVERIFY(!MacroFile::rename("fine", name));
    QVERIFY(!MacroFile::rename(name, "fine2"));
    QVERIFY(MacroFile::remove("fine"));

    QCOMPARE(allFiles(m_folder->path()), before);
    QFile f(victim);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("WriteSign=1"));
}

void tst_MacroFile::damagedFilesLoadEmpty_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator gen(1234);
    for (char& c : garbage)
        c = char(gen.bounded(256));
    QTest::newRow("binary garbage") << garbage;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only a group") << QByteArray("[Setting]\n");
    QTest::newRow("count without events")
        << QByteArray("[Setting]\nCount=3\nMap_0=132\nDataH_0=0\nDataL_0=4\n");
    QTest::newRow("event lacks one key")
        << QByteArray("[Setting]\nCount=1\nMap_0=132\nDataL_0=4\n");
    QTest::newRow("garbage behind a header") << QByteArray("[Setting]\nCount=2\n") + garbage;

    // A real file cut in the middle: the keys are stored sorted, so the Map_ keys are lost.
    TestAppFolder scratch;
    MacroFileData d = MacroFileData::newMacro();
    d.events = someEvents(40);
    MacroFile::save("whole", d);
    QFile f(macroPath("whole"));
    f.open(QIODevice::ReadOnly);
    const QByteArray whole = f.readAll();
    QTest::newRow("truncated") << whole.left(whole.size() / 2);
    QTest::newRow("truncated in a line") << whole.left(whole.indexOf("Map_25=") + 4);
}

void tst_MacroFile::damagedFilesLoadEmpty()
{
    QFETCH(QByteArray, bytes);
    writeRaw("bad", bytes);
    if (QTest::currentTestFailed())
        return;
    const MacroFileData d = MacroFile::load("bad");
    expectEmpty(d);
    ButtonAssignment b;
    QCOMPARE(MacroFile::copyIntoButton(d, b), 0);
    QCOMPARE(b.KeyNumber, 0);
}

void tst_MacroFile::oversizedFileIsNotParsedAndCanBeReplaced()
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
    QCOMPARE(QFileInfo(macroPath("huge")).size(), qint64(50 * 1024 * 1024));

    MacroFileData d = MacroFileData::newMacro();
    d.events = someEvents(2);
    QVERIFY(MacroFile::save("huge", d));
    QVERIFY(QFileInfo(macroPath("huge")).size() < 4096);
    QCOMPARE(MacroFile::load("huge").events, d.events);
}

void tst_MacroFile::savingOverGarbageStartsAfresh()
{
    QByteArray garbage(16 * 1024, '\0');
    QRandomGenerator gen(99);
    for (char& c : garbage)
        c = char(gen.bounded(256));
    writeRaw("over", garbage);
    MacroFileData d = MacroFileData::newMacro();
    d.events = someEvents(3);
    QVERIFY(MacroFile::save("over", d));
    const QSettings s(macroPath("over"), QSettings::IniFormat);
    QCOMPARE(s.status(), QSettings::NoError);
    QCOMPARE(s.childGroups(), QStringList{"Setting"});
    QCOMPARE(s.allKeys().size(), 6 + 3 * 3 + 1);
    QCOMPARE(MacroFile::load("over").events, d.events);
}

void tst_MacroFile::windowsLineEndingsAndByteOrderMarkLoad()
{
    const QByteArray text = "[Setting]\r\nCount=2\r\nDataH_0=1\r\nDataH_1=0\r\nDataL_0=44\r\n"
                            "DataL_1=4\r\nLoopTime=1\r\nMap_0=6\r\nMap_1=132\r\nWriteSign=1\r\n";
    writeRaw("crlf", text);
    QCOMPARE(MacroFile::load("crlf").events, (QVector<MacroEvent>{ev(6, 1, 44), ev(0x84, 0, 4)}));
    // A byte order mark, as an editor on Windows may leave, makes the parser report a format
    // error although every key reads fine.
    writeRaw("bom", "\xEF\xBB\xBF" + text);
    QCOMPARE(MacroFile::load("bom").events.size(), 2);
    QVERIFY(MacroFile::takeWriteSign("bom"));
    QVERIFY(!MacroFile::takeWriteSign("bom"));
    QCOMPARE(MacroFile::load("bom").events.size(), 2);
}

void tst_MacroFile::negativeCount()
{
    writeRaw("neg", "[Setting]\nCount=-5\nMap_0=132\nDataH_0=0\nDataL_0=4\nLoopTime=3\n");
    const MacroFileData d = MacroFile::load("neg");
    QCOMPARE(d.count, -5);
    QVERIFY(d.events.isEmpty());
    QCOMPARE(d.loopTime, 3);
    ButtonAssignment b;
    b.KeyInfo[0][0] = 0x77;
    QCOMPARE(MacroFile::copyIntoButton(d, b), 0);
    QCOMPARE(b.KeyNumber, 0);
    QCOMPARE(b.KeyInfo[0][0], quint8(0x77));
}

void tst_MacroFile::hugeCountWithFewEvents()
{
    writeRaw("many", "[Setting]\nCount=2147483647\nMap_0=132\nDataH_0=0\nDataL_0=4\n"
                     "Map_1=4\nDataH_1=0\nDataL_1=4\n");
    const MacroFileData d = MacroFile::load("many");
    QVERIFY(d.events.isEmpty());
    QCOMPARE(d.count, 0);
    writeRaw("many2", "[Setting]\nCount=99999999999999999999\nMap_0=132\nDataH_0=0\nDataL_0=4\n");
    QVERIFY(MacroFile::load("many2").events.isEmpty());
}

void tst_MacroFile::countAboveTheReadLimit()
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
    const MacroFileData d = MacroFile::load("limit");
    QCOMPARE(d.count, n);
    QCOMPARE(d.events.size(), MacroFile::kMaxEvents);
    QCOMPARE(d.events.last().DataL, quint8((MacroFile::kMaxEvents - 1) % 256));
}

QTEST_GUILESS_MAIN(tst_MacroFile)
#include "tst_macrofile.moc"
