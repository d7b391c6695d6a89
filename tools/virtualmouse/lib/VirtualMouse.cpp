#include "VirtualMouse.h"

#include "device/WakeEvent.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr quint8 kBatteryType = 0x0A;
constexpr quint8 kStatusMark[3] = {0xAA, 0xFF, 0xDD};

int index(VirtualMouse::Link link)
{
    return link == VirtualMouse::Link::Cable ? 1 : 0;
}

bool awaitsEcho(quint8 code)
{
    return code <= 0x0A || code == 0x40 || code == 0x46;
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

} // namespace

// Everything a locked step wants to announce; emitted after the lock is released.
struct VirtualMouse::Outbox
{
    std::vector<std::pair<Link, QByteArray>> received;
    std::vector<std::pair<Link, QByteArray>> answers;
    std::vector<QByteArray> statuses;
    QStringList faults;
    bool applied = false;
};

VirtualMouse::VirtualMouse(const QString& codeName, bool receiver, bool cable, QObject* parent)
    : QObject(parent), m_CodeName(codeName)
{
    qRegisterMetaType<VirtualMouse::Link>();
    m_Plugged[0] = receiver;
    m_Plugged[1] = cable;
    m_Clock.start();
}

VirtualMouse::~VirtualMouse()
{
    // Handles may outlive the object only through shared ownership; wake anyone still waiting.
    QMutexLocker lock(&m_Mutex);
    wakeWaiters();
    m_Handles.clear();
}

QString VirtualMouse::linkName(Link link)
{
    return link == Link::Cable ? QStringLiteral("cable") : QStringLiteral("receiver");
}

bool VirtualMouse::parseLink(const QString& text, Link* link)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("receiver"))
        *link = Link::Receiver;
    else if (t == QLatin1String("cable"))
        *link = Link::Cable;
    else
        return false;
    return true;
}

HidDeviceInfo VirtualMouse::interfaceInfo(Link link, Interface iface) const
{
    HidDeviceInfo info;
    info.vendorId = kVendorId;
    info.productId = link == Link::Cable ? kCableProductId : kReceiverProductId;
    info.releaseNumber = releaseNumber(link);
    info.manufacturer = QStringLiteral("Virtual Devices");
    info.product = link == Link::Cable ? QStringLiteral("USB Gaming Mouse ") + m_CodeName
                                       : QStringLiteral("2.4G Wireless Mouse ") + m_CodeName;
    if (iface == Interface::Mouse) {
        info.usagePage = 0x0001;
        info.usage = 0x0002;
    } else {
        info.usagePage = 0xFF00;
        info.usage = 0xFF00;
    }
    info.interfaceNumber = static_cast<int>(iface);
    return info;
}

quint16 VirtualMouse::releaseNumber(Link link) const
{
    QMutexLocker lock(&m_Mutex);
    return m_Release[index(link)];
}

void VirtualMouse::setReleaseNumber(Link link, quint16 release)
{
    QMutexLocker lock(&m_Mutex);
    m_Release[index(link)] = release;
}

bool VirtualMouse::isPlugged(Link link) const
{
    QMutexLocker lock(&m_Mutex);
    return m_Plugged[index(link)];
}

void VirtualMouse::plug(Link link)
{
    {
        QMutexLocker lock(&m_Mutex);
        if (m_Plugged[index(link)])
            return;
        m_Plugged[index(link)] = true;
    }
    emit plugChanged(link, true);
}

void VirtualMouse::unplug(Link link)
{
    {
        QMutexLocker lock(&m_Mutex);
        if (!m_Plugged[index(link)])
            return;
        m_Plugged[index(link)] = false;
        ++m_Generation[index(link)];
        for (auto& entry : m_Handles) {
            if (entry.second.link == link)
                entry.second.queue.clear();
        }
        // A session that came over this link can no longer end properly.
        if (m_bSessionOpen && m_SessionLink == link) {
            m_bSessionOpen = false;
            m_Session.clear();
        }
        wakeWaiters();
    }
    emit plugChanged(link, false);
}

void VirtualMouse::pressDpiButton()
{
    Outbox out;
    {
        QMutexLocker lock(&m_Mutex);
        const QList<int> used = m_Held.usedDpiLevels();
        int next = used.first();
        for (int level : used) {
            if (level > m_Held.dpiLevel) {
                next = level;
                break;
            }
        }
        if (next == m_Held.dpiLevel)
            return;
        m_Held.dpiLevel = quint8(next);
        sendStatus(out);
    }
    deliver(out);
}

void VirtualMouse::setReportRate(quint8 code)
{
    Outbox out;
    {
        QMutexLocker lock(&m_Mutex);
        if (m_Held.rate == code)
            return;
        m_Held.rate = code;
        sendStatus(out);
    }
    deliver(out);
}

