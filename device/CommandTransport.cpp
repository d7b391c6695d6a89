#include "device/CommandTransport.h"

#include "device/DeviceLink.h"

#include <QByteArray>
#include <QDebug>
#include <QThread>

#include <atomic>
#include <cstring>

namespace {
constexpr int kReadTimeoutMs = 150;
constexpr unsigned long kAfterWriteMs = 10;
constexpr unsigned long kBeforeRereadMs = 50;
constexpr int kMaxReadFailures = 29;  // the 30th failure forces a rewrite
constexpr int kMaxCheckFailures = 19; // re-reads on a mismatched echo before a rewrite
constexpr int kMaxRewrites = 2;
constexpr int kMaxZeroAnswers = 5; // extra writes for all-zero answers

std::atomic<CommandTransport::SleepFunction> g_Sleep{nullptr};

void pause(unsigned long milliseconds)
{
    if (CommandTransport::SleepFunction sleep = g_Sleep.load())
        sleep(milliseconds);
    else
        QThread::msleep(milliseconds);
}

// "<prefix>length=<n> data=" and bytes 1 to 33 of the buffer as "%02x" separated by blanks.
void traceFrame(const char* prefix, int length, const quint8* buffer)
{
    QByteArray line = QByteArray(prefix) + "length=" + QByteArray::number(length) + " data=";
    for (int i = 1; i <= CommandTransport::kFrameLength; ++i) {
        if (i > 1)
            line += ' ';
        line += QByteArray::number(buffer[i] >> 4, 16) + QByteArray::number(buffer[i] & 0x0F, 16);
    }
    qDebug("%s", line.constData());
}

bool awaitsAnswer(quint8 code)
{
    return code <= 0x0A || code == 0x40 || code == 0x46;
}

quint8 finish(quint8 result)
{
    qDebug(" ");
    qDebug(" ");
    return result;
}
} // namespace

void CommandTransport::setSleepFunction(SleepFunction sleep)
{
    g_Sleep.store(sleep);
}

quint8 CommandTransport::sendCommand(const quint8* command, int length)
{
    qDebug("start--------------------------------------");
    // A copy: the device stays valid for this whole call even if another thread closes all.
    const std::shared_ptr<HidDevice> device = DeviceLink::instance().controlHandle();
    if (!device) {
        qDebug("no device--------------------------------------");
        return finish(NoDevice);
    }

    quint8 writeBuffer[kBufferSize];
    quint8 readBuffer[kBufferSize];
    std::memset(writeBuffer, 0, sizeof(writeBuffer));
    std::memset(readBuffer, 0, sizeof(readBuffer));
    if (command && length > 0)
        std::memcpy(writeBuffer, command, static_cast<std::size_t>(qMin(length, kBufferSize)));

    int readFailures = 0;
    int checkFailures = 0;
    int rewrites = 0;
    int zeroAnswers = 0;
    bool recheck = false;

    enum class State
    {
        Write,
        Decide,
        Read,
        CheckFailure,
        ReadFailure,
        Success
    };
    State state = State::Write;

    for (;;) {
        switch (state) {
        case State::Write: {
            const int written = device->write(writeBuffer, kFrameLength);
            traceFrame("hid_write ", written, writeBuffer);
            if (written < 0) {
                qDebug("Unable to send a feature report.\n");
                qDebug("hid_write fail--------------------------------------");
                return finish(WriteError);
            }
            pause(kAfterWriteMs);
            state = State::Decide;
            break;
        }
        case State::Decide:
            state = awaitsAnswer(writeBuffer[4]) ? State::Read : State::Success;
            break;
        case State::Read: {
            qDebug("hid_read start");
            // The answer has no report ID: reading from byte 1 lines it up with the command.
            const int read = device->readTimeout(readBuffer + 1, kFrameLength, kReadTimeoutMs);
            if (read < 0) {
                qDebug("hid_read start read fail %d", readFailures);
                ++readFailures;
                if (readFailures > kMaxReadFailures) {
                    state = State::ReadFailure;
                } else {
                    pause(kBeforeRereadMs);
                    qDebug("re read");
                    state = State::Decide;
                }
                break;
            }
            traceFrame("hid_read ", read, readBuffer);
            bool allZero = true;
            for (int i = 1; i <= 8; ++i) {
                if (readBuffer[i] != 0)
                    allZero = false;
            }
            if (allZero) {
                ++zeroAnswers;
                if (zeroAnswers <= kMaxZeroAnswers) {
                    qDebug("all 0, jump re write ");
                    state = State::Write;
                } else {
                    qDebug("multi all 0, go back--------------------------------------");
                    state = recheck ? State::CheckFailure : State::Success;
                }
                break;
            }
            state = std::memcmp(readBuffer + 1, writeBuffer + 1, 32) == 0 ? State::Success
                                                                          : State::CheckFailure;
            break;
        }
        case State::CheckFailure:
            ++checkFailures;
            if (checkFailures > kMaxCheckFailures) {
                ++rewrites;
                if (rewrites > kMaxRewrites) {
                    qDebug(
                        "multi command check fail, go back--------------------------------------");
                    return finish(RetriesExhausted);
                }
                qDebug("command check fail, re write %d", rewrites);
                recheck = true;
                zeroAnswers = 0;
                state = State::Write;
            } else {
                pause(kBeforeRereadMs);
                qDebug("command check fail, re read %d", rewrites);
                recheck = true;
                zeroAnswers = 0;
                state = State::Decide;
            }
            break;
        case State::ReadFailure:
            qDebug("write fail %d", rewrites);
            ++rewrites;
            if (rewrites > kMaxRewrites) {
                qDebug("multi rewrite fail--------------------------------------");
                return finish(RetriesExhausted);
            }
            qDebug("re write");
            state = State::Write;
            break;
        case State::Success:
            qDebug("send success--------------------------------------");
            return finish(Success);
        }
    }
}
