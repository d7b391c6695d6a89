#include "macro/MacroFileActions.h"

#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "model/AtomicFile.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"
#include "model/SafeName.h"
#include "widgets/UserPrompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const char* const kExists = QT_TRANSLATE_NOOP("MacroFileActions", "Macro Exist!");
const char* const kInvalidName = QT_TRANSLATE_NOOP("MacroFileActions", "Invalid Macro Name!");
const char* const kSaveFailed = QT_TRANSLATE_NOOP("MacroFileActions", "Save Macro File Failed!");
const char* const kImportFailed =
    QT_TRANSLATE_NOOP("MacroFileActions", "Import Macro File Failed!");
const char* const kExportFailed =
    QT_TRANSLATE_NOOP("MacroFileActions", "Export Macro File Failed!");
// Keeps the list of names in a message to a readable length.
constexpr int kNamesShown = 5;

QString someNames(const QStringList& names)
{
    QStringList shown = names.mid(0, kNamesShown);
    if (names.size() > kNamesShown)
        shown.append(QStringLiteral("..."));
    return shown.join(QStringLiteral(", "));
}
} // namespace

void MacroFileActions::warn(const char* text, const QString& text2) const
{
    UserPrompts::notice(m_pParent, tr("Warning"), tr(text), text2);
}

void MacroFileActions::warnTooMany() const
{
    UserPrompts::notice(m_pParent, tr(MacroList::kTooManyTitle), tr(MacroList::kTooManyText));
}

bool MacroFileActions::checkRoom() const
{
    if (MacroList::count() < MacroList::kSlotCount)
        return true;
    warnTooMany();
    return false;
}

QString MacroFileActions::createNew() const
{
    const MacroList::CreateResult result = MacroList::create();
    if (result.status == MacroList::CreateStatus::TooMany)
        warnTooMany();
    else if (result.status == MacroList::CreateStatus::Failed)
        warn(kSaveFailed);
    return result.name;
}

bool MacroFileActions::save(const QString& name, const MacroFileData& data) const
{
    if (!SafeName::isValid(name)) {
        warn(kInvalidName, name);
        return false;
    }
    if (MacroFile::save(name, data))
        return true;
    warn(kSaveFailed, name);
    return false;
}

bool MacroFileActions::mayLeave(const QString& name, bool bModified,
                                const std::function<void()>& save) const
{
    if (!bModified)
        return true;
    const int answer = UserPrompts::choice(
        m_pParent, tr("Warning"), tr("The macro %1 has rows that are not saved.").arg(name),
        QString(), {tr("SAVE"), tr("Discard"), tr("Cancel")});
    if (answer == 0)
        save();
    return answer != 2;
}

void MacroFileActions::remove(const QString& name) const
{
    MacroList::remove(name);
    MacroFile::remove(name);
}

bool MacroFileActions::rename(const QString& oldName, const QString& newName) const
{
    if (newName == oldName)
        return false;
    if (!SafeName::isValid(newName)) {
        warn(kInvalidName, newName);
        return false;
    }
    if (MacroFile::exists(newName) || MacroList::contains(newName)) {
        warn(kExists, newName);
        return false;
    }
    if (MacroList::rename(oldName, newName))
        return true;
    warn(kSaveFailed, newName);
    return false;
}

MacroFileActions::Refusal MacroFileActions::checkImportName(const QString& name)
{
    if (!SafeName::isValid(name))
        return InvalidName;
    if (MacroFile::exists(name) || MacroList::contains(name))
        return Exists;
    if (MacroList::count() >= MacroList::kSlotCount)
        return Full;
    return Accepted;
}

bool MacroFileActions::copyOver(const QString& from, const QString& to)
{
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath())
        return QFileInfo(from).isFile();
    // The user agreed to replace the target in the file dialog; it is replaced whole or not at
    // all, never removed before its replacement is complete.
    return AtomicFile::copy(from, to);
}

