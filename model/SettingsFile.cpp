#include "model/SettingsFile.h"

#include "model/AppPaths.h"
#include "model/IniFileCheck.h"
#include "model/SetAsideFiles.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>
#include <QTemporaryFile>

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

bool writeWhole(const QString& path, const QByteArray& data)
{
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(data) == data.size() && out.commit();
}
} // namespace

bool SettingsFile::setAside(const QString& path, const QByteArray& sound)
{
    const QString kept = keptName(path);
    if (kept.isEmpty() || !QFile::rename(path, kept)) {
        qDebug() << "damaged settings file could not be moved aside:" << path;
        return false;
    }
    if (!writeWhole(path, sound)) {
        qDebug() << "salvaged settings could not be written:" << path;
        QFile::rename(kept, path);
        return false;
    }
    qDebug() << "damaged settings file moved aside:" << path << "->" << kept;
    SetAsideFiles::record(path, kept);
    return true;
}

SettingsFile::SettingsFile(const QString& path, Mode mode)
{
    QString usable = path;
    {
        const QMutexLocker lock(&repairMutex());
        QByteArray content;
        switch (IniFileCheck::inspect(path, &content)) {
        case IniFileCheck::Verdict::Missing:
        case IniFileCheck::Verdict::Sound:
            m_bOpen = true;
            break;
        case IniFileCheck::Verdict::Unopenable:
            // Ours, it would be lost to the next save: it is kept aside as a damaged one is.
            // Elsewhere QSettings fails on it as on any file it cannot open.
            if (isInConfigDir(path) && setAside(path, installedCopy(path)))
                m_bOpen = true;
            else
                m_bOpen = mode == Read;
            break;
        case IniFileCheck::Verdict::NotAFile:
            break;
        case IniFileCheck::Verdict::Damaged: {
            const QByteArray sound = IniFileCheck::salvage(content, IniFileCheck::limitsFor(path));
            if ((mode == Write || isInConfigDir(path)) && setAside(path, sound)) {
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
    m_pSettings = std::make_unique<QSettings>(usable, QSettings::IniFormat);
}

SettingsFile::~SettingsFile() = default;
