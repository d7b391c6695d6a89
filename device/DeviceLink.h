#pragma once

#include "device/HidDevice.h"

#include <array>
#include <memory>
#include <mutex>

// The four process-wide HID handles of the mouse in use. Callers take copies of the handles, so a
// device stays valid for the whole of a call even when another thread closes everything.
class DeviceLink
{
public:
    enum Interface
    {
        ReceiverMouse,
        ReceiverControl,
        CableMouse,
        CableControl,
        InterfaceCount
    };

    static DeviceLink& instance();

    std::shared_ptr<HidDevice> handle(Interface which) const;
    // A handle that is replaced is only dropped, not closed: a thread may still be using it, and
    // it closes itself once the last user lets go.
    void setHandle(Interface which, std::shared_ptr<HidDevice> device);

    // The cable control handle if open, else the receiver control handle (may be null).
    std::shared_ptr<HidDevice> controlHandle() const;

    bool isOpen(Interface which) const;
    bool isCableOpen() const;    // cable control interface
    bool isReceiverOpen() const; // receiver control interface
    bool isAnyOpen() const;

    // Closes the open handles in interface order and forgets them.
    void closeAll();

private:
    mutable std::mutex m_Mutex;
    std::array<std::shared_ptr<HidDevice>, InterfaceCount> m_Handles;
};
