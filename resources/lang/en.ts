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
    <name>BatteryFeed</name>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Mouse battery low: %1%</translation>
    </message>
    <message>
        <source>Mouse battery almost empty: %1%. Charge it now.</source>
        <translation>Mouse battery almost empty: %1%. Charge it now.</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Rate Switch</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
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
    <message>
        <source>Exit codes:
  0  done
  1  wrong usage, a value the mouse cannot take, a file that cannot be read or
     written, is for another mouse or lacks a key, or a change that would leave
     the mouse without a click or a usable DPI; nothing is changed then
  2  no mouse found (none plugged in, or not the one --device names), or the
     mouse does not answer
  3  the mouse is there, but this user may not open it
  4  writing to the mouse failed, or the running window is busy with it
</source>
        <translation>Exit codes:
  0  done
  1  wrong usage, a value the mouse cannot take, a file that cannot be read or
     written, is for another mouse or lacks a key, or a change that would leave
     the mouse without a click or a usable DPI; nothing is changed then
  2  no mouse found (none plugged in, or not the one --device names), or the
     mouse does not answer
  3  the mouse is there, but this user may not open it
  4  writing to the mouse failed, or the running window is busy with it
</translation>
    </message>
    <message>
        <source>List the mice found: index, name, links, battery.</source>
        <translation>List the mice found: index, name, links, battery.</translation>
    </message>
    <message>
        <source>Print the settings of the active profile slot.</source>
        <translation>Print the settings of the active profile slot.</translation>
    </message>
    <message>
        <source>With --list, --battery or --get: print JSON.</source>
        <translation>With --list, --battery or --get: print JSON.</translation>
    </message>
    <message>
        <source>The mouse to work on, by its name or index in --list.</source>
        <translation>The mouse to work on, by its name or index in --list.</translation>
    </message>
    <message>
        <source>Save the active slot&apos;s profile to a file.</source>
        <translation>Save the active slot&apos;s profile to a file.</translation>
    </message>
    <message>
        <source>Set DPI level LEVEL to X (and Y) DPI; may be given for several levels.</source>
        <translation>Set DPI level LEVEL to X (and Y) DPI; may be given for several levels.</translation>
    </message>
    <message>
        <source>Make DPI level N the current one.</source>
        <translation>Make DPI level N the current one.</translation>
    </message>
    <message>
        <source>Set the report rate: 125, 250, 500 or 1000.</source>
        <translation>Set the report rate: 125, 250, 500 or 1000.</translation>
    </message>
    <message>
        <source>Set the lighting effect, by its name in the window (&quot;FULL LIGHTED&quot;).</source>
        <translation>Set the lighting effect, by its name in the window (&quot;FULL LIGHTED&quot;).</translation>
    </message>
    <message>
        <source>Set the colour of the lighting effect.</source>
        <translation>Set the colour of the lighting effect.</translation>
    </message>
    <message>
        <source>Give button N a function, by its name in the window&apos;s button menu; keys by name (4=&quot;SINGLE KEY:Enter&quot;, 5=&quot;COMBO KEY:LCtr+C&quot;). May be given for several buttons.</source>
        <translation>Give button N a function, by its name in the window&apos;s button menu; keys by name (4=&quot;SINGLE KEY:Enter&quot;, 5=&quot;COMBO KEY:LCtr+C&quot;). May be given for several buttons.</translation>
    </message>
    <message>
        <source>Try &apos;mousecfg --help&apos;.</source>
        <translation>Try &apos;mousecfg --help&apos;.</translation>
    </message>
    <message>
        <source>--json goes with --list, --battery or --get.</source>
        <translation>--json goes with --list, --battery or --get.</translation>
    </message>
    <message>
        <source>--device goes with a command.</source>
        <translation>--device goes with a command.</translation>
    </message>
    <message>
        <source>Open the window in the tray only (the on-screen display and battery still work); how the desktop&apos;s autostart entry starts it.</source>
        <translation>Open the window in the tray only (the on-screen display and battery still work); how the desktop&apos;s autostart entry starts it.</translation>
    </message>
    <message>
        <source>--hidden goes with no command.</source>
        <translation>--hidden goes with no command.</translation>
    </message>
