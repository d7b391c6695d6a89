#pragma once

#include <QString>

// One running instance per name: the first process to acquire a name holds it until it ends,
// however it ends. Different names do not meet.
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;

    // The lock name the program uses for one product.
    static QString mutexName(const QString& productName)
    {
        return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
    }

    // False when another process holds `name`, or when the lock cannot be had safely (see
    // failure()). On success the lock stays held for the life of
    // this object (the program keeps it until it exits). Acquiring another name gives up the
    // one held before.
    virtual bool tryAcquire(const QString& name) = 0;
    virtual bool isHeld() const = 0;
    // Why the last tryAcquire() failed when the reason was not another holder (no safe place
    // for the lock, an error of the system); empty otherwise. Nobody can then tell whether
    // another instance runs, so the caller must not go on as if none did.
    virtual QString failure() const = 0;
};
