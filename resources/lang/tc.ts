<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BatteryDisplay</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>滑鼠已關閉</translation>
    </message>
</context>
<context>
    <name>BatteryFeed</name>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>滑鼠電量低：%1%</translation>
    </message>
    <message>
        <source>Mouse battery almost empty: %1%. Charge it now.</source>
        <translation>滑鼠電量即將耗盡：%1%。請立即充電。</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>瀏覽器首頁</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>瀏覽器上一頁</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>瀏覽器下一頁</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>瀏覽器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>瀏覽器重新整理</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>瀏覽器搜尋</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>瀏覽器我的最愛</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老闆鍵</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>連發鍵</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量增加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量減少</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒體播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切換</translation>
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
        <translation>設定檔切換</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>設定檔 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>設定檔 -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>回報率切換</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回報率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回報率 -</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>燈光開關</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>按鍵關閉</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>系統功能</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>進階功能</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>巨集管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>槍械檔案管理</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Configures the wireless gaming mouse. Without a command the window opens; a command is handed to a window that runs already.</source>
        <translation>設定無線電競滑鼠。不帶命令時開啟視窗；命令會交給已在執行的視窗處理。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>顯示此說明。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>顯示版本。</translation>
    </message>
    <message>
        <source>Write the diagnostic lines.</source>
        <translation>輸出診斷訊息。</translation>
    </message>
    <message>
        <source>Make profile slot N (1-5) active.</source>
        <translation>啟用設定檔槽 N（1-5）。</translation>
    </message>
    <message>
        <source>Load a profile file into a slot and write it.</source>
        <translation>將設定檔載入一個槽並寫入滑鼠。</translation>
    </message>
    <message>
        <source>The slot for --apply (1-5; the active one when absent).</source>
        <translation>--apply 使用的槽（1-5；省略時為目前的槽）。</translation>
    </message>
    <message>
        <source>Print the battery level and charging.</source>
        <translation>顯示電量與充電狀態。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>多餘的參數：%1</translation>
    </message>
    <message>
        <source>Give one command at a time.</source>
        <translation>一次只能給一個命令。</translation>
    </message>
    <message>
        <source>--slot goes with --apply.</source>
        <translation>--slot 只能與 --apply 一起使用。</translation>
    </message>
    <message>
        <source>The profile slot is a number from 1 to 5.</source>
        <translation>設定檔槽是 1 到 5 之間的數字。</translation>
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
        <translation>結束代碼：
  0  完成
  1  用法錯誤、滑鼠無法接受的值、無法讀取或寫入的檔案、屬於其他滑鼠或缺少鍵的檔案，
     或會使滑鼠失去點擊或可用 DPI 的變更；此時不做任何變更
  2  找不到滑鼠（未插入，或不是 --device 指定的滑鼠），或滑鼠沒有回應
  3  滑鼠存在，但目前使用者無權開啟它
  4  寫入滑鼠失敗，或正在執行的視窗正忙於與滑鼠通訊
