#include "widgets/UserPrompts.h"

#include "widgets/KivoMessageBox.h"

#include <QFileDialog>

namespace {
class DialogPrompts : public UserPrompts
{
protected:
    void showNotice(QWidget* parent, const QString& title, const QString& text,
                    const QString& text2) override
    {
        KivoMessageBox box(KivoMessageBox::Notice, title, text, text2, parent, scale());
        box.exec();
    }
    bool askQuestion(QWidget* parent, const QString& title, const QString& text,
                     const QString& text2) override
    {
        KivoMessageBox box(KivoMessageBox::Question, title, text, text2, parent, scale());
        return box.exec() == 1;
    }
    QString askOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    }
    QString askSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    }
    QStringList askOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) override
    {
        return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
    }
    QString askExistingDirectory(QWidget* parent, const QString& caption,
                                 const QString& dir) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    }
};

DialogPrompts& dialogPrompts()
{
    static DialogPrompts prompts;
    return prompts;
}

UserPrompts*& installedPrompts()
{
    static UserPrompts* prompts = nullptr;
    return prompts;
}

double& promptScale()
{
    static double value = 1.0;
    return value;
}

UserPrompts& current()
{
    UserPrompts* prompts = installedPrompts();
    return prompts ? *prompts : static_cast<UserPrompts&>(dialogPrompts());
}

} // namespace

void UserPrompts::notice(QWidget* parent, const QString& title, const QString& text,
                         const QString& text2)
{
    current().showNotice(parent, title, text, text2);
}

bool UserPrompts::question(QWidget* parent, const QString& title, const QString& text,
                           const QString& text2)
{
    return current().askQuestion(parent, title, text, text2);
}

QString UserPrompts::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter)
{
    return current().askOpenFileName(parent, caption, dir, filter);
}

QString UserPrompts::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter)
{
    return current().askSaveFileName(parent, caption, dir, filter);
}

QStringList UserPrompts::openFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                       const QString& filter)
{
    return current().askOpenFileNames(parent, caption, dir, filter);
}

QString UserPrompts::existingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    return current().askExistingDirectory(parent, caption, dir);
}

QStringList UserPrompts::askOpenFileNames(QWidget* parent, const QString& caption,
                                          const QString& dir, const QString& filter)
{
    const QString one = askOpenFileName(parent, caption, dir, filter);
    return one.isEmpty() ? QStringList() : QStringList{one};
}

QString UserPrompts::askExistingDirectory(QWidget*, const QString&, const QString&)
{
    return QString();
}

void UserPrompts::install(UserPrompts* prompts)
{
    installedPrompts() = prompts;
}
UserPrompts* UserPrompts::installed()
{
    return installedPrompts();
}

void UserPrompts::setScale(double dScale)
{
    if (dScale > 0)
        promptScale() = dScale;
}
double UserPrompts::scale()
{
    return promptScale();
}
