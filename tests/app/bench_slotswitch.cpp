// How long the window stops answering while it switches profile slots, with a healthy virtual
// mouse and with each fault the virtual mouse can put on its link. A 5 ms timer on the interface
// thread records the longest gap between its ticks; the figures are printed, and the run fails
// only when a gap exceeds a full second, which no switch has any business causing.
#include "QuietDebug.h"
#include "tests/app/WindowRig.h"

#include "app/profiles/ProfileActions.h"
#include "model/GlobalRecords.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <functional>

namespace {
constexpr int kSwitches = 3;
constexpr int kTickMs = 5;
constexpr qint64 kBoundMs = 1000;
constexpr int kLasting = 100000; // covers every answer and operation of the scenario

// The longest time between two ticks of a timer on the interface thread.
class StallMeter
{
public:
    StallMeter()
    {
        m_Timer.setInterval(kTickMs);
        QObject::connect(&m_Timer, &QTimer::timeout,
                         [this] { m_iLongest = qMax(m_iLongest, m_Clock.restart()); });
    }
    void start()
    {
        m_iLongest = 0;
        m_Clock.start();
        m_Timer.start();
    }
    qint64 stop()
    {
        m_Timer.stop();
        return qMax(m_iLongest, m_Clock.elapsed());
    }

private:
    QTimer m_Timer;
    QElapsedTimer m_Clock;
    qint64 m_iLongest = 0;
};

struct Fault
{
    const char* name;
    std::function<void(VirtualMouse&)> inject;
};

struct Figures
{
    qint64 iStallMs = 0;
    qint64 iSwitchMs = 0; // the slowest switch from menu entry to its end
    int iSelected = -1;   // the slot the mouse holds at the end
    int iNotices = 0;
};

Figures measure(const Fault& fault)
{
    WindowRig rig;
    MousecfgWidget& w = rig.window();
    Figures figures;
    if (!rig.open())
        return figures;
    w.show();
    w.startBatteryPolling();
    QTest::qWait(300);
    fault.inject(rig.mouse());

    QMenu* menu = w.findChild<QMenu*>("slotMenu");
    StallMeter meter;
    meter.start();
    for (int i = 0; i < kSwitches; ++i) {
        const int slot = 1 + i % 3;
        QElapsedTimer clock;
        // A timer, not a posted call: the meter's overdue tick comes first, so each switch is
        // measured on its own.
        QTimer::singleShot(2 * kTickMs, menu, [&, slot] {
            clock.start();
            menu->actions()[slot]->trigger();
            figures.iSwitchMs = qMax(figures.iSwitchMs, clock.elapsed());
        });
        QTest::qWait(100);
    }
    figures.iStallMs = meter.stop();
    figures.iSelected = rig.mouse().heldConfiguration().selectedProfile;
    figures.iNotices = rig.m_Prompts.shown().size();
    w.stopBatteryPolling();
    return figures;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quietDebug);
    const QList<Fault> faults = {
        {"healthy", [](VirtualMouse&) {}},
        {"drop", [](VirtualMouse& m) { m.dropAnswers(kLasting); }},
        {"zero", [](VirtualMouse& m) { m.zeroAnswers(kLasting); }},
        {"garble", [](VirtualMouse& m) { m.garbleAnswers(kLasting); }},
        {"failwrite", [](VirtualMouse& m) { m.failWrites(kLasting); }},
        {"failread", [](VirtualMouse& m) { m.failReads(kLasting); }},
        {"delay 200", [](VirtualMouse& m) { m.setAnswerDelay(200); }},
        {"vanish", [](VirtualMouse& m) { m.unplug(VirtualMouse::Link::Receiver); }},
    };
    std::printf("%d slot switches per fault, interface thread ticking every %d ms\n", kSwitches,
                kTickMs);
    std::printf("%-10s %14s %16s %14s %8s\n", "fault", "max_stall_ms", "max_switch_ms",
                "mouse_slot", "notices");
    bool within = true;
    for (const Fault& fault : faults) {
        const Figures f = measure(fault);
        std::printf("%-10s %14lld %16lld %14d %8d\n", fault.name, f.iStallMs, f.iSwitchMs,
                    f.iSelected, f.iNotices);
        std::fflush(stdout);
        within = within && f.iStallMs <= kBoundMs;
    }
    if (!within)
        std::printf("the window stopped answering for more than %lld ms\n", kBoundMs);
    return within ? 0 : 1;
}
