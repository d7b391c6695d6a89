#pragma once

#include "model/MacroFileData.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class QWidget;

// The macro page's file work: creating, saving, renaming, deleting, importing and exporting
// macro files and keeping the macro list in step. Every refusal and every failure is told to
// the user here (through UserPrompts), and a refused name never reaches a path.
class MacroFileActions
{
    Q_DECLARE_TR_FUNCTIONS(MacroFileActions)
public:
    static constexpr const char* kFileFilter =
        QT_TRANSLATE_NOOP("MacroFileActions", "Macro File(*.MSMACRO)");
    static constexpr int kMaxGunNameLength = 100;

    explicit MacroFileActions(QWidget* parent) : m_pParent(parent) {}

    // False, after "TOO MANY MACROS TO BE CREATE!", when all 50 slots are taken.
    bool checkRoom() const;
    // The new macro's name, or empty after a message.
    QString createNew() const;
    bool save(const QString& name, const MacroFileData& data) const;
    // Before the page leaves macro `name` whose rows are `bModified`: the user saves them (through
    // `save`), drops them, or stays. False for staying.
    bool mayLeave(const QString& name, bool bModified, const std::function<void()>& save) const;
    // Takes the name out of the list and deletes its file.
    void remove(const QString& name) const;
    bool rename(const QString& oldName, const QString& newName) const;

    // The imported macro's name, or empty (cancelled or refused with a message).
    QString importOne() const;
    // The names imported; the others are reported together.
    QStringList importMany() const;
    bool exportOne(const QString& name) const;
    // Copies each named macro's file into a folder the user picks; false when one failed.
    bool exportMany(const QStringList& names) const;

    // `name`, or the first of name_2, name_3, ... that no macro file or list entry uses.
    static QString freeName(const QString& name);
    // Saves a gun file under a free form of `name`; the name used, or empty after a message.
    QString saveGunFile(const QString& name, const QVector<MacroEvent>& rows) const;

private:
    enum Refusal
    {
        Accepted,
        InvalidName,
        Exists,
        Full
    };
    static Refusal checkImportName(const QString& name);
    static bool copyOver(const QString& from, const QString& to);
    void warn(const char* text, const QString& text2 = QString()) const;
    void warnTooMany() const;

    QWidget* m_pParent;
};