</translation>
    </message>
    <message>
        <source>List the mice found: index, name, links, battery.</source>
        <translation>列出找到的滑鼠：序號、名稱、連線、電量。</translation>
    </message>
    <message>
        <source>Print the settings of the active profile slot.</source>
        <translation>顯示目前設定檔槽的設定。</translation>
    </message>
    <message>
        <source>With --list, --battery or --get: print JSON.</source>
        <translation>與 --list、--battery 或 --get 一起使用：輸出 JSON。</translation>
    </message>
    <message>
        <source>The mouse to work on, by its name or index in --list.</source>
        <translation>要操作的滑鼠，使用 --list 中的名稱或序號。</translation>
    </message>
    <message>
        <source>Save the active slot&apos;s profile to a file.</source>
        <translation>將目前槽的設定檔儲存到檔案。</translation>
    </message>
    <message>
        <source>Set DPI level LEVEL to X (and Y) DPI; may be given for several levels.</source>
        <translation>將 DPI 檔位 LEVEL 設為 X（和 Y）DPI；可為多個檔位分別給出。</translation>
    </message>
    <message>
        <source>Make DPI level N the current one.</source>
        <translation>將 DPI 檔位 N 設為目前檔位。</translation>
    </message>
    <message>
        <source>Set the report rate: 125, 250, 500 or 1000.</source>
        <translation>設定回報率：125、250、500 或 1000。</translation>
    </message>
    <message>
        <source>Set the lighting effect, by its name in the window (&quot;FULL LIGHTED&quot;).</source>
        <translation>設定燈效，使用視窗中的名稱（&quot;FULL LIGHTED&quot;）。</translation>
    </message>
    <message>
        <source>Set the colour of the lighting effect.</source>
        <translation>設定燈效的顏色。</translation>
    </message>
    <message>
        <source>Give button N a function, by its name in the window&apos;s button menu; keys by name (4=&quot;SINGLE KEY:Enter&quot;, 5=&quot;COMBO KEY:LCtr+C&quot;). May be given for several buttons.</source>
        <translation>為按鍵 N 指定功能，使用視窗按鍵選單中的名稱；鍵盤按鍵用名稱表示（4=&quot;SINGLE KEY:Enter&quot;，5=&quot;COMBO KEY:LCtr+C&quot;）。可為多個按鍵分別給出。</translation>
    </message>
    <message>
        <source>Try &apos;mousecfg --help&apos;.</source>
        <translation>請嘗試 &apos;mousecfg --help&apos;。</translation>
    </message>
    <message>
        <source>--json goes with --list, --battery or --get.</source>
        <translation>--json 只能與 --list、--battery 或 --get 一起使用。</translation>
    </message>
    <message>
        <source>--device goes with a command.</source>
        <translation>--device 必須與命令一起使用。</translation>
    </message>
    <message>
        <source>Open the window in the tray only (the on-screen display and battery still work); how the desktop&apos;s autostart entry starts it.</source>
        <translation>只在系統匣中開啟視窗（螢幕顯示和電量照常運作）；桌面自動啟動項即以此方式啟動。</translation>
    </message>
    <message>
        <source>--hidden goes with no command.</source>
        <translation>--hidden 不能與命令一起使用。</translation>
    </message>
</context>
<context>
    <name>ConfigWriter</name>
    <message>
        <source>No mouse is connected.</source>
        <translation>未連接滑鼠。</translation>
    </message>
    <message>
        <source>The settings are saved and go to the mouse with the next Apply once it is connected.</source>
        <translation>設定已儲存，連接滑鼠後再次按下套用即可寫入滑鼠。</translation>
    </message>
</context>
<context>
    <name>KivoBtnWindow</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左鍵不能設定為槍械功能。</translation>
    </message>
</context>
<context>
    <name>KivoColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>顏色</translation>
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
        <translation>確定</translation>
    </message>
    <message>
        <source>No</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KivoColorWindow</name>
    <message>
        <source>OFF</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>7 COLOR</source>
        <translation>七彩循環</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Single WAVE</source>
        <translation>單色波浪</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>溜溜球</translation>
    </message>
    <message>
        <source>7 COLOR with tail</source>
        <translation>七彩拖尾</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>觸發反應</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>三色跑馬</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>燈效</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠時間</translation>
    </message>
    <message>
        <source>MINUTE</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移動時關閉燈光</translation>
    </message>
</context>
<context>
    <name>KivoComboKeyWindow</name>
    <message>
        <source>Press a key combination</source>
        <translation>請按下組合鍵</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>組合鍵</translation>
    </message>
</context>
<context>
    <name>KivoFireKeyWindow</name>
    <message>
        <source>Press a key</source>
        <translation>請按一個鍵</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>連發鍵設定</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>鍵盤按鍵</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次數:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>間隔:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keys are captured while this window has the focus.</source>
        <translation>此視窗取得焦點時才會擷取按鍵。</translation>
    </message>
