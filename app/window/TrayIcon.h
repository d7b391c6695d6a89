#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

class DeviceSelection;
class QAction;
class QMenu;
class QWidget;

// The window's tray icon and its menu, "&Load Config", "Start with the desktop" (the desktop's
// autostart entry, which starts the tool in the tray) and "&Quit". The two entries are also
// the window's own right-click menu, and Quit's keys work in the window: on a desktop without
// a tray, leaving stays within reach. A click on the icon hides a visible window, and brings a
// hidden one back through the device selection, which opens the mouse before it shows it. The
// tool tip carries the battery level and charging, the icon a battery in the warning colour while
// it is low; the first time the window goes to the tray, the icon says that the tool keeps running
// there.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    // The actions, the menu and the icon are the window's children, as its other parts are.
    TrayIcon(QWidget* window, DeviceSelection* selection);

    // The tool tip now; the icon and showing it once the window is up.
    void show();
    void retranslate();
    // The battery as the window shows it: level 0 is a mouse that is off or absent.
    void setBattery(int iLevel, bool bCharging, bool bCable);
    // Asked before the window quits or goes to the tray; false keeps it as it is.
    void setLeaveCheck(const std::function<bool()>& check) { m_LeaveCheck = check; }
    // The battery is low: the icon shows a battery in the warning colour.
    bool isLow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onActivated(QSystemTrayIcon::ActivationReason reason);

private:
    void updateToolTip();
    void updateIcon();

    QWidget* m_pWindow;
    DeviceSelection* m_pSelection;
    QAction* m_pLoadConfigAction;
    QAction* m_pQuitAction;
    QAction* m_pAutostartAction;
    QMenu* m_pMenu;
    QSystemTrayIcon* m_pIcon;
    QIcon m_Icon;
    QIcon m_LowIcon;
    int m_iLevel = 0;
    bool m_bCharging = false;
    bool m_bCable = false;
    bool m_bToldHidden = false;
    std::function<bool()> m_LeaveCheck;
};
