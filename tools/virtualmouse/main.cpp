// virtual-mouse: an emulated mouse that a tool on this machine finds and talks to like a real one.
// Commands on standard input, one a line; see printHelp().

#include "VirtualMouse.h"
#include "VirtualMouseConfig.h"
#include "VirtualSocketServer.h"
#include "device/VirtualSocketProtocol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

int g_SignalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    (void)!::write(g_SignalPipe[1], &c, 1);
}

void say(const QString& line)
{
    // One call per line: traffic is printed from the connection threads as well.
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

void printHelp()
{
    say(QStringLiteral(
        "commands:\n"
        "  dpi                      press the DPI button (next level, status report)\n"
        "  rate <code>              switch the report rate (1, 2, 4, 8; status report)\n"
        "  battery <level> [charging]  set the battery level in percent\n"
        "  unplug receiver|cable    pull a link out (open handles fail)\n"
        "  plug receiver|cable      plug a link in\n"
        "  drop N                   send no answer to the next N commands\n"
        "  zero N                   answer the next N commands with zeros\n"
        "  garble N                 invert the last byte of the next N answers\n"
        "  failwrite N              fail the next N writes\n"
        "  failread N               fail the next N reads\n"
        "  delay MS                 delay every answer by MS milliseconds\n"
        "  deny                     refuse every open, as a node without permission\n"
        "  clear                    end every fault\n"
        "  show                     print the configuration the mouse holds\n"
        "  help                     this list\n"
        "  quit                     stop (also SIGINT, SIGTERM)"));
}

QString rgb(const VirtualMouseConfig::Rgb& c)
{
    return QStringLiteral("%1 %2 %3").arg(c.r).arg(c.g).arg(c.b);
}

void show(const VirtualMouse& mouse)
{
    const VirtualMouseConfig held = mouse.heldConfiguration();
    say(QStringLiteral("mouse %1: receiver %2, cable %3, battery %4%%5")
            .arg(mouse.codeName(),
                 mouse.isPlugged(VirtualMouse::Link::Receiver) ? "plugged" : "unplugged",
                 mouse.isPlugged(VirtualMouse::Link::Cable) ? "plugged" : "unplugged")
            .arg(mouse.batteryLevel())
            .arg(mouse.isCharging() ? QStringLiteral(" charging") : QString()));
    say(QStringLiteral("sessions applied %1, write session %2, reports refused %3")
            .arg(held.appliedSessions)
            .arg(mouse.isSessionOpen() ? "open" : "closed")
            .arg(mouse.rejectedReports()));
    say(QStringLiteral("profile %1, DPI level %2, report rate code %3")
            .arg(held.selectedProfile)
            .arg(held.dpiLevel)
            .arg(held.rate));
    const QList<int> used = held.usedDpiLevels();
    say(held.hasDpiTable() ? QStringLiteral("DPI table (range flag, X, Y as sent):")
                           : QStringLiteral("DPI table: not written"));
    if (held.hasDpiTable()) {
        for (int level = 0; level < VirtualMouseConfig::kDpiLevelCount; ++level) {
            const auto& e = held.dpiTable[level];
            say(QStringLiteral("  level %1%2 flag %3 x %4 y %5%6")
                    .arg(level)
                    .arg(level == held.dpiLevel ? QStringLiteral("*") : QStringLiteral(" "))
                    .arg(e.flag)
                    .arg(e.x)
                    .arg(e.y)
                    .arg(used.contains(level) ? QString() : QStringLiteral("  (unused)")));
        }
    }
    say(held.hasButtons() ? QStringLiteral("buttons (4 bytes a slot):")
                          : QStringLiteral("buttons: not written"));
    if (held.hasButtons()) {
        for (int slot = 0; slot < VirtualMouseConfig::kButtonSlotCount; ++slot) {
            const auto& b = held.buttons[slot];
            say(QStringLiteral("  slot %1: %2")
                    .arg(slot, 2)
                    .arg(hex(QByteArray(reinterpret_cast<const char*>(b.data()), 4))));
        }
    }
    say(held.hasGeneral()
            ? QStringLiteral("lighting: mode %1 speed %2 brightness %3, active colour %4, "
                             "sleep %5, off on move %6")
                  .arg(held.ledMode)
                  .arg(held.ledSpeed)
                  .arg(held.ledBrightness)
                  .arg(rgb(held.activeColour))
                  .arg(held.ledSleepTime)
                  .arg(held.ledMoveOff)
            : QStringLiteral("lighting: not written"));
    if (held.reports.contains(0x04)) {
        QStringList colours;
        for (const auto& c : held.modeColours)
            colours << rgb(c);
        say(QStringLiteral("  mode colours: ") + colours.join(QStringLiteral(" | ")));
    }
    if (held.reports.contains(0x02)) {
        say(QStringLiteral("sensor: lift-off %1, angle/debounce %2, sync %3")
                .arg(held.liftHigh)
                .arg(held.angleOrDebounce)
                .arg(held.sync));
    }
    bool anyMacro = false;
    for (int block = 0; block < VirtualMouseConfig::kMacroBlockCount; ++block) {
        if (!held.hasMacroBlock(block))
            continue;
        anyMacro = true;
        QByteArray bytes = held.macroBlocks[block];
        while (bytes.endsWith('\0'))
            bytes.chop(1);
        say(QStringLiteral("macro block %1 (%2 bytes used): %3")
                .arg(block)
                .arg(bytes.size())
                .arg(hex(bytes)));
    }
    if (!anyMacro)
        say(QStringLiteral("macro blocks: none"));
    if (!held.refreshCodes.isEmpty()) {
        QStringList codes;
        for (quint8 c : held.refreshCodes)
            codes << QStringLiteral("%1").arg(c, 2, 16, QLatin1Char('0'));
        say(QStringLiteral("refresh codes received: ") + codes.join(' '));
    }
}

bool count(const QStringList& words, int* n)
{
    bool ok = false;
    *n = words.size() == 2 ? words[1].toInt(&ok, 0) : -1;
    return ok && *n >= 0;
}

// One command line; false when the program should stop.
bool runCommand(VirtualMouse& mouse, const QString& line)
{
    const QStringList words = line.simplified().split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return true;
    const QString command = words[0].toLower();
    int n = 0;
    VirtualMouse::Link link;
    if (command == "quit" || command == "exit")
        return false;
    if (command == "help") {
        printHelp();
    } else if (command == "dpi" && words.size() == 1) {
        const quint8 before = mouse.heldConfiguration().dpiLevel;
        mouse.pressDpiButton();
        if (mouse.heldConfiguration().dpiLevel == before)
            say(QStringLiteral("DPI level stays %1 (only one level in use)").arg(before));
    } else if (command == "rate" && count(words, &n) && n <= 255) {
        if (mouse.heldConfiguration().rate == n)
            say(QStringLiteral("report rate code is already %1").arg(n));
        mouse.setReportRate(quint8(n));
    } else if (command == "battery" && (words.size() == 2 || words.size() == 3) &&
               (words.size() == 2 || words[2].toLower() == "charging")) {
        bool ok = false;
        const int level = words[1].toInt(&ok);
        if (!ok || level < 0 || level > 100) {
            say(QStringLiteral("battery level 0..100"));
            return true;
        }
        mouse.setBattery(quint8(level), words.size() == 3);
        say(QStringLiteral("battery %1%%2").arg(level).arg(words.size() == 3 ? " charging" : ""));
    } else if ((command == "plug" || command == "unplug") && words.size() == 2 &&
               VirtualMouse::parseLink(words[1], &link)) {
        if (command == "plug")
            mouse.plug(link);
        else
            mouse.unplug(link);
    } else if (command == "drop" && count(words, &n)) {
        mouse.dropAnswers(n);
        say(QStringLiteral("fault: next %1 answers are not sent").arg(n));
    } else if (command == "zero" && count(words, &n)) {
        mouse.zeroAnswers(n);
        say(QStringLiteral("fault: next %1 answers are all zero").arg(n));
    } else if (command == "garble" && count(words, &n)) {
        mouse.garbleAnswers(n);
        say(QStringLiteral("fault: next %1 answers have their last byte inverted").arg(n));
    } else if (command == "failwrite" && count(words, &n)) {
        mouse.failWrites(n);
        say(QStringLiteral("fault: next %1 writes fail").arg(n));
    } else if (command == "failread" && count(words, &n)) {
        mouse.failReads(n);
        say(QStringLiteral("fault: next %1 reads fail").arg(n));
    } else if (command == "delay" && count(words, &n)) {
        mouse.setAnswerDelay(n);
        say(QStringLiteral("fault: answers come %1 ms late").arg(n));
    } else if (command == "deny" && words.size() == 1) {
        mouse.denyOpens(true);
        say(QStringLiteral("fault: opens refused"));
    } else if (command == "clear" && words.size() == 1) {
        mouse.clearFaults();
        say(QStringLiteral("fault: none"));
    } else if (command == "show" && words.size() == 1) {
        show(mouse);
    } else {
        say(QStringLiteral("unknown command: %1 (try help)").arg(line.trimmed()));
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("virtual-mouse"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("An emulated mouse for the configuration tool. Commands on standard "
                       "input: type help."));
    parser.addHelpOption();
    const QCommandLineOption nameOption(QStringLiteral("name"),
                                        QStringLiteral("Code name: HORNBEAM, LINDEN, TAMARACK."),
                                        QStringLiteral("code"), QStringLiteral("HORNBEAM"));
    const QCommandLineOption receiverOption(QStringLiteral("receiver"),
                                            QStringLiteral("Plug the receiver in (default)."));
    const QCommandLineOption cableOption(QStringLiteral("cable"),
                                         QStringLiteral("Plug the cable in."));
    const QCommandLineOption dirOption(
        QStringLiteral("dir"),
        QStringLiteral("Socket folder (default: $MOUSECFG_VIRTUAL_DIR, "
                       "$XDG_RUNTIME_DIR/mousecfg-virtual)."),
        QStringLiteral("folder"));
    const QCommandLineOption batteryOption(QStringLiteral("battery"),
                                           QStringLiteral("Battery level in percent."),
                                           QStringLiteral("level"), QStringLiteral("100"));
    const QCommandLineOption releaseOption(QStringLiteral("release"),
                                           QStringLiteral("Cable release number (hex)."),
                                           QStringLiteral("number"), QStringLiteral("0102"));
    const QCommandLineOption quietOption(QStringLiteral("quiet"),
                                         QStringLiteral("Do not print the traffic."));
    parser.addOptions({nameOption, receiverOption, cableOption, dirOption, batteryOption,
                       releaseOption, quietOption});
    parser.process(app);

    const QString name = parser.value(nameOption);
    const bool cable = parser.isSet(cableOption);
    const bool receiver = parser.isSet(receiverOption) || !cable;
    bool ok = false;
    const int battery = parser.value(batteryOption).toInt(&ok);
    const uint release = parser.value(releaseOption).toUInt(&ok, 16);
    if (name.isEmpty() || battery < 0 || battery > 100 || !ok || release > 0xFFFF) {
        std::fputs("virtual-mouse: bad option value (see --help)\n", stderr);
        return 2;
    }

    auto mouse = std::make_shared<VirtualMouse>(name, receiver, cable);
    mouse->setBattery(quint8(battery), false);
    mouse->setReleaseNumber(VirtualMouse::Link::Cable, quint16(release));

    if (!parser.isSet(quietOption)) {
        // Printed from whichever thread caused them, as whole lines.
        QObject::connect(
            mouse.get(), &VirtualMouse::reportReceived,
            [](VirtualMouse::Link link, const QByteArray& report) {
                say(QStringLiteral("> %1 %2").arg(VirtualMouse::linkName(link), hex(report)));
            });
        QObject::connect(
            mouse.get(), &VirtualMouse::answerSent,
            [](VirtualMouse::Link link, const QByteArray& answer) {
                say(QStringLiteral("< %1 %2").arg(VirtualMouse::linkName(link), hex(answer)));
            });
        QObject::connect(mouse.get(), &VirtualMouse::faultApplied,
                         [](const QString& what) { say(QStringLiteral("! ") + what); });
        QObject::connect(mouse.get(), &VirtualMouse::configurationApplied,
                         [] { say(QStringLiteral("configuration applied")); });
    }
    QObject::connect(mouse.get(), &VirtualMouse::statusSent, [](const QByteArray& status) {
        say(QStringLiteral("< status %1").arg(hex(status)));
    });
    QObject::connect(mouse.get(), &VirtualMouse::plugChanged,
                     [](VirtualMouse::Link link, bool plugged) {
                         say(QStringLiteral("%1 %2").arg(plugged ? "plugged" : "unplugged",
                                                         VirtualMouse::linkName(link)));
                     });

    const QString dir =
        parser.isSet(dirOption) ? parser.value(dirOption) : VirtualSocketProtocol::directory();
    if (!VirtualSocketProtocol::prepareDirectory(dir)) {
        std::fprintf(stderr, "virtual-mouse: %s is not a folder of this user's alone\n",
                     QFile::encodeName(dir).constData());
        return 1;
    }
    VirtualSocketServer server(mouse);
    QString error;
    if (!server.listen(dir + QLatin1Char('/') + VirtualSocketServer::socketNameFor(name), &error)) {
        std::fprintf(stderr, "virtual-mouse: %s\n", error.toLocal8Bit().constData());
        return 1;
    }

    if (::pipe2(g_SignalPipe, O_CLOEXEC) != 0)
        return 1;
    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    QSocketNotifier signalNotifier(g_SignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app,
                     [] { QCoreApplication::quit(); });

    // Standard input may be a terminal, a pipe or closed; at its end the mouse keeps running.
    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            if (n == 0 || (errno != EINTR && errno != EAGAIN))
                input.setEnabled(false);
            return;
        }
        pending.append(buffer, int(n));
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(pending.left(end));
            pending.remove(0, end + 1);
            if (!runCommand(*mouse, line)) {
                QCoreApplication::quit();
                input.setEnabled(false);
                return;
            }
        }
    });

    say(QStringLiteral("virtual mouse %1 (%2) on %3")
            .arg(name,
                 receiver && cable ? QStringLiteral("receiver and cable")
                 : cable           ? QStringLiteral("cable")
                                   : QStringLiteral("receiver"),
                 server.socketPath()));
    const int result = app.exec();
    server.stop();
    say(QStringLiteral("virtual mouse %1 stopped").arg(name));
    return result;
}
