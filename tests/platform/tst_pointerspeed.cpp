#include "model/MouseConfig.h"
#include "platform/GnomePointerSpeed.h"
#include "platform/LibinputPointerSpeed.h"
#include "platform/LoggingPointerSpeed.h"
#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedFactory.h"
#include "platform/PointerSpeedMapping.h"
#include "platform/XPointerControlSpeed.h"

#include <QtTest>

#include <X11/Xlib.h>

#include <cmath>
#include <limits>

namespace {
const char* const kGsettingsKey = "org.gnome.desktop.peripherals.mouse speed";

// Stands in for gsettings: keeps the mouse speed in a file beside itself, refuses other keys
// and, like the real one, refuses a value that does not read as a double for this key.
const char* const kFakeGsettings = R"(#!/bin/sh
state="$(dirname "$0")/speed"
[ -f "$(dirname "$0")/broken" ] && exit 1
key="$2 $3"
[ "$key" = "org.gnome.desktop.peripherals.mouse speed" ] || exit 1
case "$1" in
    writable) echo true ;;
    get) if [ -f "$state" ]; then cat "$state"; else echo 0.0; fi ;;
    set) case "$4" in *.*) echo "$4" > "$state" ;; *) exit 1 ;; esac ;;
    *) exit 1 ;;
esac
)";

void expectApplyLine(int code)
{
    QTest::ignoreMessage(
        QtDebugMsg,
        QByteArray("Error in SystemParametersInfo :" + QByteArray::number(code)).constData());
}
} // namespace

class TestPointerSpeed : public QObject
{
    Q_OBJECT

private:
    QProcess m_Xvfb;
    QByteArray m_Display;
    QTemporaryDir m_FakeBin;

    // A busy machine can refuse a connection for a moment even to a server that is up.
    Display* openDisplay() const
    {
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (Display* display = XOpenDisplay(m_Display.constData()))
                return display;
            QThread::msleep(100);
        }
        return nullptr;
    }

    void requireXvfb()
    {
        if (m_Display.isEmpty())
            QSKIP("no Xvfb on this machine");
    }