void VirtualMouse::setBattery(quint8 level, bool charging)
{
    QMutexLocker lock(&m_Mutex);
    m_iBattery = std::min<quint8>(level, 100);
    m_bCharging = charging;
}

quint8 VirtualMouse::batteryLevel() const
{
    QMutexLocker lock(&m_Mutex);
    return m_iBattery;
}

bool VirtualMouse::isCharging() const
{
    QMutexLocker lock(&m_Mutex);
    return m_bCharging;
}

void VirtualMouse::dropAnswers(int count)
{
    QMutexLocker lock(&m_Mutex);
    m_iDropAnswers = std::max(0, count);
}

void VirtualMouse::zeroAnswers(int count)
{
    QMutexLocker lock(&m_Mutex);
    m_iZeroAnswers = std::max(0, count);
}

void VirtualMouse::garbleAnswers(int count)
{
    QMutexLocker lock(&m_Mutex);
    m_iGarbleAnswers = std::max(0, count);
}

void VirtualMouse::failWrites(int count)
{
    QMutexLocker lock(&m_Mutex);
    m_iFailWrites = std::max(0, count);
}

void VirtualMouse::failReads(int count)
{
    QMutexLocker lock(&m_Mutex);
    m_iFailReads = std::max(0, count);
}

void VirtualMouse::setAnswerDelay(int milliseconds)
{
    QMutexLocker lock(&m_Mutex);
    m_iAnswerDelay = std::max(0, milliseconds);
}

void VirtualMouse::denyOpens(bool bDeny)
{
    QMutexLocker lock(&m_Mutex);
    m_bDenyOpens = bDeny;
}

bool VirtualMouse::deniesOpens() const
{
    QMutexLocker lock(&m_Mutex);
    return m_bDenyOpens;
}

void VirtualMouse::clearFaults()
{
    QMutexLocker lock(&m_Mutex);
    m_bDenyOpens = false;
    m_iDropAnswers = m_iZeroAnswers = m_iGarbleAnswers = 0;
    m_iFailWrites = m_iFailReads = m_iAnswerDelay = 0;
}

VirtualMouseConfig VirtualMouse::heldConfiguration() const
{
    QMutexLocker lock(&m_Mutex);
    return m_Held;
}

bool VirtualMouse::isSessionOpen() const
{
    QMutexLocker lock(&m_Mutex);
    return m_bSessionOpen;
}

int VirtualMouse::rejectedReports() const
{
    QMutexLocker lock(&m_Mutex);
    return m_iRejected;
}

quint8 VirtualMouse::checksum(const quint8* report)
{
    quint8 sum = 0;
    for (int i = 1; i <= 31; ++i)
        sum = quint8(sum + report[i]);
    return quint8(~sum);
}

bool VirtualMouse::isAlive(const Handle& handle) const
{
    const int i = index(handle.link);
    return m_Plugged[i] && handle.generation == m_Generation[i];
}

int VirtualMouse::openHandle(Link link, Interface iface)
{
    QMutexLocker lock(&m_Mutex);
    if (!m_Plugged[index(link)])
        return -1;
    const int id = m_iNextHandle++;
    Handle& handle = m_Handles[id];
    handle.link = link;
    handle.iface = iface;
    handle.generation = m_Generation[index(link)];
    handle.notify = std::make_shared<WakeEvent>();
    return id;
}

void VirtualMouse::closeHandle(int handle)
{
    QMutexLocker lock(&m_Mutex);
    wakeWaiters();
    m_Handles.erase(handle);
}

int VirtualMouse::write(int handle, const quint8* data, std::size_t length)
{
    Outbox out;
    int result = -1;
    {
        QMutexLocker lock(&m_Mutex);
        const auto it = m_Handles.find(handle);
        if (it == m_Handles.end() || !isAlive(it->second))
            return -1;
        // The mouse interface has no output report; the control interface only report ID 0.
        if (it->second.iface != Interface::Control || length < 2 || data[0] != 0)
            return -1;
        if (m_iFailWrites > 0) {
            --m_iFailWrites;
            out.faults << QStringLiteral("write failed (%1 more)").arg(m_iFailWrites);
        } else {
            QByteArray report(kReportSize, '\0');
            std::memcpy(report.data(), data, std::min<std::size_t>(length, kReportSize));
            out.received.emplace_back(it->second.link, report);
            handleCommand(it->second.link, report, out);
            result = static_cast<int>(length);
        }
    }
    deliver(out);
    return result;
}

