#include "device/CompositeHidBackend.h"
#include "device/HandleGuard.h"
#include "device/HidapiBackend.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <thread>
#include <unistd.h>

namespace {

class NullDevice : public HidDevice
{
public:
    int write(const quint8*, std::size_t length) override { return int(length); }
    int readTimeout(quint8*, std::size_t, int) override { return 0; }
    int setNonblocking(int) override { return 0; }
    void close() override {}
};

class ListBackend : public HidBackend
{
public:
    ListBackend(QList<QByteArray> paths, int initResult = 0,
                HidOpenError refusal = HidOpenError::Absent)
        : m_Paths(std::move(paths)), m_iInit(initResult), m_Refusal(refusal)
    {
    }
    QList<QByteArray> opened;
    int exits = 0;

    int init() override { return m_iInit; }
    int exit() override
    {
        ++exits;
        return 0;
    }
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16) override
    {
        std::vector<HidDeviceInfo> list;
        for (const QByteArray& path : m_Paths) {
            HidDeviceInfo info;
            info.path = path;
            info.vendorId = vendorId;
            list.push_back(info);
        }
        return list;
    }
    std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) override
    {
        opened << path;
        if (m_Paths.contains(path)) {
            *error = HidOpenError::None;
            return std::make_shared<NullDevice>();
        }
        *error = m_Refusal;
        return nullptr;
    }

private:
    QList<QByteArray> m_Paths;
    int m_iInit;
    HidOpenError m_Refusal;
};

} // namespace

class TestHidBackend : public QObject
{
    Q_OBJECT

private slots:
    void guardReleasesOnCloseWhenIdle()
    {
        int releases = 0;
        {
            HandleGuard guard([&] { ++releases; });
            QVERIFY(guard.enter());
            guard.leave();
            guard.close();
            QCOMPARE(releases, 1);
            QVERIFY(!guard.enter());
            guard.close();
        }
        QCOMPARE(releases, 1);
    }

    void guardDefersReleaseUntilTheLastCallLeaves()
    {
        int releases = 0;
        HandleGuard guard([&] { ++releases; });
        QVERIFY(guard.enter());
        QVERIFY(guard.enter());
        guard.close();
        QCOMPARE(releases, 0);
        QVERIFY(guard.isClosed());
        QVERIFY(!guard.enter());
        guard.leave();
        QCOMPARE(releases, 0);
        guard.leave();
        QCOMPARE(releases, 1);
    }

    void guardReleasesAnUnclosedHandleOnDestruction()
    {
        int releases = 0;
        {
            HandleGuard guard([&] { ++releases; });
        }
        QCOMPARE(releases, 1);
    }

    void guardNeverReleasesUnderARunningCall()
    {
        for (int round = 0; round < 200; ++round) {
            std::atomic<int> inside{0};
            std::atomic<int> releasesWhileInside{0};
            std::atomic<int> releases{0};
            HandleGuard guard([&] {
                if (inside.load() != 0)
                    ++releasesWhileInside;
                ++releases;
            });
            std::atomic<bool> go{false};
            std::vector<std::thread> callers;
            for (int t = 0; t < 3; ++t) {
                callers.emplace_back([&] {
                    while (!go.load())
                        std::this_thread::yield();
                    for (int i = 0; i < 200; ++i) {
                        HandleGuardCall call(guard);
                        if (!call.entered())
                            break;
                        ++inside;
                        std::this_thread::yield();
                        --inside;
                    }
                });
            }
            go = true;
            std::this_thread::yield();
            guard.close();
            for (std::thread& t : callers)
                t.join();
            QCOMPARE(releasesWhileInside.load(), 0);
            QCOMPARE(releases.load(), 1);
        }
    }