</context>
<context>
    <name>ConfigWriter</name>
    <message>
        <source>No mouse is connected.</source>
        <translation>No mouse is connected.</translation>
    </message>
    <message>
        <source>The settings are saved and go to the mouse with the next Apply once it is connected.</source>
        <translation>The settings are saved and go to the mouse with the next Apply once it is connected.</translation>
    </message>
</context>
<context>
    <name>KivoBtnWindow</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Left Button Can not be Gun Function.</translation>
    </message>
</context>
<context>
    <name>KivoColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>H </source>
        <translation>H </translation>
    </message>
    <message>
        <source>S </source>
        <translation>S </translation>
    </message>
    <message>
        <source>V </source>
        <translation>V </translation>
    </message>
    <message>
        <source>R </source>
        <translation>R </translation>
    </message>
    <message>
        <source>G </source>
        <translation>G </translation>
    </message>
    <message>
        <source>B </source>
        <translation>B </translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>KivoColorWindow</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <source>7 COLOR</source>
        <translation>7 COLOR</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>Single WAVE</source>
        <translation>Single WAVE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>7 COLOR with tail</source>
        <translation>7 COLOR with tail</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>Tri-color running</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>MINUTE</source>
        <translation>MINUTE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
</context>
<context>
    <name>KivoComboKeyWindow</name>
    <message>
        <source>Press a key combination</source>
        <translation>Press a key combination</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
</context>
<context>
    <name>KivoFireKeyWindow</name>
    <message>
        <source>Press a key</source>
        <translation>Press a key</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
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
        <source>Keys are captured while this window has the focus.</source>
        <translation>Keys are captured while this window has the focus.</translation>
    </message>
</context>
<context>
    <name>KivoGunsetDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>Gun Set</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
    </message>
    <message>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
</context>
<context>
    <name>KivoKeyWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Keys are captured while this window has the focus.</source>
        <translation>Keys are captured while this window has the focus.</translation>
    </message>
</context>
<context>
    <name>KivoMacroSelect</name>
    <message>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE SELECT</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Select a macro</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <source>Left Button Macro</source>
        <translation>Left Button Macro</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
    <name>KivoPointSpeed</name>
    <message>
        <source>No mouse settings of this desktop could be opened.</source>
        <translation>No mouse settings of this desktop could be opened.</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Key Response</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Enable sync</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Lift Distance</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Angle Snapping</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Mouse Setting</translation>
    </message>
    <message>
        <source>The desktop&apos;s own mouse settings set the pointer speed.</source>
        <translation>The desktop&apos;s own mouse settings set the pointer speed.</translation>
    </message>
</context>
<context>
    <name>KivoReportRate</name>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Lift off Distance</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
</context>
<context>
    <name>KivoSingleDPI</name>
    <message>
        <source>Double-click to type the value</source>
        <translation>Double-click to type the value</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Use this DPI level</source>
        <translation>Use this DPI level</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>Link XY</translation>
    </message>
    <message>
        <source>X:%d</source>
        <translation>X:%d</translation>
    </message>
    <message>
        <source>Y:%d</source>
        <translation>Y:%d</translation>
    </message>
    <message>
        <source>DPI : %d</source>
        <translation>DPI : %d</translation>
    </message>
</context>
<context>
    <name>KivoSingleKeyWindow</name>
    <message>
        <source>Press a key</source>
        <translation>Press a key</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Press NEW to make a macro, then START.</source>
        <translation>Press NEW to make a macro, then START.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
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
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <source>MACRO LIST</source>
        <translation>MACRO LIST</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <source>No keyboard access: keys cannot be recorded.</source>
        <translation>No keyboard access: keys cannot be recorded.</translation>
    </message>
    <message>
        <source>Only keys typed into this window are recorded.</source>
        <translation>Only keys typed into this window are recorded.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <source>DISTANCE(1-120)</source>
        <translation>DISTANCE(1-120)</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <source>Press the new key.</source>
        <translation>Press the new key.</translation>
    </message>
</context>
<context>
    <name>MacroEventView</name>
    <message>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
