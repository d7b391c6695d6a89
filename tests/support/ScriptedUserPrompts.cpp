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

QStringList ScriptedUserPrompts::column(QString Shown::*field) const
{
    QStringList list;
    for (const Shown& s : m_Shown)
        list.append(s.*field);
    return list;
}

void ScriptedUserPrompts::showNotice(QWidget*, const QString& title, const QString& text,
                                     const QString& text2)
{
    m_Shown.append({Notice, title, text, text2});
}

namespace {
// The next queued answer; with none, the "no" or cancel answer, counted and logged.
template <typename T>
T take(QQueue<T>& answers, int& unanswered, const char* what, const QString& caption)
{
    if (!answers.isEmpty())
        return answers.dequeue();
    ++unanswered;
    qWarning().noquote() << "unscripted" << what << caption;
    return T();
}
} // namespace

bool ScriptedUserPrompts::askQuestion(QWidget*, const QString& title, const QString& text,
                                      const QString& text2)
{
    m_Shown.append({Question, title, text, text2});
    return take(m_Questions, m_iUnanswered, "question:", title + " " + text);
}

int ScriptedUserPrompts::askChoice(QWidget*, const QString& title, const QString& text,
                                   const QString& text2, const QStringList&)
{
    m_Shown.append({Choice, title, text, text2});
    // Unscripted, the box is cancelled.
    return m_Choices.isEmpty() ? (take(m_Choices, m_iUnanswered, "choice:", text), 2)
                               : m_Choices.dequeue();
}

QString ScriptedUserPrompts::askOpenFileName(QWidget*, const QString& caption, const QString& dir,
                                             const QString& filter)
{
    m_Shown.append({OpenFile, caption, dir, filter});
    return take(m_OpenFiles, m_iUnanswered, "open-file dialog:", caption);
}

QString ScriptedUserPrompts::askSaveFileName(QWidget*, const QString& caption, const QString& dir,
                                             const QString& filter)
{
    m_Shown.append({SaveFile, caption, dir, filter});
    return take(m_SaveFiles, m_iUnanswered, "save-file dialog:", caption);
}

QStringList ScriptedUserPrompts::askOpenFileNames(QWidget*, const QString& caption,
                                                  const QString& dir, const QString& filter)
{
    m_Shown.append({OpenFiles, caption, dir, filter});
    return take(m_OpenFileLists, m_iUnanswered, "open-files dialog:", caption);
}

QString ScriptedUserPrompts::askExistingDirectory(QWidget*, const QString& caption,
                                                  const QString& dir)
{
    m_Shown.append({Directory, caption, dir, QString()});
    return take(m_Directories, m_iUnanswered, "folder dialog:", caption);
}