</context>
<context>
    <name>KivoGunsetDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>槍械設定</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>槍械檔案名稱</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子彈數</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延時(毫秒)</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>HORIZONTAL</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>請輸入檔案名稱。</translation>
    </message>
</context>
<context>
    <name>KivoKeyWindow</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keys are captured while this window has the focus.</source>
        <translation>此視窗取得焦點時才會擷取按鍵。</translation>
    </message>
</context>
<context>
    <name>KivoMacroSelect</name>
    <message>
        <source>MACRO SELECT</source>
        <translation>巨集選擇</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>槍械檔案選擇</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>選擇巨集</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住時重複執行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重複執行直到再次按下</translation>
    </message>
    <message>
        <source>Left Button Macro</source>
        <translation>左鍵巨集</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>KivoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>KivoPointSpeed</name>
    <message>
        <source>No mouse settings of this desktop could be opened.</source>
        <translation>無法開啟此桌面的滑鼠設定。</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>按鍵響應</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滾輪速度</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>開</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>關</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>靜默高度</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1毫米</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2毫米</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>直線修正</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>滑鼠設定</translation>
    </message>
    <message>
        <source>The desktop&apos;s own mouse settings set the pointer speed.</source>
        <translation>指標速度由桌面本身的滑鼠設定決定。</translation>
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
        <translation>回報率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>靜默高度</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1毫米</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2毫米</translation>
    </message>
</context>
<context>
    <name>KivoSingleDPI</name>
    <message>
        <source>Double-click to type the value</source>
        <translation>按兩下可輸入數值</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Use this DPI level</source>
        <translation>啟用此 DPI 檔位</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 連動</translation>
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
        <translation>請按一個鍵</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Press NEW to make a macro, then START.</source>
        <translation>請先按「新建」建立巨集，再按「開始」。</translation>
    </message>
    <message>
        <source>START</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置頂</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延時</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>槍械設定</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批次</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>MACRO LIST</source>
        <translation>巨集清單</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>巨集名稱</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>滑鼠命令</translation>
    </message>
    <message>
        <source>No keyboard access: keys cannot be recorded.</source>
        <translation>無法存取鍵盤：不能錄製按鍵。</translation>
    </message>
    <message>
        <source>Only keys typed into this window are recorded.</source>
        <translation>僅錄製在本視窗中輸入的按鍵。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一個或多個按鍵未放開。</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <source>DISTANCE(1-120)</source>
        <translation>距離(1-120)</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延時(毫秒)</translation>
    </message>
    <message>
        <source>Press the new key.</source>
        <translation>請按下新的按鍵。</translation>
    </message>
</context>
<context>
    <name>MacroEventView</name>
    <message>
        <source>KEY</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延時(毫秒)</translation>
    </message>
</context>
<context>
    <name>MacroFileActions</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>巨集已存在！</translation>
    </message>
    <message>
        <source>Invalid Macro Name!</source>
        <translation>無效的巨集名稱！</translation>
    </message>
    <message>
        <source>Save Macro File Failed!</source>
        <translation>儲存巨集檔案失敗！</translation>
    </message>
    <message>
        <source>Import Macro File Failed!</source>
        <translation>匯入巨集檔案失敗！</translation>
    </message>
    <message>
        <source>Export Macro File Failed!</source>
        <translation>匯出巨集檔案失敗！</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>巨集數量過多，無法建立！</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>載入巨集檔案</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>儲存巨集檔案</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>巨集檔案(*.MSMACRO)</translation>
    </message>
    <message>
        <source>The macro %1 has rows that are not saved.</source>
        <translation>巨集 %1 有尚未儲存的列。</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MacroOptions</name>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>記錄動作間延時</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入預設延時</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按鍵時重複</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重複直到再次按鍵</translation>
    </message>