int VirtualMouse::read(int handle, quint8* data, std::size_t length, int milliseconds)
{
    QString fault;
    int result = 0;
    {
        QMutexLocker lock(&m_Mutex);
        auto it = m_Handles.find(handle);
        if (it == m_Handles.end() || !isAlive(it->second))
            return -1;
        if (it->second.iface == Interface::Control && m_iFailReads > 0) {
            --m_iFailReads;
            fault = QStringLiteral("read failed (%1 more)").arg(m_iFailReads);
            result = -1;
        } else {
            const QDeadlineTimer deadline = milliseconds < 0
                                                ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                : QDeadlineTimer(milliseconds);
            for (;;) {
                it = m_Handles.find(handle);
                if (it == m_Handles.end() || !isAlive(it->second))
                    return -1;
                std::deque<Pending>& queue = it->second.queue;
                const qint64 now = m_Clock.elapsed();
                if (!queue.empty() && queue.front().readyAt <= now) {
                    const QByteArray answer = queue.front().data;
                    queue.pop_front();
                    const std::size_t n = std::min<std::size_t>(length, answer.size());
                    std::memcpy(data, answer.constData(), n);
                    return static_cast<int>(n);
                }
                if (deadline.hasExpired())
                    return 0;
                QDeadlineTimer wait = deadline;
                if (!queue.empty())
                    wait = std::min(deadline, QDeadlineTimer(queue.front().readyAt - now));
                m_Arrived.wait(&m_Mutex, wait);
            }
        }
    }
    if (!fault.isEmpty())
        emit faultApplied(fault);
    return result;
}

int VirtualMouse::takeReady(int handle, quint8* data, std::size_t length)
{
    QMutexLocker lock(&m_Mutex);
    const auto it = m_Handles.find(handle);
    if (it == m_Handles.end() || !isAlive(it->second))
        return -1;
    std::deque<Pending>& queue = it->second.queue;
    const bool bFaultArmed = it->second.iface == Interface::Control && m_iFailReads > 0;
    if (bFaultArmed || queue.empty() || queue.front().readyAt > m_Clock.elapsed())
        return 0;
    const QByteArray answer = queue.front().data;
    queue.pop_front();
    const std::size_t n = std::min<std::size_t>(length, std::size_t(answer.size()));
    std::memcpy(data, answer.constData(), n);
    return static_cast<int>(n);
}

int VirtualMouse::waitForInput(int handle, int otherFd, int milliseconds)
{
    const QDeadlineTimer deadline =
        milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    for (;;) {
        std::shared_ptr<WakeEvent> notify; // kept: the handle may be closed while we sleep
        QDeadlineTimer wait = deadline;
        {
            QMutexLocker lock(&m_Mutex);
            const auto it = m_Handles.find(handle);
            if (it == m_Handles.end() || !isAlive(it->second))
                return -1;
            notify = it->second.notify;
            // Cleared under the lock that every queueing takes, so no arrival slips between.
            notify->clear();
            const std::deque<Pending>& queue = it->second.queue;
            if (!queue.empty()) {
                const qint64 now = m_Clock.elapsed();
                if (queue.front().readyAt <= now)
                    return 1;
                wait = std::min(deadline, QDeadlineTimer(queue.front().readyAt - now));
            }
        }
        const qint64 left = wait.remainingTime();
        const WakeEvent::Outcome outcome =
            notify->waitWith(otherFd, left < 0 ? -1 : int(qMin<qint64>(left, 1 << 30)));
        if (outcome == WakeEvent::Ready || outcome == WakeEvent::Error)
            return 0;
        if (outcome == WakeEvent::TimedOut && deadline.hasExpired())
            return 0;
    }
}

void VirtualMouse::wakeWaiters()
{
    m_Arrived.wakeAll();
    for (auto& entry : m_Handles) {
        if (entry.second.notify)
            entry.second.notify->raise();
    }
}

void VirtualMouse::handleCommand(Link link, const QByteArray& report, Outbox& out)
{
    const auto* r = reinterpret_cast<const quint8*>(report.constData());
    // Short forms share type 0x05 with the first DPI report; a DPI report that happens to start
    // 05 00 FA still carries a valid checksum, a short form practically never does.
    if (r[1] == 0x05 && r[2] == 0x00 && r[3] == 0xFA && checksum(r) != r[32]) {
        handleShortForm(link, report, out);
        return;
    }
    handleChecksummed(link, report, out);
}

void VirtualMouse::handleShortForm(Link link, const QByteArray& report, Outbox& out)
{
    const auto* r = reinterpret_cast<const quint8*>(report.constData());
    const quint8 command = r[4];
    if (command == 0x44 && r[5] < 5)
        m_Held.selectedProfile = r[5];
    else if (command == 0x40 && r[5] == 0xF3)
        m_Held.refreshCodes.append(r[6]);
    if (awaitsEcho(command))
        sendAnswer(link, report.mid(1, kAnswerSize), out);
}

