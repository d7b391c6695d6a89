#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away application folder laid out from one of the sample installations under data/.
// While it lives, AppPaths points at it; the destructor points AppPaths back and removes it.
class TestAppFolder
{
public:
    explicit TestAppFolder(const QString& model = QStringLiteral("hornbeam"));
    ~TestAppFolder();

    QString path() const { return m_dir.path(); }
    bool isValid() const { return m_valid; }
    static QString sampleDir(const QString& model);

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};
