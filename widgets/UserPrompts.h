#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The one way the program asks the user something or tells them something: message boxes and
// file dialogs all go through here. The real implementation shows KivoMessageBox and the file
// dialogs; a test installs its own that answers from a script and records what was asked.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    static void notice(QWidget* parent, const QString& title, const QString& text,
                       const QString& text2 = QString());
    // true for "Yes".
    static bool question(QWidget* parent, const QString& title, const QString& text,
                         const QString& text2 = QString());
    // Three `answers`, the last of which cancels: gives 0 or 1 for the first two, 2 for the last
    // and for a box closed without an answer.
    static int choice(QWidget* parent, const QString& title, const QString& text,
                      const QString& text2, const QStringList& answers);
    // Empty when the user cancels. An empty `dir` opens the folder last used for the filter's
    // kind of file (its first "*.suffix"), else the user's documents folder; the folder of a
    // chosen file is remembered for the next dialog of that kind.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter);
    // A name typed without a suffix gets the filter's; when that completed name exists already
    // the user is asked before it is replaced (No cancels).
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter);
    // Several files at once; empty when the user cancels. Folders as for openFileName.
    static QStringList openFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                     const QString& filter);
    // An existing folder; empty when the user cancels. An empty `dir` opens the last one chosen.
    static QString existingDirectory(QWidget* parent, const QString& caption, const QString& dir);

    // The first "*.suffix" of a dialog filter ("Config File(*.conf)" gives "conf"), else empty.
    static QString filterSuffix(const QString& filter);

    // Puts another implementation in charge; nullptr goes back to the real dialogs. The caller
    // keeps ownership and must uninstall before destroying it.
    static void install(UserPrompts* prompts);
    static UserPrompts* installed();

    // UI scale of the message boxes, set by the main window once it knows the screen.
    static void setScale(double dScale);
    static double scale();

protected:
    virtual void showNotice(QWidget* parent, const QString& title, const QString& text,
                            const QString& text2) = 0;
    virtual bool askQuestion(QWidget* parent, const QString& title, const QString& text,
                             const QString& text2) = 0;
    virtual int askChoice(QWidget* parent, const QString& title, const QString& text,
                          const QString& text2, const QStringList& answers) = 0;
    virtual QString askOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) = 0;
    virtual QString askSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) = 0;
    // Implementations that predate these two get a single-file answer and no folder.
    virtual QStringList askOpenFileNames(QWidget* parent, const QString& caption,
                                         const QString& dir, const QString& filter);
    virtual QString askExistingDirectory(QWidget* parent, const QString& caption,
                                         const QString& dir);
};
