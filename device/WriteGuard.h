#pragma once

#include "model/ProfileData.h"

#include <QCoreApplication>
#include <QString>

// The last word before a configuration goes to the mouse: a profile that would leave the mouse
// without a left click, or with a DPI level it cannot take, is refused wherever the write comes
// from (Apply, OK, a profile action, the command line). The button window keeps the user from
// removing the last left click; files, imports and scripts can still bring such a profile in.
class WriteGuard
{
    Q_DECLARE_TR_FUNCTIONS(WriteGuard)
public:
    struct Model
    {
        int iButtonCount = 0;
        int iDpiLevelCount = 0;
        int iScrollRev = 0;
        int iSensor = 0;
        int iWideRange = 0;
        QString product;
        const quint8* pMatrix = nullptr; // the description's button matrix, 16 bytes
    };

    // The model as the installation describes it and the settings name its sensor.
    static Model currentModel();

    // Empty when `profile` may be sent; otherwise why not, in words for the user.
    static QString check(const ProfileData& profile, const Model& model);
    static QString check(const ProfileData& profile) { return check(profile, currentModel()); }
};
