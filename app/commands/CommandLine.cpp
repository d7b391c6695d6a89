#include "app/commands/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {
// A profile slot as the user counts it, 1..5; -2 when it is not one.
int slotOf(const QString& text)
{
    bool bOk = false;
    const int value = text.toInt(&bOk);
    return bOk && value >= 1 && value <= 5 ? value - 1 : -2;
}
} // namespace

QString CommandLine::exitCodeText()
{
    return tr("Exit codes:\n"
              "  0  done\n"
              "  1  wrong usage, or a profile file that cannot be read, is for another mouse,\n"
              "     lacks a key or would leave the mouse without a click or a usable DPI\n"
              "  2  no mouse found, or the mouse does not answer\n"
              "  3  the mouse is there, but this user may not open it\n"
              "  4  writing to the mouse failed, or the running window is busy with it\n");
}

CommandLine CommandLine::parse(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Configures the wireless gaming mouse. Without a command the window opens; a "
           "command is handed to a window that runs already."));
    const QCommandLineOption help({"h", "help"}, tr("Show this help."));
    const QCommandLineOption version({"v", "version"}, tr("Show the version."));
    const QCommandLineOption verbose("verbose", tr("Write the diagnostic lines."));
    const QCommandLineOption list("list", tr("List the mice found: name, links, battery."));
    const QCommandLineOption select("select-profile", tr("Make profile slot N (1-5) active."), "N");
    const QCommandLineOption apply("apply", tr("Load a profile file into a slot and write it."),
                                   "FILE.prof");
    const QCommandLineOption slot(
        "slot", tr("The slot for --apply (1-5; the active one when absent)."), "N");
    const QCommandLineOption battery("battery", tr("Print the battery level and charging."));
    parser.addOptions({help, version, verbose, list, select, apply, slot, battery});

    CommandLine line;
    // The help text needs the application object; a parse before it only decides the mode.
    const auto helpText = [&parser] {
        return QCoreApplication::instance() ? parser.helpText() + "\n" + exitCodeText() : QString();
    };
    const auto invalid = [&line, &helpText](const QString& why) {
        line.m_Command = Invalid;
        line.m_Text = why + "\n\n" + helpText();
        return line;
    };
    if (!parser.parse(QStringList{QStringLiteral("mousecfg")} + args))
        return invalid(parser.errorText());
    line.m_bVerbose = parser.isSet(verbose);
    if (parser.isSet(help)) {
        line.m_Command = Help;
        line.m_Text = helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.m_Command = Version;
        line.m_Text = QStringLiteral("mousecfg %1\n").arg(QStringLiteral(MOUSECFG_VERSION));
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return invalid(tr("Unexpected argument: %1").arg(parser.positionalArguments().first()));

    const int commands = int(parser.isSet(list)) + int(parser.isSet(select)) +
                         int(parser.isSet(apply)) + int(parser.isSet(battery));
    if (commands > 1)
        return invalid(tr("Give one command at a time."));
    if (parser.isSet(slot) && !parser.isSet(apply))
        return invalid(tr("--slot goes with --apply."));
    if (parser.isSet(list)) {
        line.m_Command = List;
        line.m_Arguments = QStringList{"--list"};
    } else if (parser.isSet(battery)) {
        line.m_Command = Battery;
        line.m_Arguments = QStringList{"--battery"};
    } else if (parser.isSet(select)) {
        line.m_iSlot = slotOf(parser.value(select));
        if (line.m_iSlot < 0)
            return invalid(tr("The profile slot is a number from 1 to 5."));
        line.m_Command = SelectProfile;
        line.m_Arguments = QStringList{"--select-profile", parser.value(select)};
    } else if (parser.isSet(apply)) {
        if (parser.isSet(slot)) {
            line.m_iSlot = slotOf(parser.value(slot));
            if (line.m_iSlot < 0)
                return invalid(tr("The profile slot is a number from 1 to 5."));
        }
        line.m_Command = Apply;
        // A running window has another working folder: it gets the whole path.
        line.m_File = QFileInfo(parser.value(apply)).absoluteFilePath();
        line.m_Arguments = QStringList{"--apply", line.m_File};
        if (parser.isSet(slot))
            line.m_Arguments << "--slot" << parser.value(slot);
    }
    return line;
}
