#include "ScriptedHidDevice.h"

#include "device/WakeEvent.h"

#include <cstring>

void ScriptedHidDevice::add(Kind kind, const QByteArray& bytes, int result)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Script.push_back({kind, bytes, result});
}

void ScriptedHidDevice::addRandomSteps(QRandomGenerator& random, int count,
                                       const QByteArray& prefix)
{
    const Kind kinds[] = {Kind::Fail, Kind::Timeout, Kind::Echo, Kind::Bytes, Kind::Bytes};
    for (int i = 0; i < count; ++i) {
        Step step{kinds[random.bounded(0, 5)], QByteArray(), kNatural};
        if (step.kind == Kind::Echo)
            step.result = random.bounded(-3, 70);
        if (step.kind == Kind::Bytes) {
            step.bytes = QByteArray(random.bounded(0, 34), '\0');
            for (char& b : step.bytes)
                b = char(random.bounded(0, 3) == 0 ? 0 : random.bounded(0, 256));
            if (random.bounded(0, 2) == 0)
                step.bytes.replace(0, prefix.size(), prefix);
            else if (random.bounded(0, 2) == 0)
                step.result = random.bounded(-5, 1000);
        }
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Script.push_back(step);
    }
}

void ScriptedHidDevice::failWrites(int count)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_iFailWrites = count;
}

void ScriptedHidDevice::answerWritesWith(const QByteArray& answer)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_WriteAnswer = answer;
}

ScriptedHidDevice::Record ScriptedHidDevice::record() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    // Detached under the lock: a copy still sharing its lists with the device's would be freed
    // by the test while a worker appends to them.
    Record copy = m_Record;
    copy.writes.detach();
    copy.writeAtRead.detach();
    return copy;
}

int ScriptedHidDevice::write(const quint8* data, std::size_t length)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Record.writes.append(QByteArray(reinterpret_cast<const char*>(data), int(length)));
    m_Record.writeAtRead.append(m_Record.reads);
    if (!m_WriteAnswer.isEmpty())
        m_Script.push_back({Kind::Bytes, m_WriteAnswer, kNatural});
    if (m_iFailWrites > 0) {
        --m_iFailWrites;
        return -1;
    }
    return int(length);
}

int ScriptedHidDevice::readTimeout(quint8* data, std::size_t length, int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    ++m_Record.reads;
    m_Record.lastTimeout = milliseconds;
    m_Record.lastReadLength = int(length);
    Step step{m_Idle, QByteArray(), kNatural};
    if (!m_Script.empty()) {
        step = m_Script.front();
        m_Script.pop_front();
    }
    if (step.kind == Kind::Timeout)
        return 0;
    if (step.kind == Kind::Fail)
        return -1;
    const QByteArray bytes = step.kind == Kind::Bytes    ? step.bytes
                             : m_Record.writes.isEmpty() ? QByteArray()
                                                         : m_Record.writes.last().mid(1, 32);
    const int n = qMin(int(length), bytes.size());
    std::memcpy(data, bytes.constData(), std::size_t(n));
    return step.result != kNatural ? step.result : n;
}

HidDevice::InputWait ScriptedHidDevice::waitForInput(const WakeEvent& wake, int milliseconds)
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (!m_Script.empty() && !wake.isRaised())
            return InputWait::Ready;
    }
    return HidDevice::waitForInput(wake, milliseconds);
}
