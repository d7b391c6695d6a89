#pragma once

#include "ScriptedUserPrompts.h"
#include "TestAppFolder.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"
#include "app/status/OsdAnnouncer.h"
#include "app/status/StatusFollower.h"
#include "app/window/MousecfgWidget.h"
#include "app/window/WindowPages.h"
#include "device/BatteryPoller.h"
#include "device/DeviceAccess.h"
#include "device/DeviceLink.h"
#include "device/HidBackend.h"
#include "model/DpiLevelStore.h"
#include "platform/PointerSpeed.h"
#include "platform/ProgramLauncher.h"
#include "widgets/KivoPushButton.h"

#include <QColor>
#include <QList>
#include <QSettings>
#include <QStringList>

#include <functional>
#include <memory>

// What the window announced on the OSD.
class RecordingAnnouncer : public OsdAnnouncer
{
public:
    void announce(const QString& text, const QColor& colour) override
    {
        m_Texts << text;
        m_Colours << colour;
    }
    QStringList m_Texts;
    QList<QColor> m_Colours;
};

// Programs the window would start.
class RecordingLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& args) override
    {
        Q_UNUSED(args);
        m_Started << program;
        return m_bResult;
    }
    QStringList m_Started;
    bool m_bResult = false;
};

// A desktop whose pointer speed is what the test says.
class FixedPointerSpeed : public PointerSpeed
{
public:
    explicit FixedPointerSpeed(int speed) : m_iSpeed(speed) {}
    QString backendName() const override { return QStringLiteral("fixed"); }
    int read() override { return m_iSpeed; }
    QList<int> m_Applied;

protected:
    int applySpeed(int speed) override
    {
        m_Applied << speed;
        m_iSpeed = speed;
        return 0;
    }

private:
    int m_iSpeed;
};

// One main window on a throw-away application folder, with an in-process virtual mouse as the
// only HID device and scripted answers to every message box. Start-up selection and hot-plug
// are left off so that each test drives the window itself.
class WindowRig
{
public:
    // `prepare` runs on the application folder before the window is built, `adjust` on the
    // window's services.
    explicit WindowRig(const QString& model = QStringLiteral("hornbeam"), bool bReceiver = true,
                       bool bCable = false, int iPointerSpeed = 10,
                       const std::function<void(const QString&)>& prepare = {},
                       const std::function<void(MousecfgServices&)>& adjust = {})
        : m_Folder(model),
          m_Mouse(std::make_shared<VirtualMouse>(model.toUpper(), bReceiver, bCable)),
          m_Backend(std::make_shared<VirtualHidBackend>(m_Mouse)), m_Speed(iPointerSpeed)
    {
        HidBackend::setCurrent(m_Backend);
        if (prepare)
            prepare(m_Folder.path());
        MousecfgServices services;
        services.announcer = &m_Announcer;
        services.launcher = &m_Launcher;
        services.pointerSpeed = &m_Speed;
        services.bSelectAtStart = false;
        services.bFollowDeviceChanges = false;
        if (adjust)
            adjust(services);
        m_pWindow = std::make_unique<MousecfgWidget>(nullptr, services);
    }

    ~WindowRig()
    {
        m_pWindow.reset();
        BatteryPoller::waitForThreads();
        DeviceLink::instance().closeAll();
        HidBackend::setCurrent(nullptr);
    }

    // Opens the mouse the way the selection does, without the pause.
    bool open()
    {
        DeviceAccess::enumerate();
        DeviceLink::instance().closeAll();
        DeviceAccess::openByCodeName(m_pWindow->currentDevice().toLatin1());
        return DeviceLink::instance().isAnyOpen();
    }

    // A value of Configs/Config.ini, or of the profile file `profile` names.
    QVariant configValue(const QString& key, const QString& profile = QString()) const
    {
        DpiLevelStore::drain(); // a level the mouse reported is saved on its own thread
        const QString file = profile.isEmpty() ? "Config.ini" : "Profile/" + profile + ".prof";
        return QSettings(m_Folder.path() + "/Configs/" + file, QSettings::IniFormat).value(key);
    }

    MousecfgWidget& window() { return *m_pWindow; }
    KivoPushButton* button(const char* name) { return m_pWindow->findChild<KivoPushButton*>(name); }
    VirtualMouse& mouse() { return *m_Mouse; }
    QString folder() const { return m_Folder.path(); }

    TestAppFolder m_Folder;
    std::shared_ptr<VirtualMouse> m_Mouse;
    std::shared_ptr<VirtualHidBackend> m_Backend;
    ScriptedUserPrompts m_Prompts;
    RecordingAnnouncer m_Announcer;
    RecordingLauncher m_Launcher;
    FixedPointerSpeed m_Speed;
    std::unique_ptr<MousecfgWidget> m_pWindow;
};