void VirtualMouse::handleChecksummed(Link link, const QByteArray& report, Outbox& out)
{
    const auto* r = reinterpret_cast<const quint8*>(report.constData());
    const quint8 sum = checksum(r);
    if (sum != r[32]) {
        ++m_iRejected;
        out.faults << QStringLiteral("checksum %1 expected, %2 sent: report refused")
                          .arg(sum, 2, 16, QLatin1Char('0'))
                          .arg(r[32], 2, 16, QLatin1Char('0'));
        if (awaitsEcho(r[4])) {
            QByteArray answer = report.mid(1, kAnswerSize);
            answer[kAnswerSize - 1] = char(sum);
            sendAnswer(link, answer, out);
        }
        return;
    }

    const quint8 type = r[1];
    if (type == kBatteryType && r[2] == kStatusMark[0] && r[3] == kStatusMark[1] &&
        r[4] == kStatusMark[2]) {
        QByteArray answer = statusReport();
        answer[0] = char(type);
        sendAnswer(link, answer, out);
        return;
    }

    if (type == 0x00 && r[2] == 0xAA && r[3] == 0x55) {
        // A new begin marker drops whatever an unfinished session left.
        m_bSessionOpen = true;
        m_SessionLink = link;
        m_Session.clear();
    } else if (type == 0x00 && r[2] == 0xCC && r[3] == 0x33) {
        if (m_bSessionOpen) {
            applySession();
            out.applied = true;
        }
    } else if (m_bSessionOpen) {
        m_Session[type] = report.mid(2, VirtualMouseConfig::kPayloadSize);
    }
    if (awaitsEcho(r[4]))
        sendAnswer(link, report.mid(1, kAnswerSize), out);
}

void VirtualMouse::applySession()
{
    for (auto it = m_Session.cbegin(); it != m_Session.cend(); ++it)
        m_Held.reports[it.key()] = it.value();
    m_Held.decode();
    ++m_Held.appliedSessions;
    m_Session.clear();
    m_bSessionOpen = false;
}

QByteArray VirtualMouse::statusReport() const
{
    QByteArray status(kAnswerSize, '\0');
    status[0] = char(kBatteryType);
    status[1] = char(kStatusMark[0]);
    status[2] = char(kStatusMark[1]);
    status[3] = char(kStatusMark[2]);
    status[4] = char(m_iBattery);
    status[5] = char(m_bCharging ? 1 : 0);
    // The high nibble carries the selected profile; readers keep the low four bits.
    status[6] = char(((m_Held.selectedProfile & 0x0F) << 4) | (m_Held.dpiLevel & 0x0F));
    status[7] = char(m_Held.rate);
    return status;
}

void VirtualMouse::sendAnswer(Link link, QByteArray answer, Outbox& out)
{
    if (m_iDropAnswers > 0) {
        --m_iDropAnswers;
        out.faults
            << QStringLiteral("answer dropped (%1 more): %2").arg(m_iDropAnswers).arg(hex(answer));
        return;
    }
    if (m_iZeroAnswers > 0) {
        --m_iZeroAnswers;
        answer.fill('\0');
        out.faults << QStringLiteral("answer zeroed (%1 more)").arg(m_iZeroAnswers);
    } else if (m_iGarbleAnswers > 0) {
        --m_iGarbleAnswers;
        answer[kAnswerSize - 1] = char(~quint8(answer.at(kAnswerSize - 1)));
        out.faults << QStringLiteral("answer garbled (%1 more)").arg(m_iGarbleAnswers);
    }
    queueTo(link, answer, m_Clock.elapsed() + m_iAnswerDelay);
    out.answers.emplace_back(link, answer);
}

void VirtualMouse::sendStatus(Outbox& out)
{
    const QByteArray status = statusReport();
    const qint64 now = m_Clock.elapsed();
    for (Link link : {Link::Receiver, Link::Cable}) {
        if (m_Plugged[index(link)])
            queueTo(link, status, now);
    }
    out.statuses.push_back(status);
}

void VirtualMouse::queueTo(Link link, const QByteArray& data, qint64 readyAt)
{
    for (auto& entry : m_Handles) {
        Handle& handle = entry.second;
        if (handle.link != link || handle.iface != Interface::Control || !isAlive(handle))
            continue;
        handle.queue.push_back({data, readyAt});
        while (handle.queue.size() > std::size_t(kQueueLimit))
            handle.queue.pop_front();
    }
    wakeWaiters();
}

void VirtualMouse::deliver(const Outbox& out)
{
    for (const auto& r : out.received)
        emit reportReceived(r.first, r.second);
    for (const QString& f : out.faults)
        emit faultApplied(f);
    if (out.applied)
        emit configurationApplied();
    for (const auto& a : out.answers)
        emit answerSent(a.first, a.second);
    for (const QByteArray& s : out.statuses)
        emit statusSent(s);
}
