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
        <translation>請安裝 udev 規則 60-mousecfg.rules（隨套件安裝，或從原始碼的 data/udev/ 複製到 /etc/udev/rules.d/），然後執行 "sudo udevadm control --reload &amp;&amp; sudo udevadm trigger" 並重新插入滑鼠。</translation>
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
</context>
</TS>
