#include "app/commands/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <utility>

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
              "  1  wrong usage, a value the mouse cannot take, a file that cannot be read or\n"
              "     written, is for another mouse or lacks a key, or a change that would leave\n"
              "     the mouse without a click or a usable DPI; nothing is changed then\n"
              "  2  no mouse found (none plugged in, or not the one --device names), or the\n"
              "     mouse does not answer\n"
              "  3  the mouse is there, but this user may not open it\n"
              "  4  writing to the mouse failed, or the running window is busy with it\n");
}

bool CommandLine::needsMouse() const
{
    switch (m_Command) {
    case Battery:
    case SelectProfile:
    case Apply:
    case Set:
        return true;
    default:
        return false;
    }
}

CommandLine CommandLine::parse(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Configures the wireless gaming mouse. Without a command the window opens; a "
           "command is handed to a window that runs already."));
    const QCommandLineOption help({"h", "help"}, tr("Show this help."));
    const QCommandLineOption version({"v", "V", "version"}, tr("Show the version."));
    const QCommandLineOption verbose("verbose", tr("Write the diagnostic lines."));
    const QCommandLineOption hidden(
        "hidden", tr("Open the window in the tray only (the on-screen display and battery still "
                     "work); how the desktop's autostart entry starts it."));
    const QCommandLineOption list("list", tr("List the mice found: index, name, links, battery."));
    const QCommandLineOption battery("battery", tr("Print the battery level and charging."));
    const QCommandLineOption get("get", tr("Print the settings of the active profile slot."));
    const QCommandLineOption json("json", tr("With --list, --battery or --get: print JSON."));
    const QCommandLineOption device(
        "device", tr("The mouse to work on, by its name or index in --list."), "NAME|INDEX");
    const QCommandLineOption select("select-profile", tr("Make profile slot N (1-5) active."), "N");
    const QCommandLineOption apply("apply", tr("Load a profile file into a slot and write it."),
                                   "FILE.prof");
    const QCommandLineOption slot(
        "slot", tr("The slot for --apply (1-5; the active one when absent)."), "N");
    const QCommandLineOption exportProfile(
        "export-profile", tr("Save the active slot's profile to a file."), "FILE.prof");
    const QCommandLineOption dpi(
        "dpi", tr("Set DPI level LEVEL to X (and Y) DPI; may be given for several levels."),
        "LEVEL=X[xY]");
    const QCommandLineOption stage("dpi-stage", tr("Make DPI level N the current one."), "N");
    const QCommandLineOption rate("rate", tr("Set the report rate: 125, 250, 500 or 1000."), "HZ");
    const QCommandLineOption lighting(
        "lighting", tr("Set the lighting effect, by its name in the window (\"FULL LIGHTED\")."),
        "EFFECT");
    const QCommandLineOption colour({"colour", "color"},
                                    tr("Set the colour of the lighting effect."), "RRGGBB");
    const QCommandLineOption button(
        "button",
        tr("Give button N a function, by its name in the window's button menu; keys by name "
           "(4=\"SINGLE KEY:Enter\", 5=\"COMBO KEY:LCtr+C\"). May be given for several "
           "buttons."),
        "N=FUNCTION");
    parser.addOptions({help, version, verbose, hidden, list, battery, get, json, device, select,
                       apply, slot, exportProfile, dpi, stage, rate, lighting, colour, button});

    CommandLine line;
    const auto invalid = [&line](const QString& why) {
        line.m_Command = Invalid;
        line.m_Text = QStringLiteral("mousecfg: %1 %2\n").arg(why, tr("Try 'mousecfg --help'."));
        line.m_Arguments.clear();
        return line;
    };
    if (!parser.parse(QStringList{QStringLiteral("mousecfg")} + args))
        return invalid(parser.errorText());
    line.m_bVerbose = parser.isSet(verbose);
    if (parser.isSet(help)) {
        line.m_Command = Help;
        // The help text needs the application object; a parse before it only decides the mode.
        if (QCoreApplication::instance())
            line.m_Text = parser.helpText() + "\n" + exitCodeText();
        return line;
    }
    if (parser.isSet(version)) {
        line.m_Command = Version;
        line.m_Text = QStringLiteral("mousecfg %1\n").arg(QStringLiteral(MOUSECFG_VERSION));
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return invalid(tr("Unexpected argument: %1").arg(parser.positionalArguments().first()));

    // The setting options make one command together: one write for all of them.
    const auto reading = [&parser, &line](const QCommandLineOption& option,
                                          QString (SettingEdits::*read)(const QString&)) {
        QString why;
        for (const QString& value : parser.values(option)) {
            if (why.isEmpty())
                why = (line.m_Edits.*read)(value);
        }
        return why;
    };
    QString why;
    for (const auto& edit : {std::make_pair(&dpi, &SettingEdits::addDpi),
                             std::make_pair(&stage, &SettingEdits::setStage),
                             std::make_pair(&rate, &SettingEdits::setRate),
                             std::make_pair(&lighting, &SettingEdits::setLighting),
                             std::make_pair(&colour, &SettingEdits::setColour),
                             std::make_pair(&button, &SettingEdits::addButton)}) {
        if (why.isEmpty())
            why = reading(*edit.first, edit.second);
    }
    if (!why.isEmpty())
        return invalid(why);

    const int commands = int(parser.isSet(list)) + int(parser.isSet(select)) +
                         int(parser.isSet(apply)) + int(parser.isSet(battery)) +
                         int(parser.isSet(get)) + int(parser.isSet(exportProfile)) +
                         int(!line.m_Edits.isEmpty());
    if (commands > 1)
        return invalid(tr("Give one command at a time."));
    if (parser.isSet(slot) && !parser.isSet(apply))
        return invalid(tr("--slot goes with --apply."));
    if (parser.isSet(json) && !parser.isSet(list) && !parser.isSet(battery) && !parser.isSet(get))
        return invalid(tr("--json goes with --list, --battery or --get."));
    if (parser.isSet(hidden) && commands != 0)
        return invalid(tr("--hidden goes with no command."));
    line.m_bHidden = parser.isSet(hidden);
    if (parser.isSet(device) && commands == 0)
        return invalid(tr("--device goes with a command."));
    if (parser.isSet(list)) {
        line.m_Command = List;
        line.m_Arguments = QStringList{"--list"};
    } else if (parser.isSet(battery)) {
        line.m_Command = Battery;
        line.m_Arguments = QStringList{"--battery"};
    } else if (parser.isSet(get)) {
        line.m_Command = Get;
        line.m_Arguments = QStringList{"--get"};
    } else if (!line.m_Edits.isEmpty()) {
        line.m_Command = Set;
        line.m_Arguments = line.m_Edits.arguments();
    } else if (parser.isSet(exportProfile)) {
        line.m_Command = ExportProfile;
        // A running window has another working folder: it gets the whole path.
        line.m_File = QFileInfo(parser.value(exportProfile)).absoluteFilePath();
        line.m_Arguments = QStringList{"--export-profile", line.m_File};
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
        line.m_File = QFileInfo(parser.value(apply)).absoluteFilePath();
        line.m_Arguments = QStringList{"--apply", line.m_File};
        if (parser.isSet(slot))
            line.m_Arguments << "--slot" << parser.value(slot);
    }
    line.m_bJson = parser.isSet(json);
    if (line.m_bJson)
        line.m_Arguments << "--json";
    line.m_Device = parser.value(device);
    if (parser.isSet(device))
        line.m_Arguments << "--device" << line.m_Device;
    return line;
}
