#pragma once

#include "device/HidBackend.h"

#include <QString>

// The virtual mice of running virtual-mouse programs, reached through their sockets in the
// virtual-device folder. Paths read "virtual:<socket file>:<receiver|cable>:<interface number>".
// Plain POSIX sockets with poll() time-outs: usable from any thread, no event loop needed.
class SocketHidBackend : public HidBackend
{
public:
    // dir: the folder to look in; empty: VirtualSocketProtocol::directory() at every call.
    explicit SocketHidBackend(const QString& dir = QString());

    int init() override;
    int exit() override;
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) override;

    static constexpr int kAnswerTimeout = 500; // ms a live program has to describe itself

    // The interfaces one socket describes (paths as above), false when nobody answers.
    static bool describe(const QString& socketPath, std::vector<HidDeviceInfo>* interfaces);

private:
    QString directory() const;

    const QString m_Dir;
};
