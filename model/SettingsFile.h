#pragma once

#include <QSettings>
#include <QString>

#include <memory>

class QTemporaryFile;

// The one way to open a settings file: nothing else in the program constructs a QSettings. The
// file is checked before QSettings parses it (see IniFileCheck). A damaged file of the
// configuration folder, or one about to be written, is moved aside as
// "<name>.damaged-<date>" and replaced by its sound lines, and the move is recorded in
// SetAsideFiles. A damaged file elsewhere (the installed device description) is
// left alone and read through a private copy of its sound lines.
class SettingsFile
{
public:
    enum Mode
    {
        Read,
        Write
    };

    explicit SettingsFile(const QString& path, Mode mode = Read);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // False when `path` is no file that can be used (a folder, a device, a file that could not be
    // set aside); reads then find no key, and nothing must be written.
    bool isOpen() const { return m_bOpen; }
    QSettings& settings() { return *m_pSettings; }
    const QSettings& settings() const { return *m_pSettings; }
    QSettings* operator->() { return m_pSettings.get(); }
    const QSettings* operator->() const { return m_pSettings.get(); }

    // Moves the damaged file at `path` aside and writes `sound` in its place; false when either
    // step failed (the original then stays where it was, or is restored).
    static bool setAside(const QString& path, const QByteArray& sound);

private:
    // Declared first so that it outlives the QSettings reading it.
    std::unique_ptr<QTemporaryFile> m_pCopy;
    std::unique_ptr<QSettings> m_pSettings;
    bool m_bOpen = false;
};
