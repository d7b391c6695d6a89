#pragma once

#include <QObject>
#include <QString>

// Announces HID device interfaces as they come and go, on the thread that created the notifier.
// Each interface of a composite device is announced on its own, with a path of the form
// "\\?\HID#VID_xxxx&PID_xxxx&MI_xx#<instance>#{4d1e55b2-f16f-11cf-88cb-001111000030}", so one
// plug of a mouse gives one notification for each of its interfaces.
class DeviceChangeNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DeviceChangeNotifier(QObject* parent = nullptr);

    // False when the system refused the registration; no notification will come.
    virtual bool isActive() const = 0;

signals:
    void deviceArrived(const QString& interfacePath);
    void deviceRemoved(const QString& interfacePath);
};
