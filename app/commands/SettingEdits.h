#pragma once

#include "model/MouseConfig.h"

#include <QColor>
#include <QCoreApplication>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

// The settings a script changes in one go: DPI levels, DPI stage, report rate, lighting effect
// and colour, button functions. Each value is read from its option first (its form only); then
// applyTo() holds them against the mouse model with the rules of the window's pages and button
// menus, and changes the record only when every one of them passes.
class SettingEdits
{
    Q_DECLARE_TR_FUNCTIONS(SettingEdits)
public:
    // Each takes the option's value and returns why it cannot be read, or empty.
    QString addDpi(const QString& value);   // LEVEL=X[xY], DPI numbers
    QString setStage(const QString& value); // 1..8
    QString setRate(const QString& value);  // 125, 250, 500, 1000
    QString setLighting(const QString& value);
    QString setColour(const QString& value); // RRGGBB, '#' allowed
    QString addButton(const QString& value); // N=FUNCTION

    bool isEmpty() const { return arguments().isEmpty(); }
    // The edits again as options, for a running window to carry out.
    QStringList arguments() const { return m_Arguments; }

    // Applies the edits to the current slot of `config` (its lighting to the slot the lighting
    // page edits). Empty when done; otherwise why not, and `config` is untouched.
    QString applyTo(MouseConfig& config) const;

    // What a button carries, in the words --button takes ("Left", "SINGLE KEY:Enter").
    static QString functionText(const ButtonAssignment& button);
    // The report rate in Hz of a rate code; 0 for a code without one.
    static int rateHz(int iCode);
    // The DPI levels the model shows (1..8).
    static int dpiLevelCount();

private:
    struct Dpi
    {
        int iLevel; // 1..8
        int iX;
        int iY;
    };
    QString applyDpi(ProfileData& profile) const;
    QString applyLighting(ProfileData& profile) const;
    QString applyButton(ProfileData& profile, int iButton, const QString& function) const;

    QVector<Dpi> m_Dpi;
    int m_iStage = -1;    // 1..8
    int m_iRateCode = -1; // 1, 2, 4, 8
    int m_iEffect = -1;
    QColor m_Colour;
    QVector<QPair<int, QString>> m_Buttons; // button number from 1, function text
    QStringList m_Arguments;
};