</context>
<context>
    <name>MacroFileActions</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <source>Invalid Macro Name!</source>
        <translation>Invalid Macro Name!</translation>
    </message>
    <message>
        <source>Save Macro File Failed!</source>
        <translation>Save Macro File Failed!</translation>
    </message>
    <message>
        <source>Import Macro File Failed!</source>
        <translation>Import Macro File Failed!</translation>
    </message>
    <message>
        <source>Export Macro File Failed!</source>
        <translation>Export Macro File Failed!</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <source>The macro %1 has rows that are not saved.</source>
        <translation>The macro %1 has rows that are not saved.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MacroOptions</name>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
</context>
<context>
    <name>MacroRowText</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>%d ms</source>
        <translation>%d ms</translation>
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
    <message>
        <source>REVERT</source>
        <translation>REVERT</translation>
    </message>
    <message>
        <source>Changes not applied</source>
        <translation>Changes not applied</translation>
    </message>
    <message>
        <source>RENAME</source>
        <translation>RENAME</translation>
    </message>
</context>
<context>
    <name>MouseCommandTree</name>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
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
    <message>
        <source>%1 - changes not applied</source>
        <translation>%1 - changes not applied</translation>
    </message>
    <message>
        <source>Nothing was sent to the mouse.</source>
        <translation>Nothing was sent to the mouse.</translation>
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
        <translation>Install the udev rule 60-mousecfg.rules (with the package, or from data/udev/ of the sources into /etc/udev/rules.d/), then run &quot;sudo udevadm control --reload &amp;&amp; sudo udevadm trigger&quot; and plug the mouse in again.</translation>
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
    <name>QCoreApplication</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Could not save %1: %2</translation>
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
    <message>
        <source>No mouse %1 found; --list shows the mice.</source>
        <translation>No mouse %1 found; --list shows the mice.</translation>
    </message>
    <message>
        <source>The window works on another mouse; choose %1 there, or close the window.</source>
        <translation>The window works on another mouse; choose %1 there, or close the window.</translation>
    </message>
    <message>
        <source>Settings written to slot %1.</source>
        <translation>Settings written to slot %1.</translation>
    </message>
    <message>
        <source>Profile exported to %1.</source>
        <translation>Profile exported to %1.</translation>
    </message>
    <message>
        <source>The profile file %1 is not for this mouse.</source>
        <translation>The profile file %1 is not for this mouse.</translation>
    </message>
    <message>
        <source>The profile file %1 lacks the key %2.</source>
        <translation>The profile file %1 lacks the key %2.</translation>
    </message>
</context>
<context>
    <name>SetAsideNotice</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The file %1 could not be read safely. It was kept as %2.</source>
        <translation>The file %1 could not be read safely. It was kept as %2.</translation>
    </message>
    <message>
        <source>Default settings are used for everything that could not be read from it.</source>
        <translation>Default settings are used for everything that could not be read from it.</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>The file %1 was not found.</source>
        <translation>The file %1 was not found.</translation>
    </message>
    <message>
        <source>The factory settings are used in their place.</source>
        <translation>The factory settings are used in their place.</translation>
    </message>
