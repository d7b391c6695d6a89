#pragma once

#include "platform/SingleInstance.h"

// A named lock as an flock() on a file in the per-user runtime folder. The kernel drops the
// lock with the last descriptor, so a crashed or killed holder cannot leave it stuck, and the
// descriptor is close-on-exec so that programs we start never inherit it. The lock is only
// taken in a folder that is ours alone; without one it is refused rather than skipped.
class LockFileSingleInstance : public SingleInstance
{
public:
    // `lockDir` empty: RuntimeDir::path().
    explicit LockFileSingleInstance(const QString& lockDir = QString());
    ~LockFileSingleInstance() override;

    bool tryAcquire(const QString& name) override;
    bool isHeld() const override { return m_iFd >= 0; }
    QString failure() const override { return m_Failure; }

    QString lockFilePath(const QString& name) const;

private:
    void release();

    QString m_LockDir;
    int m_iFd = -1;
    QString m_Failure;
};
