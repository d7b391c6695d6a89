#pragma once

#include <QString>
#include <QStringList>

// Starts programs that live on after us (the on-screen display, the firmware updater). Virtual
// so that callers can be tested without starting anything.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;

    // True when the program was started. The working folder is the program's own folder.
    virtual bool startDetached(const QString& program, const QStringList& args = QStringList());

    // `relativePath` beside the executable (AppPaths::programDir()) when it is there, else under
    // the application folder (AppPaths::appDir()).
    static QString inAppFolder(const QString& relativePath);
};
