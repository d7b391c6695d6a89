#pragma once

#include "device/HidDevice.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <deque>
#include <mutex>

// A HID interface that answers from a script, usable from a worker thread while the test looks
// on. Each read takes the next step; with the script used up a read does what `idle` says.
class ScriptedHidDevice : public HidDevice
{
public:
    enum class Kind
    {
        Echo,    // bytes 1..32 of the last write
        Bytes,   // the given bytes
        Timeout, // returns 0, fills nothing
        Fail,    // returns -1
    };
    static constexpr int kNatural = -100; // a step's result: the number of bytes it fills
    struct Step
    {
        Kind kind = Kind::Echo;
        QByteArray bytes;
        int result = kNatural;
    };
    // What the device did so far, copied as a whole under the lock.
    struct Record
    {
        QList<QByteArray> writes;
        QList<int> writeAtRead; // reads done before each write
        int reads = 0;
        int lastTimeout = 0;
        int lastReadLength = 0;
    };

    explicit ScriptedHidDevice(Kind idle = Kind::Echo) : m_Idle(idle) {}

    void add(Kind kind, const QByteArray& bytes = QByteArray(), int result = kNatural);
    // `count` steps of every kind with random lengths, contents and results; half of the byte
    // steps begin with `prefix`.
    void addRandomSteps(QRandomGenerator& random, int count, const QByteArray& prefix = {});
    void failWrites(int count);                      // the next `count` writes return -1
    void answerWritesWith(const QByteArray& answer); // every write queues this answer
    Record record() const;

    int write(const quint8* data, std::size_t length) override;
    int readTimeout(quint8* data, std::size_t length, int milliseconds) override;
    int setNonblocking(int) override { return 0; }
    void close() override {}
    // Scripted input is there at once; with the script used up the default probing applies.
    InputWait waitForInput(const WakeEvent& wake, int milliseconds) override;

private:
    mutable std::mutex m_Mutex;
    const Kind m_Idle;
    std::deque<Step> m_Script;
    int m_iFailWrites = 0;
    QByteArray m_WriteAnswer;
    Record m_Record;
};
