<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BatteryDisplay</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
</context>
<context>
    <name>KivoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>选择鼠标设备</source>
        <translation>Select Mouse</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>MouseDialog</name>
    <message>
        <source>选择鼠标设备</source>
        <translation>Select Mouse</translation>
    </message>
    <message>
        <source>请点击选择一个鼠标：</source>
        <translation>Please click to choose a mouse:</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>The firmware updater could not be started.</translation>
    </message>
    <message>
        <source>Please check that the tool is installed completely.</source>
        <translation>Please check that the tool is installed completely.</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>PermissionNotice</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The mouse is connected, but this user is not allowed to open it (permission denied).</source>
        <translation>The mouse is connected, but this user is not allowed to open it (permission denied).</translation>
    </message>
    <message>
        <source>Install the udev rule 60-mousecfg.rules (with the package, or from data/udev/ of the sources into /etc/udev/rules.d/), then run &quot;sudo udevadm control --reload &amp;&amp; sudo udevadm trigger&quot; and plug the mouse in again.</source>
        <translation>Install the udev rule 60-mousecfg.rules (with the package, or from data/udev/ of the sources into /etc/udev/rules.d/), then run "sudo udevadm control --reload &amp;&amp; sudo udevadm trigger" and plug the mouse in again.</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <source>AT MOST 200 PROFILES CAN BE KEPT.</source>
        <translation>AT MOST 200 PROFILES CAN BE KEPT.</translation>
    </message>
    <message>
        <source>Invalid Profile Name!</source>
        <translation>Invalid Profile Name!</translation>
    </message>
    <message>
        <source>Profile Does Not Exist!</source>
        <translation>Profile Does Not Exist!</translation>
    </message>
    <message>
        <source>NO FREE PROFILE TO TAKE ITS PLACE.</source>
        <translation>NO FREE PROFILE TO TAKE ITS PLACE.</translation>
    </message>
    <message>
        <source>Failed to copy the profile file.</source>
        <translation>Failed to copy the profile file.</translation>
    </message>
    <message>
        <source>Failed to rename the profile file.</source>
        <translation>Failed to rename the profile file.</translation>
    </message>
    <message>
        <source>Failed to delete the profile file.</source>
        <translation>Failed to delete the profile file.</translation>
    </message>
    <message>
        <source>Failed to store the profile list.</source>
        <translation>Failed to store the profile list.</translation>
    </message>
    <message>
        <source>Failed to write the config file.</source>
        <translation>Failed to write the config file.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Configures the wireless gaming mouse. Without a command the window opens; a command is handed to a window that runs already.</source>
        <translation>Configures the wireless gaming mouse. Without a command the window opens; a command is handed to a window that runs already.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Show the version.</translation>
    </message>
    <message>
        <source>Write the diagnostic lines.</source>
        <translation>Write the diagnostic lines.</translation>
    </message>
    <message>
        <source>List the mice found: name, links, battery.</source>
        <translation>List the mice found: name, links, battery.</translation>
    </message>
    <message>
        <source>Make profile slot N (1-5) active.</source>
        <translation>Make profile slot N (1-5) active.</translation>
    </message>
    <message>
        <source>Load a profile file into a slot and write it.</source>
        <translation>Load a profile file into a slot and write it.</translation>
    </message>
    <message>
        <source>The slot for --apply (1-5; the active one when absent).</source>
        <translation>The slot for --apply (1-5; the active one when absent).</translation>
    </message>
    <message>
        <source>Print the battery level and charging.</source>
        <translation>Print the battery level and charging.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Give one command at a time.</source>
        <translation>Give one command at a time.</translation>
    </message>
    <message>
        <source>--slot goes with --apply.</source>
        <translation>--slot goes with --apply.</translation>
    </message>
    <message>
        <source>The profile slot is a number from 1 to 5.</source>
        <translation>The profile slot is a number from 1 to 5.</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>The window is busy with the mouse; try again in a moment.</source>
        <translation>The window is busy with the mouse; try again in a moment.</translation>
    </message>
    <message>
        <source>No mouse found.</source>
        <translation>No mouse found.</translation>
    </message>
    <message>
        <source>The mouse does not answer.</source>
        <translation>The mouse does not answer.</translation>
    </message>
    <message>
        <source>Profile %1 selected.</source>
        <translation>Profile %1 selected.</translation>
    </message>
    <message>
        <source>Cannot read the profile file %1.</source>
        <translation>Cannot read the profile file %1.</translation>
    </message>
    <message>
        <source>Profile written to slot %1.</source>
        <translation>Profile written to slot %1.</translation>
    </message>
</context>
</TS>
