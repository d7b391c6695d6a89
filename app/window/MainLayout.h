#pragma once

#include <QRect>

// What the device description switches off.
struct MainLayoutFlags
{
    bool bLedDisable = false;   // PROFILE/ledDisable: no LIGHTING tab
    bool bDisableMacro = false; // PROFILE/DisableMacro: no MACRO tab
};

// The fixed places of the main window's controls at scale 1.0 on the 999 × 640 window. The
// window multiplies each by its UI scale; a control given an empty rectangle is laid out with
// zero size, which is how controls that this installation does not offer are kept out of sight.
class MainLayout
{
public:
    static constexpr int kWidth = 999;
    static constexpr int kHeight = 640;

    enum Control
    {
        Logo,
        TabLighting,
        TabCustomize,
        TabDpi,
        TabMacro,
        DeviceButton,
        LanguageButton,
        MinimiseButton,
        CloseButton,
        FrontButton,
        SideButton,
        FrontPicture,
        SidePicture,
        BatteryBar,
        ChargingIcon,
        ReceiverIcon,
        ResetAllButton,
        LoadButton,
        SaveButton,
        ApplyButton,
        VersionLabel,
        // The two lines that say why no battery level is shown ("MOUSE OFF").
        StatusLabel,
        StatusLabel2,
        // The dark well of the skin behind the battery gauge and the connection icons.
        StatusWell,
        // Where the pages sit: the main panel, and its left part beside the mouse picture for
        // the button assignment window.
        PageArea,
        ButtonWindowArea,
        // The profile area under the tabs: the slot buttons, the current slot's name with the
        // menu of stored profiles and profile operations, the mark of unapplied changes and
        // the button that reverts them.
        SlotButton1,
        SlotButton2,
        SlotButton3,
        SlotButton4,
        SlotButton5,
        ProfileNameField,
        ProfileMenuButton,
        UnappliedMark,
        RevertButton,
        // Laid out with zero size.
        FirmwareUpdateButton,
        OkButton,
        CancelButton,
        ProfileSelectButton,
        NameLabel,
        AddButton,
        CopyButton,
        DeleteButton,
        ResetButton,
        ImportButton,
        ExportButton,
        ControlCount
    };

    using Flags = MainLayoutFlags;

    // Place at scale 1.0 (empty for a control with zero size).
    static QRect baseRect(Control control, const Flags& flags = Flags());
    static QRect rect(Control control, double dScale, const Flags& flags = Flags());
};
