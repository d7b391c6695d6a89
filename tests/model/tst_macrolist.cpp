#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {
void setSlot(int i, const QString& name)
{
    QSettings(AppPaths::configIni(), QSettings::IniFormat)
        .setValue(QStringLiteral("MACRO_LIST/%1").arg(i), name);
}

QString slotText(int i)
{
    return QSettings(AppPaths::configIni(), QSettings::IniFormat)
        .value(QStringLiteral("MACRO_LIST/%1").arg(i))
        .toString();
}

void fillSlots(int n)
{
    QSettings settings(AppPaths::configIni(), QSettings::IniFormat);
    for (int i = 0; i < n; ++i)
        settings.setValue(QStringLiteral("MACRO_LIST/%1").arg(i), QStringLiteral("m%1").arg(i));
}

void touchMacro(const QString& name)
{
    MacroFileData d = MacroFileData::newMacro();
    d.events.append(MacroEvent{0x84, 0, 4});
    QVERIFY(MacroFile::save(name, d));
}

QStringList macroFiles()
{
    return QDir(AppPaths::macroDir()).entryList(QDir::Files, QDir::Name);
}
} // namespace

class tst_MacroList : public QObject
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

    void namesKeepSlotOrderAndSkipGaps()
    {
        setSlot(7, "seven");
        setSlot(2, "two");
        setSlot(49, "last");
        QCOMPARE(MacroList::count(), 3);
        QCOMPARE(MacroList::names(), (QStringList{"two", "seven", "last"}));
        QCOMPARE(MacroList::slotTexts().size(), MacroList::kSlotCount);
        QVERIFY(MacroList::contains("seven"));
        QVERIFY(!MacroList::contains(QString()));
    }

    void fiftySlotsAreTheLimit()
    {
        fillSlots(50);
        const QStringList full = MacroList::slotTexts();
        const auto refused = MacroList::create();
        QCOMPARE(refused.status, MacroList::CreateStatus::TooMany);
        QVERIFY(!MacroList::add("extra"));
        QCOMPARE(MacroList::slotTexts(), full);
        QVERIFY(macroFiles().isEmpty());

        // With 49 slots taken the free one is used, and the list is full again.
        setSlot(20, QString());
        const auto result = MacroList::create();
        QCOMPARE(result.status, MacroList::CreateStatus::Created);
        QCOMPARE(result.name, QStringLiteral("name_1"));
        QCOMPARE(slotText(20), QStringLiteral("name_1"));
        QCOMPARE(macroFiles(), QStringList{"name_1.MSMACRO"});
        // The new file is an empty macro as the editor saves it.
        QCOMPARE(MacroFile::load("name_1").defaultDelay, 10);
        QVERIFY(MacroFile::takeWriteSign("name_1"));
        QCOMPARE(MacroList::create().status, MacroList::CreateStatus::TooMany);
    }

    void createTakesFirstFreeNumber()
    {
        touchMacro("name_1");
        touchMacro("name_3");
        setSlot(0, "name_2"); // listed without a file: not handed out twice
        const auto result = MacroList::create();
        QCOMPARE(result.name, QStringLiteral("name_4"));
        QCOMPARE(slotText(1), QStringLiteral("name_4"));
        QCOMPARE(MacroFile::load("name_1").events.size(), 1); // existing files untouched
        QVERIFY(MacroList::remove("name_2"));
        QCOMPARE(MacroList::create().name, QStringLiteral("name_2"));
    }

    void addAndRemove()
    {
        fillSlots(6);
        setSlot(3, QString());
        QVERIFY(MacroList::add("fresh"));
        QVERIFY(MacroList::add("next"));
        QCOMPARE(MacroList::names().mid(2, 5), (QStringList{"m2", "fresh", "m4", "m5", "next"}));

        // Of two equal names the lower slot is emptied first.
        setSlot(9, "fresh");
        QVERIFY(MacroList::remove("fresh"));
        QCOMPARE(slotText(3), QString());
        QCOMPARE(slotText(9), QStringLiteral("fresh"));
        const QStringList before = MacroList::slotTexts();
        QVERIFY(!MacroList::remove("absent"));
        QVERIFY(!MacroList::remove(QString()));
        QCOMPARE(MacroList::slotTexts(), before);
    }

    void renameMovesFileAndSlot()
    {
        setSlot(2, "old");
        setSlot(5, "old");
        setSlot(3, "nofile");
        touchMacro("old");
        QVERIFY(MacroList::rename("old", "new"));
        QVERIFY(!MacroFile::exists("old"));
        QCOMPARE(MacroFile::load("new").events.size(), 1);
        QCOMPARE(slotText(2), QStringLiteral("new"));
        QCOMPARE(slotText(5), QStringLiteral("old"));
        // Without a file only the slot is renamed.
        QVERIFY(MacroList::rename("nofile", "renamed"));
        QCOMPARE(slotText(3), QStringLiteral("renamed"));
        QCOMPARE(macroFiles(), QStringList{"new.MSMACRO"});

        // A file of the new name refuses whether or not the name is listed.
        touchMacro("unlisted");
        const QStringList before = MacroList::slotTexts();
        QVERIFY(!MacroList::rename("new", "unlisted"));
        QCOMPARE(MacroList::slotTexts(), before);
        QCOMPARE(MacroFile::load("new").events.size(), 1);
    }

    void unsafeNames()
    {
        setSlot(0, "a");
        touchMacro("a");
        const QStringList before = MacroList::slotTexts();
        const QStringList filesBefore = macroFiles();
        for (const QString& bad : {QString(), QStringLiteral(".."), QStringLiteral("../x"),
                                   QStringLiteral("x\\y"), QStringLiteral("x\ty")}) {
            QVERIFY(!MacroList::add(bad));
            QVERIFY(!MacroList::rename("a", bad));
            QVERIFY(!MacroList::rename(bad, "b"));
        }
        QCOMPARE(MacroList::slotTexts(), before);
        QCOMPARE(macroFiles(), filesBefore);
        QVERIFY(!QFile::exists(AppPaths::configDir() + "/x.MSMACRO"));

        // An edited Config.ini may list a name that can never be a file; it can still leave.
        setSlot(4, "../evil");
        QVERIFY(MacroList::remove("../evil"));
        QCOMPARE(MacroList::names(), QStringList{"a"});
    }
};

QTEST_GUILESS_MAIN(tst_MacroList)
#include "tst_macrolist.moc"
