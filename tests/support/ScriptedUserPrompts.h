#pragma once

#include "widgets/UserPrompts.h"

#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVector>

// Stands in for the user while it lives: answers questions and file dialogs from queued
// answers, in order, and records every box and dialog the code asked for. A question or file
// dialog with no queued answer is answered No / cancelled and counted as unexpected.
class ScriptedUserPrompts : public UserPrompts
{
public:
    enum Kind
    {
        Notice,
        Question,
        Choice,
        OpenFile,
        SaveFile,
        OpenFiles,
        Directory
    };
    struct Shown
    {
        Kind kind;
        QString title; // caption of a file dialog
        QString text;  // folder of a file dialog
        QString text2; // filter of a file dialog
    };

    ScriptedUserPrompts(); // installs itself
    ~ScriptedUserPrompts() override;

    void answerQuestion(bool bYes) { m_Questions.enqueue(bYes); }
    void answerChoice(int iAnswer) { m_Choices.enqueue(iAnswer); }          // 0, 1, or 2 to cancel
    void answerOpenFile(const QString& path) { m_OpenFiles.enqueue(path); } // empty: cancel
    void answerSaveFile(const QString& path) { m_SaveFiles.enqueue(path); }
    void answerOpenFiles(const QStringList& paths) { m_OpenFileLists.enqueue(paths); }
    void answerDirectory(const QString& path) { m_Directories.enqueue(path); }

    const QVector<Shown>& shown() const { return m_Shown; }
    QStringList titles() const { return column(&Shown::title); }
    QStringList texts() const { return column(&Shown::text); } // first text line of every box
    int unansweredCount() const { return m_iUnanswered; }

protected:
    void showNotice(QWidget* parent, const QString& title, const QString& text,
                    const QString& text2) override;
    bool askQuestion(QWidget* parent, const QString& title, const QString& text,
                     const QString& text2) override;
    int askChoice(QWidget* parent, const QString& title, const QString& text, const QString& text2,
                  const QStringList& answers) override;
    QString askOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    QString askSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    QStringList askOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) override;
    QString askExistingDirectory(QWidget* parent, const QString& caption,
                                 const QString& dir) override;

private:
    QStringList column(QString Shown::*field) const;

    UserPrompts* m_pPrevious = nullptr;
    QVector<Shown> m_Shown;
    QQueue<bool> m_Questions;
    QQueue<int> m_Choices;
    QQueue<QString> m_OpenFiles;
    QQueue<QString> m_SaveFiles;
    QQueue<QStringList> m_OpenFileLists;
    QQueue<QString> m_Directories;
    int m_iUnanswered = 0;
};
