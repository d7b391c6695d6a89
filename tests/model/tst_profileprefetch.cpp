#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/GlobalRecords.h"
#include "model/IniValues.h"
#include "model/ProfileFiles.h"
#include "model/ProfilePrefetch.h"

#include <QtTest>

// The start's profile read ahead on another core is the file as it is when it is taken, or
// nothing: the read that follows must give the same profile either way.
class TestProfilePrefetch : public QObject
{
    Q_OBJECT

    static QString slotFile(int slot)
    {
        MouseConfig config;
        ProfileFiles::loadDeviceWide(config);
        return ProfileFiles::profilePath(config.ProfileNames[slot]);
    }

    static void setActiveSlot(int slot)
    {
        MouseConfig config;
        ProfileFiles::loadDeviceWide(config);
        config.ProfileID = quint8(slot);
        QVERIFY(ProfileFiles::saveConfiguration(config));
    }

private slots:
    void takenOnlyAsTheFileIs_data()
    {
        QTest::addColumn<int>("active");
        QTest::addColumn<bool>("askOther");   // the read asks for another slot's file
        QTest::addColumn<bool>("touchAfter"); // the file is rewritten after it was read ahead
        QTest::addColumn<bool>("taken");
        QTest::newRow("slot 1") << 0 << false << false << true;
        QTest::newRow("slot 4") << 3 << false << false << true;
        QTest::newRow("another file") << 0 << true << false << false;
        QTest::newRow("rewritten since") << 3 << false << true << false;
    }
    void takenOnlyAsTheFileIs()
    {
        QFETCH(int, active);
        QFETCH(bool, askOther);
        QFETCH(bool, touchAfter);
        QFETCH(bool, taken);
        TestAppFolder folder;
        QVERIFY(folder.isValid());
        setActiveSlot(active);
        const QString path = slotFile(askOther ? (active + 1) % 5 : active);
        ProfilePrefetch::start();
        if (touchAfter) {
            // Asking for a file nobody reads waits for the reading and leaves it there.
            QVERIFY(!ProfilePrefetch::take(folder.path() + "/none.prof").values);
            ProfileData changed;
            QVERIFY(ProfileFiles::loadProfile(changed, path));
            changed.dpi = quint8((changed.dpi + 1) % 5);
            QVERIFY(ProfileFiles::saveProfile(changed, path));
        }
        QCOMPARE(ProfilePrefetch::take(path).values != nullptr, taken);
        QVERIFY(!ProfilePrefetch::take(path).values); // once only
        // A read through what was read ahead gives what the plain read gives, into a fresh
        // record (taken whole) and into one that holds values (read again from the values).
        for (const quint8 dpi : {quint8(0), quint8(4)}) {
            ProfilePrefetch::start();
            ProfileData seed;
            seed.dpi = dpi;
            ProfileData ahead = seed;
            QVERIFY(ProfileFiles::loadProfile(ahead, path));
            ProfileData plain = seed;
            QVERIFY(ProfileFiles::loadProfile(plain, path));
            QVERIFY(ahead == plain);
        }
    }
};

QTEST_MAIN(TestProfilePrefetch)
#include "tst_profileprefetch.moc"