private slots:
    void initTestCase()
    {
        QFile script(m_FakeBin.path() + "/gsettings");
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(kFakeGsettings);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // A virtual X server of our own; it writes its display number once it takes clients.
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty())
            return;
        m_Xvfb.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "640x480x24"});
        if (!m_Xvfb.waitForStarted(10000))
            return;
        while (!m_Xvfb.canReadLine() && m_Xvfb.waitForReadyRead(20000)) {
        }
        const QByteArray number = m_Xvfb.readLine().trimmed();
        if (!number.isEmpty())
            m_Display = ":" + number;
    }

    void cleanupTestCase()
    {
        if (m_Xvfb.state() != QProcess::NotRunning) {
            m_Xvfb.terminate();
            if (!m_Xvfb.waitForFinished(10000))
                m_Xvfb.kill();
        }
    }

    void unitRangeMappingRoundTrips()
    {
        QCOMPARE(PointerSpeedMapping::toUnitRange(1), -1.0);
        QCOMPARE(PointerSpeedMapping::toUnitRange(10), 0.0);
        QCOMPARE(PointerSpeedMapping::toUnitRange(20), 1.0);
        double previous = -2;
        for (int n = PointerSpeed::kMin; n <= PointerSpeed::kMax; ++n) {
            const double value = PointerSpeedMapping::toUnitRange(n);
            QVERIFY2(value > previous, qPrintable(QString::number(n)));
            previous = value;
            QCOMPARE(PointerSpeedMapping::fromUnitRange(value), n);
            // The X property and gsettings' text carry less precision than a double.
            QCOMPARE(PointerSpeedMapping::fromUnitRange(static_cast<float>(value)), n);
            QCOMPARE(PointerSpeedMapping::fromUnitRange(QString::number(value, 'f', 6).toDouble()),
                     n);
        }
    }

    void unitRangeReadingsOffTheSteps()
    {
        QCOMPARE(PointerSpeedMapping::fromUnitRange(0.04), 10);
        QCOMPARE(PointerSpeedMapping::fromUnitRange(0.06), 11);
        QCOMPARE(PointerSpeedMapping::fromUnitRange(1.5), 20);
        QCOMPARE(PointerSpeedMapping::fromUnitRange(-7), 1);
        QCOMPARE(PointerSpeedMapping::fromUnitRange(std::nan("")), 10);
        QCOMPARE(PointerSpeedMapping::fromUnitRange(std::numeric_limits<double>::infinity()), 20);
    }

    void accelerationMappingRoundTrips()
    {
        for (int n = PointerSpeed::kMin; n <= PointerSpeed::kMax; ++n) {
            const int numerator = PointerSpeedMapping::accelNumerator(n);
            QCOMPARE(PointerSpeedMapping::fromAcceleration(numerator,
                                                           PointerSpeedMapping::kAccelDenominator),
                     n);
        }
        // The X server's own default, 2/1, is the middle of the scale.
        QCOMPARE(PointerSpeedMapping::fromAcceleration(2, 1), PointerSpeed::kDefault);
        QCOMPARE(PointerSpeedMapping::fromAcceleration(1, 1), 5);
        QCOMPARE(PointerSpeedMapping::fromAcceleration(100, 1), 20);
        QCOMPARE(PointerSpeedMapping::fromAcceleration(0, 1), 1);
        QCOMPARE(PointerSpeedMapping::fromAcceleration(3, 0), 10);
        QCOMPARE(PointerSpeedMapping::fromAcceleration(-1, 1), 10);
    }

    void loggingBackendKeepsValidValuesOfTheActiveProfile()
    {
        LoggingPointerSpeed speed;
        QCOMPARE(speed.read(), 10);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("pointer speed 15 kept"));
        expectApplyLine(0);
        speed.apply(15);
        QCOMPARE(speed.read(), 15);
        for (int bad : {0, 21, 255, -3}) {
            expectApplyLine(PointerSpeed::kOutOfRange);
            speed.apply(bad);
            QCOMPARE(speed.read(), 15);
        }

        MouseConfig config;
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            config.Profile[i].mousespeed = static_cast<quint8>(i + 1);
        config.ProfileID = 3;
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("pointer speed 4 kept"));
        expectApplyLine(0);
        speed.applyActiveProfile(config);
        QCOMPARE(speed.read(), 4);
    }

    void gnomeSettingRoundTrips()
    {
        QFile::remove(m_FakeBin.path() + "/speed");
        QProcessEnvironment env;
        env.insert("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
        env.insert("PATH", m_FakeBin.path());
        auto speed = PointerSpeedFactory::create(env);
        QCOMPARE(speed->backendName(), QString("gnome"));
        QCOMPARE(speed->read(), 10);

        // The fake, like the real program, refuses "0" for a double: 10 must go as "0.0".
        for (int n = PointerSpeed::kMin; n <= PointerSpeed::kMax; ++n) {
            expectApplyLine(0);
            speed->apply(n);
            QCOMPARE(speed->read(), n);
        }

        // A value set elsewhere, in full double precision.
        QFile file(m_FakeBin.path() + "/speed");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("-0.33333333333333337\n");
        file.close();
        QCOMPARE(speed->read(), 7);
    }

    // Made on another thread while the window starts: the desktop's program runs there too, and
    // the speed read there is the desktop's.
    void madeAheadOnAnotherThread()
    {
        QFile file(m_FakeBin.path() + "/speed");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0.5\n");
        file.close();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_FakeBin.path().toLocal8Bit() + ":" + path);
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        PointerSpeedFactory::startCreating();
        int read = 0;
        const std::unique_ptr<PointerSpeed> speed = PointerSpeedFactory::takeCreated(&read);
        qputenv("PATH", path);
        qunsetenv("XDG_CURRENT_DESKTOP");
        QVERIFY(speed);
        QCOMPARE(speed->backendName(), QString("gnome"));
        QVERIFY(read != PointerSpeed::kDefault);
        QCOMPARE(speed->read(), read);
        QVERIFY(!PointerSpeedFactory::takeCreated(&read)); // once only
    }

    void gnomeFailureIsLoggedWithItsCode()
    {
        QFile broken(m_FakeBin.path() + "/broken");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.close();
        GnomePointerSpeed speed(m_FakeBin.path() + "/gsettings");
        expectApplyLine(1);
        speed.apply(12);
        QCOMPARE(speed.read(), 10); // unreadable: the default
        QVERIFY(!GnomePointerSpeed::isWritable(m_FakeBin.path() + "/gsettings"));
        QFile::remove(broken.fileName());
    }

    void pointerControlOnAVirtualServer()
    {
        requireXvfb();
        QProcessEnvironment env;
        env.insert("DISPLAY", QString::fromLocal8Bit(m_Display));
        env.insert("PATH", "/nonexistent");
        // A virtual server has no libinput devices, only the core pointer control.
        QCOMPARE(PointerSpeedFactory::create(env)->backendName(), QString("x11-pointer-control"));

        Display* other = openDisplay();
        QVERIFY(other);
        XChangePointerControl(other, False, True, 0, 0, 7);
        XSync(other, False);
        XPointerControlSpeed speed(m_Display);
        QVERIFY(speed.isConnected());
        expectApplyLine(0);
        speed.apply(15);
        QCOMPARE(speed.read(), 15);
        // What another client of the server sees; its threshold is left alone.
        int control[3] = {};
        XGetPointerControl(other, &control[0], &control[1], &control[2]);
        XCloseDisplay(other);
        QCOMPARE(QVector<int>(control, control + 3),
                 QVector<int>({15, PointerSpeedMapping::kAccelDenominator, 7}));
    }

    void backendsWithoutTheirServerOrDevicesAreNotUsed()
    {
        XPointerControlSpeed unreachable(":999999");
        QVERIFY(!unreachable.isConnected());
        QCOMPARE(unreachable.read(), PointerSpeed::kDefault);
        expectApplyLine(PointerSpeed::kUnavailable);
        unreachable.apply(15);

        requireXvfb();
        LibinputPointerSpeed speed(m_Display);
        QVERIFY(!speed.hasDevices());
        QCOMPARE(speed.read(), PointerSpeed::kDefault);
        expectApplyLine(PointerSpeed::kUnavailable);
        speed.apply(15);
    }
};

QTEST_GUILESS_MAIN(TestPointerSpeed)
#include "tst_pointerspeed.moc"
