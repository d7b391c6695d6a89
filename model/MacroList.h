#pragma once

#include <QString>
#include <QStringList>

// The 50 macro slots of Config.ini ("MACRO_LIST/0" .. "MACRO_LIST/49"). A slot is free when its
// text is empty; names are not kept contiguous.
class MacroList
{
public:
    static constexpr int kSlotCount = 50;
    static constexpr const char* kTooManyText =
        QT_TRANSLATE_NOOP("MacroFileActions", "TOO MANY MACROS TO BE CREATE!");
    static constexpr const char* kTooManyTitle = QT_TRANSLATE_NOOP("MacroFileActions", "WARNING");

    enum class CreateStatus
    {
        Created, // name holds the new macro's name
        TooMany, // every slot is taken; nothing was created
        Failed   // no free name or the file could not be written; nothing was created
    };
    struct CreateResult
    {
        CreateStatus status = CreateStatus::Failed;
        QString name;
    };

    // All 50 slot texts in slot order, empty ones included.
    static QStringList slotTexts();
    // Number of non-empty slots.
    static int count();
    // Non-empty slots in slot order.
    static QStringList names();
    static bool contains(const QString& name);

    // Writes the name into the first empty slot; false when none is free or the name is refused.
    static bool add(const QString& name);
    // Empties the first slot holding the name. Only the list changes, so a name that could not
    // be a file name (left by an older or edited Config.ini) can still be taken out.
    static bool remove(const QString& name);
    // Renames the macro file (when it exists) and the first slot holding oldName. Refused when a
    // file of newName exists or either name is refused; then nothing changes.
    static bool rename(const QString& oldName, const QString& newName);

    // Creates an empty macro ("name_%d", the first number whose file does not exist and that is
    // not in the list), saved as the editor saves it, and adds it to the first free slot.
    static CreateResult create();

private:
    static QString slotKey(int i);
    static int findSlot(const QStringList& texts, const QString& name);
};
