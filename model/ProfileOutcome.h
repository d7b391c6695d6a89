#pragma once

#include <QString>

// What one profile operation leaves for the main window to do, and what the user is told. An
// operation that was refused or failed carries its message and no effects: it changed nothing.
struct ProfileOutcome
{
    // In the order the window carries them out.
    enum Effect
    {
        NoEffect = 0,
        StopBattery = 1 << 0,       // before a reset writes to the mouse
        Retranslate = 1 << 1,       // the window's texts
        ShowFirstPage = 1 << 2,     // page 0 under the window's page rule
        RefreshModelParts = 1 << 3, // pictures and other model-dependent parts
        RefreshPages = 1 << 4,      // all pages from the current slot's record
        RebuildMenu = 1 << 5,       // the stored-profile menu from the profile list
        SelectOnDevice = 1 << 6,    // the two short forms that make the current slot active
        ApplyPointerSpeed = 1 << 7, // the desktop pointer speed of the active profile
        ShowName = 1 << 8,          // the profile-name field takes `name`
        Write = 1 << 9,             // write the configuration with the busy dialog
        FullWrite = 1 << 10         // with Write: every group, whatever changed
    };

    QString message; // English text (the translation key); empty when nothing is to be told
    int effects = NoEffect;
    QString name; // the field's new text with ShowName

    static ProfileOutcome refused(const char* text)
    {
        ProfileOutcome outcome;
        outcome.message = QString::fromUtf8(text);
        return outcome;
    }
    static ProfileOutcome done(int effects, const QString& name = QString())
    {
        ProfileOutcome outcome;
        outcome.effects = effects;
        outcome.name = name;
        return outcome;
    }

    bool isRefused() const { return !message.isEmpty(); }
    bool has(Effect effect) const { return (effects & effect) != 0; }
};
