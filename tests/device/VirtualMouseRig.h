#pragma once

#include "VirtualHidBackend.h"
#include "VirtualMouse.h"
#include "device/DeviceLink.h"
#include "device/HidBackend.h"

#include <QByteArray>
#include <QList>

#include <memory>
#include <mutex>

// One in-process virtual mouse whose receiver control interface is the open control handle, and
// a log of the report types it received (from whichever thread sent them).
class VirtualMouseRig
{
public:
    VirtualMouseRig()
        : m_Mouse(std::make_shared<VirtualMouse>()),
          m_Backend(std::make_shared<VirtualHidBackend>(m_Mouse))
    {
        HidBackend::setCurrent(m_Backend);
        QObject::connect(
            m_Mouse.get(), &VirtualMouse::reportReceived, m_Mouse.get(),
            [this](VirtualMouse::Link, const QByteArray& report) {
                std::lock_guard<std::mutex> lock(m_LogMutex);
                m_Reports.append(report);
            },
            Qt::DirectConnection);
        open();
    }

    ~VirtualMouseRig()
    {
        DeviceLink::instance().closeAll();
        HidBackend::setCurrent(nullptr);
    }

    void open()
    {
        DeviceLink::instance().setHandle(
            DeviceLink::ReceiverControl,
            m_Backend->openPath(VirtualHidBackend::pathOf(0, VirtualMouse::Link::Receiver,
                                                          VirtualMouse::Interface::Control),
                                nullptr));
    }

    VirtualMouse& mouse() { return *m_Mouse; }

    QList<QByteArray> reports() const
    {
        std::lock_guard<std::mutex> lock(m_LogMutex);
        return m_Reports;
    }

    QList<int> types() const
    {
        QList<int> out;
        for (const QByteArray& r : reports())
            out << quint8(r.at(1));
        return out;
    }

    void clearLog()
    {
        std::lock_guard<std::mutex> lock(m_LogMutex);
        m_Reports.clear();
    }

private:
    std::shared_ptr<VirtualMouse> m_Mouse;
    std::shared_ptr<VirtualHidBackend> m_Backend;
    mutable std::mutex m_LogMutex;
    QList<QByteArray> m_Reports;
};
