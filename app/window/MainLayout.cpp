#include "app/window/MainLayout.h"

#include "app/window/UiScale.h"

QRect MainLayout::baseRect(Control control, const Flags& flags)
{
    switch (control) {
    case Logo:
        return QRect(69, 20, 200, 50);
    case TabLighting:
        return flags.bLedDisable ? QRect() : QRect(69, 90, 154, 29);
    case TabCustomize:
        return QRect(69, 124, 154, 29);
    case TabDpi:
        return QRect(69, 158, 154, 29);
    case TabMacro:
        return flags.bDisableMacro ? QRect() : QRect(69, 192, 154, 29);
    case DeviceButton:
        return QRect(670, 33, 100, 20);
    case LanguageButton:
        return QRect(774, 33, 105, 20);
    case MinimiseButton:
        return QRect(903, 33, 19, 19);
    case CloseButton:
        return QRect(924, 33, 19, 19);
    case FrontButton:
        return QRect(530, 321, 96, 20);
    case SideButton:
        return QRect(631, 321, 96, 20);
    case FrontPicture:
        return QRect(637, 99, 300, 400);
    case SidePicture:
        return QRect(637, 99, 316, 443);
    case BatteryBar:
        return QRect(75, 587, 71, 34);
    case ChargingIcon:
        return QRect(174, 584, 26, 40);
    case ReceiverIcon:
        return QRect(174, 581, 48, 48);
    case ResetAllButton:
        return QRect(308, 588, 128, 30);
    case LoadButton:
        return QRect(439, 588, 128, 30);
    case SaveButton:
        return QRect(570, 588, 128, 30);
    case ApplyButton:
        return QRect(701, 588, 128, 30);
    case VersionLabel:
        return QRect(830, 594, 160, 20);
    case StatusLabel:
        return QRect(61, 512, 164, 22);
    case StatusLabel2:
        return QRect(61, 534, 164, 18);
    case StatusWell:
        return QRect(62, 577, 197, 53);
    case PageArea:
        return QRect(246, 85, 729, 477);
    case ButtonWindowArea:
        return QRect(246, 85, 280, 477);
    case SlotButton1:
    case SlotButton2:
    case SlotButton3:
    case SlotButton4:
    case SlotButton5:
        return QRect(69, 250 + 29 * (control - SlotButton1), 154, 26);
    case ProfileNameField:
        return QRect(69, 397, 124, 24);
    case ProfileMenuButton:
        return QRect(197, 397, 26, 24);
    case UnappliedMark:
        return QRect(69, 427, 154, 36);
    case RevertButton:
        return QRect(69, 466, 154, 26);
    default:
        return QRect();
    }
}

QRect MainLayout::rect(Control control, double dScale, const Flags& flags)
{
    const QRect base = baseRect(control, flags);
    return base.isEmpty() ? QRect(0, 0, 0, 0) : UiScale::scaled(base, dScale);
}
