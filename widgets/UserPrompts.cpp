#include "widgets/UserPrompts.h"

#include "model/AppSettings.h"
#include "widgets/KivoMessageBox.h"
#include "widgets/SkinFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

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
    int askChoice(QWidget* parent, const QString& title, const QString& text, const QString& text2,
                  const QStringList& answers) override
    {
        KivoMessageBox box(KivoMessageBox::Choice, title, text, text2, parent, scale(), answers);
        const int code = box.exec();
        return code == 1 ? 0 : code == 2 ? 1 : 2;
    }
    QString askOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override
    {
        SkinFileDialog dialog(parent, caption, dir, filter, scale());
        dialog.setFileMode(QFileDialog::ExistingFile);
        return dialog.run().value(0);
    }
    QString askSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override
    {
        SkinFileDialog dialog(parent, caption, dir, filter, scale());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        return dialog.run().value(0);
    }
    QStringList askOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) override
    {
        SkinFileDialog dialog(parent, caption, dir, filter, scale());
        dialog.setFileMode(QFileDialog::ExistingFiles);
        return dialog.run();
    }
    QString askExistingDirectory(QWidget* parent, const QString& caption,
                                 const QString& dir) override
    {
        SkinFileDialog dialog(parent, caption, dir, QString(), scale());
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        return dialog.run().value(0);
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

QString startFolder(const QString& dir, const QString& kind)
{
    if (!dir.isEmpty())
        return dir;
    const QString last = AppSettings::lastFolder(kind);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberFolder(const QString& file, const QString& kind)
{
    if (!file.isEmpty())
        AppSettings::setLastFolder(kind, QFileInfo(file).absolutePath());
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

int UserPrompts::choice(QWidget* parent, const QString& title, const QString& text,
                        const QString& text2, const QStringList& answers)
{
    const int answer = current().askChoice(parent, title, text, text2, answers);
    return answer == 0 || answer == 1 ? answer : 2;
}

QString UserPrompts::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter)
{
    const QString kind = filterSuffix(filter).toLower();
    const QString file = current().askOpenFileName(parent, caption, startFolder(dir, kind), filter);
    rememberFolder(file, kind);
    return file;
}

QString UserPrompts::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter)
{
    const QString suffix = filterSuffix(filter);
    const QString kind = suffix.toLower();
    QString file = current().askSaveFileName(parent, caption, startFolder(dir, kind), filter);
    if (file.isEmpty())
        return file;
    // Without its suffix the file would not be listed by the matching open dialog.
    if (!suffix.isEmpty() && QFileInfo(file).suffix().isEmpty()) {
        file += QLatin1Char('.') + suffix;
        // The dialog asked about the name as typed, not about this one.
        if (QFileInfo::exists(file) &&
            !question(parent, QCoreApplication::translate("UserPrompts", "Warning"),
                      QCoreApplication::translate("UserPrompts",
                                                  "%1 already exists. Do you want to replace it?")
                          .arg(QFileInfo(file).fileName())))
            return QString();
    }
    rememberFolder(file, kind);
    return file;
}

QString UserPrompts::filterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9_]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QStringList UserPrompts::openFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                       const QString& filter)
{
    const QString kind = filterSuffix(filter).toLower();
    const QStringList files =
        current().askOpenFileNames(parent, caption, startFolder(dir, kind), filter);
    if (!files.isEmpty())
        rememberFolder(files.first(), kind);
    return files;
}

QString UserPrompts::existingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    const QString kind = QStringLiteral("folder");
    const QString folder = current().askExistingDirectory(parent, caption, startFolder(dir, kind));
    if (!folder.isEmpty())
        AppSettings::setLastFolder(kind, folder);
    return folder;
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
