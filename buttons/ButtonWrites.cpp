#include "buttons/ButtonWrites.h"

#include "buttons/ButtonCatalogue.h"
#include "model/FunctionCode.h"
#include "model/KeyTable.h"
#include "model/ProfileData.h"

#include <cstring>

bool ButtonWrites::keepsLeftClick(const ProfileData& profile, int iRecord, int iNewCode)
{
    if (iNewCode == FunctionCode::LeftClick ||
        profile.ButtonInfo[iRecord].Fun != FunctionCode::LeftClick)
        return true;
    for (int i = 0; i < ProfileData::kButtonCount; ++i) {
        if (i != iRecord && profile.ButtonInfo[i].Fun == FunctionCode::LeftClick)
            return true;
    }
    return false;
}

void ButtonWrites::writePlain(ButtonAssignment& button, int iCode)
{
    button.Fun = iCode;
    const ButtonCatalogue::Entry* entry = ButtonCatalogue::find(iCode);
    if (entry && entry->kind == ButtonCatalogue::Sniper)
        button.Res1 = 1;
}

void ButtonWrites::writeSingleKey(ButtonAssignment& button, quint8 keyCode)
{
    button.Fun = FunctionCode::SingleKey;
    button.Res1 = keyCode;
}

void ButtonWrites::writeCombo(ButtonAssignment& button, const QVector<quint8>& keyCodes)
{
    button.Fun = FunctionCode::ComboKey;
    std::memset(button.KeyInfo, 0, sizeof button.KeyInfo);
    // Key n's press goes in at n and its release right behind it, pushing the releases of the
    // keys before it back: presses end up in slot order, releases in reverse.
    QVector<QVector<quint8>> list;
    for (quint8 code : keyCodes) {
        quint8 usage = 0;
        if (!KeyTable::keyCodeToUsage(code, usage))
            continue;
        const int n = list.size() / 2;
        list.insert(n, {usage, kKeyEvent, kRelease});
        list.insert(n, {usage, kKeyEvent, kPress});
    }
    for (int i = 0; i < list.size() && i < ButtonAssignment::kKeyInfoCount; ++i) {
        for (int b = 0; b < 3; ++b)
            button.KeyInfo[i][b] = list[i][b];
    }
}

void ButtonWrites::writeFireKey(ButtonAssignment& button, quint8 res1, int iTimes, int iDelay)
{
    button.Fun = FunctionCode::FireKey;
    button.Res1 = res1;
    button.LoopNumber = iTimes;
    button.KeyNumber = iDelay;
}

QVector<quint8> ButtonWrites::comboKeys(const ButtonAssignment& button)
{
    QVector<quint8> codes;
    for (const auto& entry : button.KeyInfo) {
        quint8 code = 0;
        if (entry[0] != 0 && entry[2] == kPress && KeyTable::usageToKeyCode(entry[0], code))
            codes.append(code);
    }
    return codes;
}