</context>
<context>
    <name>SettingEdits</name>
    <message>
        <source>--dpi takes LEVEL=X or LEVEL=XxY, for example 2=1600 or 2=1600x800.</source>
        <translation>--dpi takes LEVEL=X or LEVEL=XxY, for example 2=1600 or 2=1600x800.</translation>
    </message>
    <message>
        <source>--dpi-stage takes a DPI level from 1 to %1.</source>
        <translation>--dpi-stage takes a DPI level from 1 to %1.</translation>
    </message>
    <message>
        <source>--rate takes 125, 250, 500 or 1000.</source>
        <translation>--rate takes 125, 250, 500 or 1000.</translation>
    </message>
    <message>
        <source>--lighting takes one of: %1.</source>
        <translation>--lighting takes one of: %1.</translation>
    </message>
    <message>
        <source>--colour takes RRGGBB in hexadecimal, for example ff8000.</source>
        <translation>--colour takes RRGGBB in hexadecimal, for example ff8000.</translation>
    </message>
    <message>
        <source>--button takes N=FUNCTION, for example 4=&quot;SINGLE KEY:Enter&quot;.</source>
        <translation>--button takes N=FUNCTION, for example 4=&quot;SINGLE KEY:Enter&quot;.</translation>
    </message>
    <message>
        <source>The DPI steps of sensor %1 are not known; set the DPI in the window.</source>
        <translation>The DPI steps of sensor %1 are not known; set the DPI in the window.</translation>
    </message>
    <message>
        <source>This mouse cannot be set to %1 DPI; the nearest settings are %2 and %3.</source>
        <translation>This mouse cannot be set to %1 DPI; the nearest settings are %2 and %3.</translation>
    </message>
    <message>
        <source>This mouse has DPI levels 1 to %1.</source>
        <translation>This mouse has DPI levels 1 to %1.</translation>
    </message>
    <message>
        <source>This mouse has no lighting.</source>
        <translation>This mouse has no lighting.</translation>
    </message>
    <message>
        <source>The lighting effect %1 takes no colour.</source>
        <translation>The lighting effect %1 takes no colour.</translation>
    </message>
    <message>
        <source>This mouse has buttons 1 to %1.</source>
        <translation>This mouse has buttons 1 to %1.</translation>
    </message>
    <message>
        <source>No button function is called &quot;%1&quot;.</source>
        <translation>No button function is called &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The key %1 cannot be part of a combination.</source>
        <translation>The key %1 cannot be part of a combination.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has settings of its own; assign it in the window.</source>
        <translation>&quot;%1&quot; has settings of its own; assign it in the window.</translation>
    </message>
    <message>
        <source>Give keys by name: &quot;SINGLE KEY:Enter&quot;, &quot;COMBO KEY:LCtr+C&quot;; other functions take none.</source>
        <translation>Give keys by name: &quot;SINGLE KEY:Enter&quot;, &quot;COMBO KEY:LCtr+C&quot;; other functions take none.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>On the cable</source>
        <translation>On the cable</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>Battery %1%</translation>
    </message>
    <message>
        <source>Battery %1%, charging</source>
        <translation>Battery %1%, charging</translation>
    </message>
    <message>
        <source>Still running in the tray: click the icon to bring the window back.</source>
        <translation>Still running in the tray: click the icon to bring the window back.</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Start with the desktop</translation>
    </message>
    <message>
        <source>Battery %1%, low</source>
        <translation>Battery %1%, low</translation>
    </message>
</context>
<context>
    <name>UnappliedEdits</name>
    <message>
        <source>Unapplied changes</source>
        <translation>Unapplied changes</translation>
    </message>
    <message>
        <source>The window holds changes that are not applied.</source>
        <translation>The window holds changes that are not applied.</translation>
    </message>
    <message>
        <source>Apply them to the mouse, or discard them?</source>
        <translation>Apply them to the mouse, or discard them?</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
    <name>WindowCommands</name>
    <message>
        <source>Settings applied</source>
        <translation>Settings applied</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Saved to %1</translation>
    </message>
</context>
<context>
    <name>WriteGuard</name>
    <message>
        <source>The mouse&apos;s sensor (%1) is not known, so its DPI levels cannot be written.</source>
        <translation>The mouse&apos;s sensor (%1) is not known, so its DPI levels cannot be written.</translation>
    </message>
    <message>
        <source>DPI level %1 is outside what the sensor takes (%2 to %3 DPI).</source>
        <translation>DPI level %1 is outside what the sensor takes (%2 to %3 DPI).</translation>
    </message>
    <message>
        <source>DPI level %1 is 0.</source>
        <translation>DPI level %1 is 0.</translation>
    </message>
    <message>
        <source>No button of the mouse would have the left click. Give one button the left click, then apply again.</source>
        <translation>No button of the mouse would have the left click. Give one button the left click, then apply again.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot make sure that no other mousecfg runs (%1); not starting.</source>
        <translation>Cannot make sure that no other mousecfg runs (%1); not starting.</translation>
    </message>
    <message>
        <source>cannot open display</source>
        <translation>cannot open display</translation>
    </message>
</context>
</TS>