</context>
<context>
    <name>MacroRowText</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>左鍵單擊</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中鍵單擊</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右鍵單擊</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>向左移動</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>向右移動</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>向上移動</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>向下移動</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>放開</translation>
    </message>
    <message>
        <source>%d ms</source>
        <translation>%d 毫秒</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>LIGHTING</source>
        <translation>燈光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按鍵設定</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>选择鼠标设备</source>
        <translation>選擇滑鼠裝置</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重設</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>REVERT</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Changes not applied</source>
        <translation>變更尚未套用</translation>
    </message>
    <message>
        <source>RENAME</source>
        <translation>重新命名</translation>
    </message>
</context>
<context>
    <name>MouseCommandTree</name>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>彈起</translation>
    </message>
</context>
<context>
    <name>MouseDialog</name>
    <message>
        <source>选择鼠标设备</source>
        <translation>選擇滑鼠裝置</translation>
    </message>
    <message>
        <source>请点击选择一个鼠标：</source>
        <translation>請點擊選擇一個滑鼠：</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器未連接！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>傳送資料失敗，請重試。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>載入設定(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一個左鍵功能。</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>更新韌體前，請用傳輸線將滑鼠連接到電腦。</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>確定要更新韌體嗎？</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>無法啟動韌體更新程式。</translation>
    </message>
    <message>
        <source>Please check that the tool is installed completely.</source>
        <translation>請檢查本工具是否完整安裝。</translation>
    </message>
    <message>
        <source>%1 - changes not applied</source>
        <translation>%1 - 變更尚未套用</translation>
    </message>
    <message>
        <source>Nothing was sent to the mouse.</source>
        <translation>未向滑鼠傳送任何內容。</translation>
    </message>
</context>
<context>
    <name>PermissionNotice</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The mouse is connected, but this user is not allowed to open it (permission denied).</source>
        <translation>滑鼠已連接，但目前使用者無權開啟它（權限遭拒）。</translation>
    </message>
    <message>
        <source>Install the udev rule 60-mousecfg.rules (with the package, or from data/udev/ of the sources into /etc/udev/rules.d/), then run &quot;sudo udevadm control --reload &amp;&amp; sudo udevadm trigger&quot; and plug the mouse in again.</source>
        <translation>請安裝 udev 規則 60-mousecfg.rules（隨套件安裝，或從原始碼的 data/udev/ 複製到 /etc/udev/rules.d/），然後執行 &quot;sudo udevadm control --reload &amp;&amp; sudo udevadm trigger&quot; 並重新插入滑鼠。</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>確定要刪除此設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>確定要重設此設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>確定要重設所有設定檔嗎？</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>載入設定檔</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>設定檔(*.prof)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>載入全部設定</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>儲存全部設定</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>全部設定(*.conf)</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>該設定檔已被使用！</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一個設定檔。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>預設設定檔不能刪除或重新命名。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>設定檔已存在！</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>該檔案與目前滑鼠不相符！</translation>
    </message>
    <message>
        <source>AT MOST 200 PROFILES CAN BE KEPT.</source>
        <translation>最多只能保存 200 個設定檔。</translation>
    </message>
    <message>
        <source>Invalid Profile Name!</source>
        <translation>設定檔名稱無效！</translation>
    </message>
    <message>
        <source>Profile Does Not Exist!</source>
        <translation>設定檔不存在！</translation>
    </message>
    <message>
        <source>NO FREE PROFILE TO TAKE ITS PLACE.</source>
        <translation>沒有可替代的閒置設定檔。</translation>
    </message>
    <message>
        <source>Failed to copy the profile file.</source>
        <translation>複製設定檔失敗。</translation>
    </message>
    <message>
        <source>Failed to rename the profile file.</source>
        <translation>重新命名設定檔失敗。</translation>
    </message>
    <message>
        <source>Failed to delete the profile file.</source>
        <translation>刪除設定檔失敗。</translation>
    </message>
    <message>
        <source>Failed to store the profile list.</source>
        <translation>儲存設定檔清單失敗。</translation>
    </message>
    <message>
        <source>Failed to write the config file.</source>
        <translation>寫入設定檔失敗。</translation>
    </message>
</context>
<context>
    <name>QCoreApplication</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>無法儲存 %1：%2</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>The window is busy with the mouse; try again in a moment.</source>
        <translation>視窗正在與滑鼠通訊，請稍後再試。</translation>
    </message>
    <message>
        <source>No mouse found.</source>
        <translation>找不到滑鼠。</translation>
    </message>
    <message>
        <source>The mouse does not answer.</source>
        <translation>滑鼠沒有回應。</translation>
    </message>
    <message>
        <source>Profile %1 selected.</source>
        <translation>已選擇設定檔 %1。</translation>
    </message>
    <message>
        <source>Cannot read the profile file %1.</source>
        <translation>無法讀取設定檔 %1。</translation>
    </message>
    <message>
        <source>Profile written to slot %1.</source>
        <translation>設定檔已寫入槽 %1。</translation>
    </message>
    <message>
        <source>No mouse %1 found; --list shows the mice.</source>
        <translation>找不到滑鼠 %1；--list 可列出滑鼠。</translation>
    </message>
    <message>
        <source>The window works on another mouse; choose %1 there, or close the window.</source>
        <translation>視窗正在操作另一隻滑鼠；請在視窗中選擇 %1，或關閉視窗。</translation>
    </message>
    <message>
        <source>Settings written to slot %1.</source>
        <translation>設定已寫入槽 %1。</translation>
    </message>
    <message>
        <source>Profile exported to %1.</source>
        <translation>設定檔已匯出到 %1。</translation>
    </message>
    <message>
        <source>The profile file %1 is not for this mouse.</source>
        <translation>設定檔 %1 不適用於此滑鼠。</translation>
    </message>
    <message>
        <source>The profile file %1 lacks the key %2.</source>
        <translation>設定檔 %1 缺少鍵 %2。</translation>
    </message>
</context>
<context>
    <name>SetAsideNotice</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The file %1 could not be read safely. It was kept as %2.</source>
        <translation>無法安全讀取檔案 %1，原檔案已保留為 %2。</translation>
    </message>
    <message>
        <source>Default settings are used for everything that could not be read from it.</source>
        <translation>無法從中讀取的設定均使用預設值。</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message>
        <source>The file %1 was not found.</source>
        <translation>找不到檔案 %1。</translation>
    </message>
    <message>
        <source>The factory settings are used in their place.</source>
        <translation>已改用原廠設定。</translation>
    </message>
</context>
<context>
    <name>SettingEdits</name>
    <message>
        <source>--dpi takes LEVEL=X or LEVEL=XxY, for example 2=1600 or 2=1600x800.</source>
        <translation>--dpi 的格式為 LEVEL=X 或 LEVEL=XxY，例如 2=1600 或 2=1600x800。</translation>
    </message>
    <message>
        <source>--dpi-stage takes a DPI level from 1 to %1.</source>
        <translation>--dpi-stage 的值是 1 到 %1 之間的 DPI 檔位。</translation>
    </message>
    <message>
        <source>--rate takes 125, 250, 500 or 1000.</source>
        <translation>--rate 的值為 125、250、500 或 1000。</translation>
    </message>
    <message>
        <source>--lighting takes one of: %1.</source>
        <translation>--lighting 的值為以下之一：%1。</translation>
    </message>
    <message>
        <source>--colour takes RRGGBB in hexadecimal, for example ff8000.</source>
        <translation>--colour 的值為十六進位 RRGGBB，例如 ff8000。</translation>
    </message>
    <message>
        <source>--button takes N=FUNCTION, for example 4=&quot;SINGLE KEY:Enter&quot;.</source>
        <translation>--button 的格式為 N=FUNCTION，例如 4=&quot;SINGLE KEY:Enter&quot;。</translation>
    </message>
    <message>
        <source>The DPI steps of sensor %1 are not known; set the DPI in the window.</source>
        <translation>未知感測器 %1 的 DPI 級距；請在視窗中設定 DPI。</translation>
    </message>
    <message>
        <source>This mouse cannot be set to %1 DPI; the nearest settings are %2 and %3.</source>
        <translation>此滑鼠無法設為 %1 DPI；最接近的設定為 %2 和 %3。</translation>
    </message>
    <message>
        <source>This mouse has DPI levels 1 to %1.</source>
        <translation>此滑鼠的 DPI 檔位為 1 到 %1。</translation>
    </message>
    <message>
        <source>This mouse has no lighting.</source>
        <translation>此滑鼠沒有燈光。</translation>
    </message>
    <message>
        <source>The lighting effect %1 takes no colour.</source>
        <translation>燈效 %1 不能設定顏色。</translation>
    </message>
    <message>
        <source>This mouse has buttons 1 to %1.</source>
        <translation>此滑鼠的按鍵為 1 到 %1。</translation>
    </message>
    <message>
        <source>No button function is called &quot;%1&quot;.</source>
        <translation>沒有名為 &quot;%1&quot; 的按鍵功能。</translation>
    </message>
    <message>
        <source>The key %1 cannot be part of a combination.</source>
        <translation>按鍵 %1 不能用於組合鍵。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has settings of its own; assign it in the window.</source>
        <translation>&quot;%1&quot; 有其自身的設定；請在視窗中指定。</translation>
    </message>
    <message>
        <source>Give keys by name: &quot;SINGLE KEY:Enter&quot;, &quot;COMBO KEY:LCtr+C&quot;; other functions take none.</source>
        <translation>請用名稱給出按鍵：&quot;SINGLE KEY:Enter&quot;、&quot;COMBO KEY:LCtr+C&quot;；其他功能不帶按鍵。</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>On the cable</source>
        <translation>有線連接</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>電量 %1%</translation>
    </message>
    <message>
        <source>Battery %1%, charging</source>
        <translation>電量 %1%，充電中</translation>
    </message>
    <message>
        <source>Still running in the tray: click the icon to bring the window back.</source>
        <translation>仍在系統匣中執行：按一下圖示可重新開啟視窗。</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>隨桌面啟動</translation>
    </message>
    <message>
        <source>Battery %1%, low</source>
        <translation>電量 %1%，電量低</translation>
    </message>
</context>
<context>
    <name>UnappliedEdits</name>
    <message>
        <source>Unapplied changes</source>
        <translation>未套用的變更</translation>
    </message>
    <message>
        <source>The window holds changes that are not applied.</source>
        <translation>視窗中有尚未套用的變更。</translation>
    </message>
    <message>
        <source>Apply them to the mouse, or discard them?</source>
        <translation>要將它們套用到滑鼠，還是捨棄？</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要取代它嗎？</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>Settings applied</source>
        <translation>設定已套用</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已儲存到 %1</translation>
    </message>
</context>
<context>
    <name>WriteGuard</name>
    <message>
        <source>The mouse&apos;s sensor (%1) is not known, so its DPI levels cannot be written.</source>
        <translation>滑鼠的感測器（%1）未知，無法寫入其 DPI 檔位。</translation>
    </message>
    <message>
        <source>DPI level %1 is outside what the sensor takes (%2 to %3 DPI).</source>
        <translation>DPI 檔位 %1 超出感測器的範圍（%2 至 %3 DPI）。</translation>
    </message>
    <message>
        <source>DPI level %1 is 0.</source>
        <translation>DPI 檔位 %1 為 0。</translation>
    </message>
    <message>
        <source>No button of the mouse would have the left click. Give one button the left click, then apply again.</source>
        <translation>滑鼠將沒有任何按鍵是左鍵。請為一個按鍵指定左鍵，然後再次套用。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot make sure that no other mousecfg runs (%1); not starting.</source>
        <translation>無法確認沒有其他 mousecfg 在執行（%1）；不啟動。</translation>
    </message>
    <message>
        <source>cannot open display</source>
        <translation>無法開啟顯示</translation>
    </message>
</context>
</TS>
