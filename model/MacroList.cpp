#include "model/MacroList.h"

#include "model/AppPaths.h"
#include "model/MacroFile.h"
#include "model/SafeName.h"
#include "model/SettingsFile.h"

#include <QDebug>

namespace {
// Enough for any folder a user could fill by hand; the search must end somewhere.
constexpr int kMaxNameNumber = 100000;
} // namespace

QString MacroList::slotKey(int i)
{
    return QStringLiteral("MACRO_LIST/%1").arg(i);
}

int MacroList::findSlot(const QStringList& texts, const QString& name)
{
    return texts.indexOf(name);
}

QStringList MacroList::slotTexts()
{
    const SettingsFile settings(AppPaths::configIni());
    QStringList texts;
    texts.reserve(kSlotCount);
    for (int i = 0; i < kSlotCount; ++i)
        texts.append(settings->value(slotKey(i)).toString());
    return texts;
}

int MacroList::count()
{
    return names().size();
}

QStringList MacroList::names()
{
    QStringList result;
    for (const QString& text : slotTexts()) {
        if (!text.isEmpty())
            result.append(text);
    }
    return result;
}

bool MacroList::contains(const QString& name)
{
    return !name.isEmpty() && slotTexts().contains(name);
}

bool MacroList::add(const QString& name)
{
    if (!SafeName::isValid(name)) {
        qDebug() << "macro name refused:" << name;
        return false;
    }
    const int free = findSlot(slotTexts(), QString());
    if (free < 0)
        return false;
    SettingsFile settings(AppPaths::configIni(), SettingsFile::Write);
    if (!settings.isOpen())
        return false;
    settings.setValue(slotKey(free), name);
    return settings.save();
}

bool MacroList::remove(const QString& name)
{
    if (name.isEmpty())
        return false;
    const int slot = findSlot(slotTexts(), name);
    if (slot < 0)
        return false;
    SettingsFile settings(AppPaths::configIni(), SettingsFile::Write);
    if (!settings.isOpen())
        return false;
    settings.setValue(slotKey(slot), QString());
    return settings.save();
}

bool MacroList::rename(const QString& oldName, const QString& newName)
{
    if (!SafeName::isValid(oldName) || !SafeName::isValid(newName)) {
        qDebug() << "macro name refused:" << oldName << newName;
        return false;
    }
    if (!MacroFile::rename(oldName, newName))
        return false;
    const int slot = findSlot(slotTexts(), oldName);
    if (slot >= 0) {
        SettingsFile settings(AppPaths::configIni(), SettingsFile::Write);
        settings.setValue(slotKey(slot), newName);
        if (!settings.save())
            qDebug() << "macro list not saved:" << settings.errorString();
    }
    return true;
}

MacroList::CreateResult MacroList::create()
{
    CreateResult result;
    const QStringList texts = slotTexts();
    int used = 0;
    for (const QString& t : texts)
        used += t.isEmpty() ? 0 : 1;
    if (used > kSlotCount - 1) {
        result.status = CreateStatus::TooMany;
        return result;
    }
    QString name;
    for (int n = 1; n <= kMaxNameNumber && name.isEmpty(); ++n) {
        const QString candidate = QString::asprintf("name_%d", n);
        if (!MacroFile::exists(candidate) && !texts.contains(candidate))
            name = candidate;
    }
    if (name.isEmpty() || !MacroFile::save(name, MacroFileData::newMacro()))
        return result;
    if (!add(name)) {
        MacroFile::remove(name);
        return result;
    }
    result.status = CreateStatus::Created;
    result.name = name;
    return result;
}
