#include "FakeHidBackend.h"
#include "device/CompositeHidBackend.h"
#include "device/HandleGuard.h"
#include "device/HidapiBackend.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <thread>

namespace {

// A backend with nothing listed, refusing every path with `unlisted`.
std::shared_ptr<FakeHidBackend> emptyBackend(int initResult = 0,
                                             HidOpenError unlisted = HidOpenError::Absent)
{
    auto backend = std::make_shared<FakeHidBackend>();
    backend->initResult = initResult;
    backend->unlisted = unlisted;
    return backend;
}
} // namespace

class TestHidBackend : public QObject
{
    Q_OBJECT

private slots:
    void guardReleasesOnceWhenTheLastCallLeaves()
    {
        int releases = 0;
        {
            HandleGuard guard([&] { ++releases; });
            QVERIFY(guard.enter());
            QVERIFY(guard.enter());
            guard.close();
            QVERIFY(guard.isClosed());
            QVERIFY(!guard.enter());
            guard.leave();
            QCOMPARE(releases, 0);
            guard.leave();
            QCOMPARE(releases, 1);
            guard.close();
        }
        QCOMPARE(releases, 1);
        // An unclosed handle is released with its guard.
        {
            HandleGuard guard([&] { ++releases; });
        }
        QCOMPARE(releases, 2);
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

    void compositeRefusalsAndInit()
    {
        auto absent = emptyBackend();
        auto denied = emptyBackend(0, HidOpenError::PermissionDenied);
        CompositeHidBackend composite;
        HidOpenError error = HidOpenError::None;
        QVERIFY(!composite.openPath("/dev/hidraw7", &error));
        QCOMPARE(error, HidOpenError::Absent);
        QCOMPARE(composite.init(), -1);
        composite.addBackend(emptyBackend(-1));
        QCOMPARE(composite.init(), -1);
        composite.addBackend(absent);
        composite.addBackend(denied);
        QCOMPARE(composite.init(), 0);
        // The most telling refusal is reported.
        QVERIFY(!composite.openPath("/dev/hidraw7", &error));
        QCOMPARE(error, HidOpenError::PermissionDenied);
        QCOMPARE(absent->opened.size(), 1);
    }

    void openErrors()
    {
        QCOMPARE(HidapiBackend::openErrorFromErrno(EACCES), HidOpenError::PermissionDenied);
        QCOMPARE(HidapiBackend::openErrorFromErrno(EPERM), HidOpenError::PermissionDenied);
        QCOMPARE(HidapiBackend::openErrorFromErrno(ENODEV), HidOpenError::Absent);
        QCOMPARE(HidapiBackend::openErrorFromErrno(EBUSY), HidOpenError::Other);
        QTemporaryDir dir;
        QCOMPARE(HidapiBackend::openErrorForNode(QFile::encodeName(dir.path() + "/hidraw9")),
                 HidOpenError::Absent);
        QCOMPARE(HidapiBackend::openErrorForNode(QFile::encodeName(dir.path())),
                 HidOpenError::Other); // EISDIR
        HidapiBackend backend;
        QCOMPARE(backend.init(), 0);
        HidOpenError error = HidOpenError::None;
        QVERIFY(!backend.openPath("/dev/hidraw-that-does-not-exist", &error));
        QCOMPARE(error, HidOpenError::Absent);
        QCOMPARE(backend.exit(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHidBackend)
#include "tst_hidbackend.moc"
