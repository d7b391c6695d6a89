#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

class IniKeySet;
class IniWriter;
class QTemporaryFile;

// The one way to open a settings file: nothing else in the program constructs a QSettings. The
// file is checked before QSettings parses it (see IniFileCheck). A damaged file of the
// configuration folder, or one about to be written, is moved aside as
// "<name>.damaged-<date>" and replaced by its sound lines, and the move is recorded in
// SetAsideFiles. A damaged file elsewhere (the installed device description) is
// left alone and read through a private copy of its sound lines.
//
// Reads go through settings(). Writes never do: setValue() and remove() collect the changes and
// save() merges them into what the file holds at that moment, producing the bytes QSettings
// would write (IniWriter), and replaces the file through AtomicFile. A file whose content would
// not change is not written.
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
    // For reading only (groups included); opened on first use. A value set here would reach
    // the file unchecked, so nothing is.
    QSettings& settings() const;
    QSettings* operator->() const { return &settings(); }
    QString path() const { return m_Path; }

    // Kept until save(), or until this object is dropped.
    void setValue(const QString& key, const QVariant& value);
    // The key `i` of `keys`, which must outlive this object.
    void setValue(const IniKeySet& keys, int i, const QVariant& value);
    // Room for this many more keys.
    void reserve(int keys);
    void remove(const QString& key);
    // False when the file could not be replaced; errorString() then tells why and the file is
    // as it was. The changes are dropped either way.
    bool save();
    QString errorString() const { return m_Error; }

    // Moves the damaged file at `path` aside and writes `sound` in its place; false when either
    // step failed (the original then stays where it was, or is restored).
    static bool setAside(const QString& path, const QByteArray& sound, QString* error = nullptr);

private:
    QString m_Path;
    QString m_Usable; // what QSettings reads: the file, or the private copy
    // Declared first so that it outlives the QSettings reading it.
    std::unique_ptr<QTemporaryFile> m_pCopy;
    mutable std::unique_ptr<QSettings> m_pSettings;
    // The calls since the last save, in order; merged with the file's content when it is saved.
    std::unique_ptr<IniWriter> m_pEdits;
    QString m_Error;
    bool m_bOpen = false;
};