QString MacroFileActions::importOne() const
{
    const QString path =
        UserPrompts::openFileName(m_pParent, tr("Load Macro File"), QString(), tr(kFileFilter));
    if (path.isEmpty())
        return QString();
    const QString name = QFileInfo(path).completeBaseName();
    switch (checkImportName(name)) {
    case InvalidName:
        warn(kInvalidName, name);
        return QString();
    case Exists:
        warn(kExists, name);
        return QString();
    case Full:
        warnTooMany();
        return QString();
    case Accepted:
        break;
    }
    QDir().mkpath(AppPaths::macroDir());
    const QString target = MacroFile::filePath(name);
    if (!AtomicFile::copy(path, target)) {
        warn(kImportFailed, name);
        return QString();
    }
    if (!MacroList::add(name)) {
        QFile::remove(target);
        warnTooMany();
        return QString();
    }
    return name;
}

QStringList MacroFileActions::importMany() const
{
    const QStringList paths =
        UserPrompts::openFileNames(m_pParent, tr("Load Macro File"), QString(), tr(kFileFilter));
    QStringList imported, existing, invalid, failed;
    bool bFull = false;
    QDir().mkpath(AppPaths::macroDir());
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).completeBaseName();
        const Refusal refusal = checkImportName(name);
        if (refusal == InvalidName) {
            invalid.append(name);
        } else if (refusal == Exists) {
            // Never replaced: the macro of that name may hold the user's own work.
            existing.append(name);
        } else if (refusal == Full) {
            bFull = true;
            break;
        } else if (!AtomicFile::copy(path, MacroFile::filePath(name))) {
            failed.append(name);
        } else if (!MacroList::add(name)) {
            QFile::remove(MacroFile::filePath(name));
            bFull = true;
            break;
        } else {
            imported.append(name);
        }
    }
    if (!existing.isEmpty())
        warn(kExists, someNames(existing));
    if (!invalid.isEmpty())
        warn(kInvalidName, someNames(invalid));
    if (!failed.isEmpty())
        warn(kImportFailed, someNames(failed));
    if (bFull)
        warnTooMany();
    return imported;
}

bool MacroFileActions::exportOne(const QString& name) const
{
    const QString source = MacroFile::filePath(name);
    if (source.isEmpty())
        return false;
    const QString target =
        UserPrompts::saveFileName(m_pParent, tr("Save Macro File"),
                                  QDir::homePath() + "/" + name + ".MSMACRO", tr(kFileFilter));
    if (target.isEmpty())
        return false;
    if (copyOver(source, target))
        return true;
    warn(kExportFailed, name);
    return false;
}

bool MacroFileActions::exportMany(const QStringList& names) const
{
    if (names.isEmpty())
        return false;
    const QString folder =
        UserPrompts::existingDirectory(m_pParent, tr("Save Macro File"), QString());
    if (folder.isEmpty())
        return false;
    QStringList failed;
    for (const QString& name : names) {
        const QString source = MacroFile::filePath(name);
        if (source.isEmpty() || !copyOver(source, folder + "/" + name + ".MSMACRO"))
            failed.append(name);
    }
    if (failed.isEmpty())
        return true;
    warn(kExportFailed, someNames(failed));
    return false;
}

QString MacroFileActions::freeName(const QString& name)
{
    auto taken = [](const QString& n) { return MacroFile::exists(n) || MacroList::contains(n); };
    if (!taken(name))
        return name;
    for (int n = 2;; ++n) {
        const QString candidate = name + QString::asprintf("_%d", n);
        if (!taken(candidate))
            return candidate;
    }
}

QString MacroFileActions::saveGunFile(const QString& name, const QVector<MacroEvent>& rows) const
{
    if (!SafeName::isValid(name) || name.size() > kMaxGunNameLength) {
        warn(kInvalidName, name);
        return QString();
    }
    if (!checkRoom())
        return QString();
    const QString used = freeName(name);
    MacroFileData data = MacroFileData::newMacro();
    data.delayType = 1;
    data.events = rows;
    if (!save(used, data))
        return QString();
    if (!MacroList::add(used)) {
        MacroFile::remove(used);
        warnTooMany();
        return QString();
    }
    return used;
}
