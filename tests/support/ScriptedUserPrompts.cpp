#include "ScriptedUserPrompts.h"

#include <QDebug>

ScriptedUserPrompts::ScriptedUserPrompts() : m_pPrevious(UserPrompts::installed())
{
    UserPrompts::install(this);
}

ScriptedUserPrompts::~ScriptedUserPrompts()
{
    UserPrompts::install(m_pPrevious);
}

void ScriptedUserPrompts::answerQuestion(bool bYes)
{
    m_Questions.enqueue(bYes);
}
void ScriptedUserPrompts::answerOpenFile(const QString& path)
{
    m_OpenFiles.enqueue(path);
}
void ScriptedUserPrompts::answerSaveFile(const QString& path)
{
    m_SaveFiles.enqueue(path);
}

void ScriptedUserPrompts::answerOpenFiles(const QStringList& paths)
{
    m_OpenFileLists.enqueue(paths);
}
void ScriptedUserPrompts::answerDirectory(const QString& path)
{
    m_Directories.enqueue(path);
}

QStringList ScriptedUserPrompts::titles() const
{
    QStringList list;
    for (const Shown& s : m_Shown)
        list.append(s.title);
    return list;
}

QStringList ScriptedUserPrompts::texts() const
{
    QStringList list;
    for (const Shown& s : m_Shown)
        list.append(s.text);
    return list;
}

int ScriptedUserPrompts::pendingAnswers() const
{
    return m_Questions.size() + m_OpenFiles.size() + m_SaveFiles.size() + m_OpenFileLists.size() +
           m_Directories.size();
}

void ScriptedUserPrompts::showNotice(QWidget*, const QString& title, const QString& text,
                                     const QString& text2)
{
    m_Shown.append({Notice, title, text, text2});
}

bool ScriptedUserPrompts::askQuestion(QWidget*, const QString& title, const QString& text,
                                      const QString& text2)
{
    m_Shown.append({Question, title, text, text2});
    if (m_Questions.isEmpty()) {
        ++m_iUnanswered;
        qWarning() << "unscripted question:" << title << text;
        return false;
    }
    return m_Questions.dequeue();
}

QString ScriptedUserPrompts::askOpenFileName(QWidget*, const QString& caption, const QString& dir,
                                             const QString& filter)
{
    m_Shown.append({OpenFile, caption, dir, filter});
    if (m_OpenFiles.isEmpty()) {
        ++m_iUnanswered;
        qWarning() << "unscripted open-file dialog:" << caption;
        return QString();
    }
    return m_OpenFiles.dequeue();
}

QString ScriptedUserPrompts::askSaveFileName(QWidget*, const QString& caption, const QString& dir,
                                             const QString& filter)
{
    m_Shown.append({SaveFile, caption, dir, filter});
    if (m_SaveFiles.isEmpty()) {
        ++m_iUnanswered;
        qWarning() << "unscripted save-file dialog:" << caption;
        return QString();
    }
    return m_SaveFiles.dequeue();
}

QStringList ScriptedUserPrompts::askOpenFileNames(QWidget*, const QString& caption,
                                                  const QString& dir, const QString& filter)
{
    m_Shown.append({OpenFiles, caption, dir, filter});
    if (m_OpenFileLists.isEmpty()) {
        ++m_iUnanswered;
        qWarning() << "unscripted open-files dialog:" << caption;
        return QStringList();
    }
    return m_OpenFileLists.dequeue();
}

QString ScriptedUserPrompts::askExistingDirectory(QWidget*, const QString& caption,
                                                  const QString& dir)
{
    m_Shown.append({Directory, caption, dir, QString()});
    if (m_Directories.isEmpty()) {
        ++m_iUnanswered;
        qWarning() << "unscripted folder dialog:" << caption;
        return QString();
    }
    return m_Directories.dequeue();
}
