#include "model/SettingsFile.h"

#include "model/AppPaths.h"
#include "model/AtomicFile.h"
#include "model/IniFileCheck.h"
#include "model/IniWriter.h"
#include "model/SetAsideFiles.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QTemporaryFile>

#include <cerrno>

namespace {
// Two threads may meet at the same damaged file (the writer saves Config.ini); one sets it aside.
QMutex& repairMutex()
{
    static QMutex m;
    return m;
}

bool isInConfigDir(const QString& path)
{
    const QString dir = QDir::cleanPath(QFileInfo(AppPaths::configDir()).absoluteFilePath());
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return file.startsWith(dir + QLatin1Char('/'));
}

// A name no earlier damaged copy holds: those are kept, never overwritten.
QString keptName(const QString& path)
{
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) && n < 1000; ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return QFileInfo::exists(name) ? QString() : name;
}

// What stands in for a file of the configuration folder that this user cannot read: the
// installation's copy of it, where there is one apart from it, else nothing.
QByteArray installedCopy(const QString& path)
{
    const QString relative = QDir(AppPaths::configDir()).relativeFilePath(path);
    const QString copy = AppPaths::defaultConfigDir() + QLatin1Char('/') + relative;
    QByteArray content;
    if (QFileInfo(copy).canonicalFilePath() != QFileInfo(path).canonicalFilePath() &&
        IniFileCheck::inspect(copy, &content) == IniFileCheck::Verdict::Sound)
        return content;
    return QByteArray();
}

// A save reads the file, merges and replaces it; two at once in this process would lose one.
QMutex& saveMutex()
{
    static QMutex m;
    return m;
}
} // namespace

bool SettingsFile::setAside(const QString& path, const QByteArray& sound, QString* error)
{
    const QString kept = keptName(path);
    if (kept.isEmpty() || !QFile::rename(path, kept)) {
        qDebug() << "damaged settings file could not be moved aside:" << path;
        if (error)
            *error = qt_error_string(EACCES);
        return false;
    }
    if (!AtomicFile::write(path, sound, error)) {
        qDebug() << "salvaged settings could not be written:" << path;
        QFile::rename(kept, path);
        return false;
    }
    IniFileCheck::markSound(path);
    qDebug() << "damaged settings file moved aside:" << path << "->" << kept;
    SetAsideFiles::record(path, kept);
    return true;
}

SettingsFile::SettingsFile(const QString& path, Mode mode) : m_Path(path)
{
    QString usable = path;
    {
        const QMutexLocker lock(&repairMutex());
        QByteArray content;
        // The content is read only when it is needed: to salvage from.
        IniFileCheck::Verdict verdict = IniFileCheck::inspect(path);
        if (verdict == IniFileCheck::Verdict::Damaged)
            verdict = IniFileCheck::inspect(path, &content);
        switch (verdict) {
        case IniFileCheck::Verdict::Sound:
            m_bOpen = true;
            break;
        case IniFileCheck::Verdict::Missing:
            m_bOpen = true;
            break;
        case IniFileCheck::Verdict::Unopenable:
            // Ours, it would be lost to the next save: it is kept aside as a damaged one is.
            // Elsewhere QSettings fails on it as on any file it cannot open.
            if (const QByteArray copy = installedCopy(path);
                isInConfigDir(path) && setAside(path, copy, &m_Error)) {
                m_bOpen = true;
            } else
                m_bOpen = mode == Read;
            break;
        case IniFileCheck::Verdict::NotAFile:
            break;
        case IniFileCheck::Verdict::Damaged: {
            const QByteArray sound = IniFileCheck::salvage(content, IniFileCheck::limitsFor(path));
            if ((mode == Write || isInConfigDir(path)) && setAside(path, sound, &m_Error)) {
                m_bOpen = true;
            } else if (mode == Read) {
                m_pCopy = std::make_unique<QTemporaryFile>();
                m_bOpen =
                    m_pCopy->open() && m_pCopy->write(sound) == sound.size() && m_pCopy->flush();
                usable = m_pCopy->fileName();
            }
            break;
        }
        }
    }
    if (!m_bOpen) {
        // QSettings must not open a folder or a device; it gets an empty private file instead.
        m_pCopy = std::make_unique<QTemporaryFile>();
        m_pCopy->open();
        usable = m_pCopy->fileName();
    }
    m_Usable = usable;
}

SettingsFile::~SettingsFile()
{
    if (m_pEdits && !save())
        qDebug() << "settings not saved:" << m_Path << m_Error;
}

QSettings& SettingsFile::settings() const
{
    if (!m_pSettings)
        m_pSettings = std::make_unique<QSettings>(m_Usable, QSettings::IniFormat);
    return *m_pSettings;
}

void SettingsFile::setValue(const QString& key, const QVariant& value)
{
    if (!m_pEdits)
        m_pEdits = std::make_unique<IniWriter>();
    m_pEdits->setValue(key, value);
}

void SettingsFile::setValue(const IniKeySet& keys, int i, const QVariant& value)
{
    if (!m_pEdits)
        m_pEdits = std::make_unique<IniWriter>();
    m_pEdits->setValue(keys, i, value);
}

void SettingsFile::reserve(int keys)
{
    if (!m_pEdits)
        m_pEdits = std::make_unique<IniWriter>();
    m_pEdits->reserve(keys);
}

void SettingsFile::remove(const QString& key)
{
    if (!m_pEdits)
        m_pEdits = std::make_unique<IniWriter>();
    m_pEdits->remove(key);
}

bool SettingsFile::save()
{
    const std::unique_ptr<IniWriter> writer = std::move(m_pEdits);
    if (!writer)
        return true;
    if (!m_bOpen) {
        // Why it could not be opened, or set aside when damaged.
        if (m_Error.isEmpty())
            m_Error = qt_error_string(QFileInfo(m_Path).isDir() ? EISDIR : EACCES);
        return false;
    }
    m_Error.clear();
    const QMutexLocker lock(&saveMutex());
    // Read as it is now, and checked again unless it is known to be unchanged since it was
    // checked or written here: something else may have written to it since it was opened.
    QByteArray existing;
    const IniFileCheck::Verdict verdict = IniFileCheck::inspect(m_Path, &existing);
    const bool exists = verdict != IniFileCheck::Verdict::Missing;
    if (verdict == IniFileCheck::Verdict::Unopenable ||
        verdict == IniFileCheck::Verdict::NotAFile) {
        QFile file(m_Path);
        if (verdict == IniFileCheck::Verdict::NotAFile)
            m_Error = qt_error_string(EISDIR);
        else
            m_Error = file.open(QIODevice::ReadOnly) ? qt_error_string(EACCES) : file.errorString();
        return false;
    }
    if (verdict == IniFileCheck::Verdict::Damaged) {
        const QMutexLocker repair(&repairMutex());
        existing = IniFileCheck::salvage(existing, IniFileCheck::limitsFor(m_Path));
        if (!setAside(m_Path, existing, &m_Error))
            return false;
    }
    writer->rebase(existing);
    if (!writer->hasChanges())
        return true;
    const QByteArray bytes = writer->toBytes();
    if (exists && bytes == existing)
        return true;
    if (!AtomicFile::write(m_Path, bytes, &m_Error))
        return false;
    // Sound as written: the keys and values of sound text and the caller's, escaped.
    IniFileCheck::markSound(m_Path);
    return true;
}
