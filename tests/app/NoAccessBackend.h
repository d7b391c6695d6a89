#pragma once

#include "VirtualHidBackend.h"

// The in-process virtual mice behind device nodes this user may not open, as hidraw nodes are
// without the udev rule: while denied, enumeration sees the mice and every open fails with EACCES.
class NoAccessBackend : public VirtualHidBackend
{
public:
    bool m_bDenied = true;

    std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) override
    {
        if (!m_bDenied)
            return VirtualHidBackend::openPath(path, error);
        if (error)
            *error = HidOpenError::PermissionDenied;
        return nullptr;
    }
};