    void compositeListsEveryBackendAndOpensThroughTheOwner()
    {
        auto first =
            std::make_shared<ListBackend>(QList<QByteArray>{"/dev/hidraw0", "/dev/hidraw1"});
        auto second = std::make_shared<ListBackend>(QList<QByteArray>{"virtualmouse:0:cable:2"});
        CompositeHidBackend composite;
        composite.addBackend(first);
        composite.addBackend(second);
        composite.addBackend(nullptr);
        QCOMPARE(composite.init(), 0);
        const std::vector<HidDeviceInfo> all = composite.enumerate(0x3F1C, 0);
        QCOMPARE(int(all.size()), 3);
        QCOMPARE(all[0].path, QByteArray("/dev/hidraw0"));
        QCOMPARE(all[2].path, QByteArray("virtualmouse:0:cable:2"));
        QCOMPARE(all[2].vendorId, quint16(0x3F1C));

        HidOpenError error = HidOpenError::Other;
        QVERIFY(composite.openPath("virtualmouse:0:cable:2", &error));
        QCOMPARE(error, HidOpenError::None);
        QCOMPARE(second->opened, QList<QByteArray>({"virtualmouse:0:cable:2"}));
        QVERIFY(first->opened.isEmpty());
        QVERIFY(composite.openPath("/dev/hidraw1", &error));
        QCOMPARE(first->opened, QList<QByteArray>({"/dev/hidraw1"}));
        QCOMPARE(second->opened.size(), 1);

        QCOMPARE(composite.exit(), 0);
        QCOMPARE(first->exits, 1);
        QCOMPARE(second->exits, 1);
    }

    void compositeReportsTheMostTellingRefusal()
    {
        auto absent = std::make_shared<ListBackend>(QList<QByteArray>{}, 0, HidOpenError::Absent);
        auto denied =
            std::make_shared<ListBackend>(QList<QByteArray>{}, 0, HidOpenError::PermissionDenied);
        CompositeHidBackend composite;
        composite.addBackend(absent);
        composite.addBackend(denied);
        HidOpenError error = HidOpenError::None;
        QVERIFY(!composite.openPath("/dev/hidraw7", &error));
        QCOMPARE(error, HidOpenError::PermissionDenied);
        QCOMPARE(absent->opened.size(), 1);
        QCOMPARE(denied->opened.size(), 1);

        CompositeHidBackend empty;
        QVERIFY(!empty.openPath("/dev/hidraw7", &error));
        QCOMPARE(error, HidOpenError::Absent);
    }

    void compositeInitNeedsOneUsableBackend()
    {
        CompositeHidBackend composite;
        QCOMPARE(composite.init(), -1);
        composite.addBackend(std::make_shared<ListBackend>(QList<QByteArray>{}, -1));
        QCOMPARE(composite.init(), -1);
        composite.addBackend(std::make_shared<ListBackend>(QList<QByteArray>{}, 0));
        QCOMPARE(composite.init(), 0);
    }

    void openErrorsFromErrno()
    {
        QCOMPARE(HidapiBackend::openErrorFromErrno(EACCES), HidOpenError::PermissionDenied);
        QCOMPARE(HidapiBackend::openErrorFromErrno(EPERM), HidOpenError::PermissionDenied);
        QCOMPARE(HidapiBackend::openErrorFromErrno(ENOENT), HidOpenError::Absent);
        QCOMPARE(HidapiBackend::openErrorFromErrno(ENODEV), HidOpenError::Absent);
        QCOMPARE(HidapiBackend::openErrorFromErrno(ENXIO), HidOpenError::Absent);
        QCOMPARE(HidapiBackend::openErrorFromErrno(EBUSY), HidOpenError::Other);
    }

    void openErrorsFromTheNode()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(HidapiBackend::openErrorForNode(QFile::encodeName(dir.path() + "/hidraw9")),
                 HidOpenError::Absent);
        QCOMPARE(HidapiBackend::openErrorForNode(QByteArray()), HidOpenError::Absent);
        QCOMPARE(HidapiBackend::openErrorForNode(QFile::encodeName(dir.path())),
                 HidOpenError::Other); // EISDIR
        const QString locked = dir.path() + "/locked";
        QFile file(locked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        if (::geteuid() == 0)
            QSKIP("root opens any node; the refusal cannot be shown here");
        QCOMPARE(HidapiBackend::openErrorForNode(QFile::encodeName(locked)),
                 HidOpenError::PermissionDenied);
    }

    void hidapiOpensNothingThatIsNotThere()
    {
        HidapiBackend backend;
        QCOMPARE(backend.init(), 0);
        // No mouse on this machine: the list may be empty, but entries must be complete.
        for (const HidDeviceInfo& info : backend.enumerate(0x3F1C, 0)) {
            QVERIFY(!info.path.isEmpty());
            QCOMPARE(info.vendorId, quint16(0x3F1C));
        }
        HidOpenError error = HidOpenError::None;
        QVERIFY(!backend.openPath("/dev/hidraw-that-does-not-exist", &error));
        QCOMPARE(error, HidOpenError::Absent);
        QCOMPARE(backend.exit(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHidBackend)
#include "tst_hidbackend.moc"
