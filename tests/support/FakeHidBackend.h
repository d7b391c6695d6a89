#pragma once

#include "device/HidBackend.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <utility>

// A HID backend with a hand-made device list. Listed paths open (as scripted devices that echo
// every write) unless refused; the backend logs what was opened and closed.
class FakeHidBackend : public HidBackend
{
public:
    std::vector<HidDeviceInfo> devices;
    QHash<QByteArray, HidOpenError> refused;
    HidOpenError unlisted = HidOpenError::Absent; // the error for a path not in the list
    QList<QByteArray> opened;
    QList<QByteArray> closed;
    int enumerations = 0;
    int initResult = 0;

    // One interface of the vendor 0x3F1C: a control interface (usage page and usage 0xFF00,
    // interface 2) or a mouse interface (0x0001 / 0x0002, interface 0).
    void add(const QByteArray& path, quint16 productId, bool control, const QString& product,
             quint16 release = 0);
    void addReceiver(const QString& product = QStringLiteral("2.4G HORNBEAM Receiver"));
    void addCable(quint16 release = 0x0107);
    // The path an open handle was opened with; empty for a handle of another backend.
    QByteArray pathOf(const std::shared_ptr<HidDevice>& device) const;

    int init() override { return initResult; }
    int exit() override { return 0; }
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) override;

private:
    QList<std::pair<std::weak_ptr<HidDevice>, QByteArray>> m_Handles;
};
