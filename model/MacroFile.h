#pragma once

#include "model/MacroFileData.h"

#include <QString>
#include <QVector>

struct ButtonAssignment;

// The macro files in the MacroDB folder: one INI file per macro, every key in the group Setting.
// Every operation refuses a name that SafeName refuses and then touches no file.
class MacroFile
{
public:
    // Files above this size are not macro files this program wrote (84 events take a few
    // kilobytes); they are treated as empty macros rather than handed to the INI parser.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    // At most this many events are read from one file, whatever Setting/Count claims.
    static constexpr int kMaxEvents = 4096;

    // configDir + "/MacroDB/" + name + ".MSMACRO", or empty when the name is refused.
    static QString filePath(const QString& name);

    // The editor's save: all options, Count = events.size(), the events, then WriteSign 1.
    // data.path and data.count are not used; the path written is the file's own.
    static bool save(const QString& name, const MacroFileData& data);
    // The list view's save: default options (delay 10, delay mode 1, no loop, loop count 1),
    // the events, and no WriteSign.
    static bool saveEventList(const QString& name, const QVector<MacroEvent>& events);

    // A missing, refused, oversized or damaged file loads as an empty macro (every value 0).
    // A file is damaged when it cannot be parsed or when one of the events below its count
    // lacks a key; Setting/Count above kMaxEvents reads only the first kMaxEvents events.
    static MacroFileData load(const QString& name);

    static bool exists(const QString& name);
    // Removes the file when it exists; false when the name is refused or the removal failed.
    static bool remove(const QString& name);
    // Renames the file of oldName when it exists. Refused (false, nothing changed) when a file
    // of newName exists already or either name is refused.
    static bool rename(const QString& oldName, const QString& newName);

    // True when Setting/WriteSign is 1 (the macro was saved since it was last sent); then 0 is
    // written back so the next write does not send it again. A missing, oversized or refused
    // file yields false and nothing is created.
    static bool takeWriteSign(const QString& name);

    // Copies the events into the button's event list (byte 0 Map, byte 1 DataL, byte 2 DataH)
    // and sets KeyNumber to the number copied, at most the 84 entries the list holds. Entries
    // behind that number keep their contents. Returns the number copied.
    static int copyIntoButton(const MacroFileData& data, ButtonAssignment& button);

private:
    static bool isLoadable(const QString& path);
    static bool write(const QString& name, const MacroFileData& data, bool writeSign);
};
