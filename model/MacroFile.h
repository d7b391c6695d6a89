#pragma once

#include <QString>

// The macro files in the MacroDB folder: one INI file per macro, every key in the group Setting.
class MacroFile
{
public:
    // Files above this size are not macro files this program wrote (84 events take a few
    // kilobytes); they are treated as empty macros rather than handed to the INI parser.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    // configDir + "/MacroDB/" + name + ".MSMACRO", or empty when the name is refused.
    static QString filePath(const QString& name);

    // True when Setting/WriteSign is 1 (the macro was saved since it was last sent); then 0 is
    // written back so the next write does not send it again. A missing, oversized or refused
    // file yields false and nothing is created.
    static bool takeWriteSign(const QString& name);

private:
    static bool isLoadable(const QString& path);
};
