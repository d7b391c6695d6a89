#pragma once

#include <QVector>
#include <QtGlobal>

struct ButtonAssignment;
struct ProfileData;

// What picking a function writes into a button's record, and the rule that keeps one Left
// click on the mouse. The windows collect the values; only this class puts them in the record.
class ButtonWrites
{
public:
    static constexpr quint8 kPress = 0x80;
    static constexpr quint8 kRelease = 0x00;
    static constexpr quint8 kKeyEvent = 0x05;
    // Fired mouse buttons of a fire key.
    static constexpr quint8 kFireLeft = 0x81;
    static constexpr quint8 kFireRight = 0x82;
    static constexpr quint8 kFireMiddle = 0x84;

    // False when record iRecord holds the only Left click and iNewCode is not Left: the pick
    // would leave the mouse without a click.
    static bool keepsLeftClick(const ProfileData& profile, int iRecord, int iNewCode);

    // A function with no parameters of its own; "SNIPER" also marks Res1.
    static void writePlain(ButtonAssignment& button, int iCode);
    // The key code as captured, private codes included.
    static void writeSingleKey(ButtonAssignment& button, quint8 keyCode);
    // keyCodes in slot order (Shift, Ctrl, Win, Alt, other key): presses in that order, then
    // releases in reverse, as HID usages; every other entry of the list is cleared.
    static void writeCombo(ButtonAssignment& button, const QVector<quint8>& keyCodes);
    // res1: kFireLeft, kFireRight, kFireMiddle or a key's HID usage.
    static void writeFireKey(ButtonAssignment& button, quint8 res1, int iTimes, int iDelay);

    // The key codes of a stored combination, read back from its press entries.
    static QVector<quint8> comboKeys(const ButtonAssignment& button);
};
