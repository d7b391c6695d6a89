#pragma once

#include <QColor>
#include <QObject>

class BatteryBar;
class QLabel;
class QWidget;

// The battery gauge, the charging and receiver icons and the status lines at the bottom left of
// the main window, and the state they show: the last level and charging flag reported and how
// the mouse is connected.
class BatteryDisplay : public QObject
{
    Q_OBJECT
public:
    enum ConnectionState
    {
        CableOnly = 0, // receiver icon and gauge hidden
        Powered = 1,   // receiver present and the mouse on the cable or charging
        ReceiverBattery = 2,
        NoLink = 3
    };

    // Cable and receiver: presence of the control interfaces of the current device.
    static int connectionState(bool bCable, bool bReceiver, bool bCharging);

    // The widgets are children of `window`; `iLevel` is the level last stored (Config/Battery).
    BatteryDisplay(QWidget* window, int iLevel, const QColor& accent);

    // A battery report. A level different from the last one is stored as Config/Battery.
    void show(int iLevel, bool bCharging, bool bCable, bool bReceiver);
    void retranslate();
    void setFontScale(double dScale);
    void layout(double dScale);

    int level() const { return m_iLevel; }
    bool isCharging() const { return m_bCharging; }
    int state() const { return m_iState; }
    bool isMouseOff() const { return m_bMouseOff; }

    BatteryBar* bar() const { return m_pBar; }
    QLabel* chargingIcon() const { return m_pCharging; }
    QLabel* receiverIcon() const { return m_pReceiver; }

private:
    void applyState(bool bCable, bool bReceiver);

    QWidget* m_pWindow;
    BatteryBar* m_pBar;
    QLabel* m_pCharging;
    QLabel* m_pReceiver;
    QLabel* m_pStatus;
    QLabel* m_pStatus2;
    QColor m_Accent;
    double m_dScale = 1.0;
    int m_iLevel;
    bool m_bCharging = false;
    bool m_bMouseOff = false;
    bool m_bCable = false;
    int m_iState = NoLink;
};
