#include "TestAppFolder.h"

#include "model/AppPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
bool copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + "/" + QDir(from).relativeFilePath(src);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(dst);
        } else {
            QDir().mkpath(QFileInfo(dst).path());
            if (!QFile::copy(src, dst))
                return false;
            QFile(dst).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    return true;
}
} // namespace

QString TestAppFolder::sampleDir(const QString& model)
{
    return QStringLiteral(MOUSECFG_DATA_DIR) + "/" + model;
}

TestAppFolder::TestAppFolder(const QString& model)
{
    m_valid = m_dir.isValid() && copyTree(sampleDir(model), m_dir.path());
    AppPaths::setAppDir(m_dir.path());
}

TestAppFolder::~TestAppFolder()
{
    AppPaths::setAppDir(QString());
}
