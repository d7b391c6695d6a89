<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BatteryDisplay</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标已关闭</translation>
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
        <translation>确定</translation>
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
        <translation>灯光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>选择鼠标设备</source>
        <translation>选择鼠标设备</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
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
        <translation>选择鼠标设备</translation>
    </message>
    <message>
        <source>请点击选择一个鼠标：</source>
        <translation>请点击选择一个鼠标：</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器未连接！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>发送数据失败，请重试。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>载入配置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一个左键功能。</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>升级固件前，请用数据线将鼠标连接到电脑。</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>确定要升级固件吗？</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>无法启动固件升级程序。</translation>
    </message>
    <message>
        <source>Please check that the tool is installed completely.</source>
        <translation>请检查本工具是否完整安装。</translation>
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
        <translation>%1 已存在。要替换它吗？</translation>
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
        <translation>鼠标已连接，但当前用户无权打开它（权限被拒绝）。</translation>
    </message>
    <message>
        <source>Install the udev rule 60-mousecfg.rules (with the package, or from data/udev/ of the sources into /etc/udev/rules.d/), then run &quot;sudo udevadm control --reload &amp;&amp; sudo udevadm trigger&quot; and plug the mouse in again.</source>
        <translation>请安装 udev 规则 60-mousecfg.rules（随软件包安装，或从源码的 data/udev/ 复制到 /etc/udev/rules.d/），然后运行 "sudo udevadm control --reload &amp;&amp; sudo udevadm trigger" 并重新插入鼠标。</translation>
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
        <translation>确定要删除此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置吗？</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>载入配置文件</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置文件(*.prof)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>载入全部配置</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存全部配置</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>全部配置(*.conf)</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>该配置已被使用！</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一个配置。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置不能删除或重命名。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置已存在！</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>AT MOST 200 PROFILES CAN BE KEPT.</source>
        <translation>最多只能保存 200 个配置。</translation>
    </message>
    <message>
        <source>Invalid Profile Name!</source>
        <translation>配置名称无效！</translation>
    </message>
    <message>
        <source>Profile Does Not Exist!</source>
        <translation>配置不存在！</translation>
    </message>
    <message>
        <source>NO FREE PROFILE TO TAKE ITS PLACE.</source>
        <translation>没有可替代的空闲配置。</translation>
    </message>
    <message>
        <source>Failed to copy the profile file.</source>
        <translation>复制配置文件失败。</translation>
    </message>
    <message>
        <source>Failed to rename the profile file.</source>
        <translation>重命名配置文件失败。</translation>
    </message>
    <message>
        <source>Failed to delete the profile file.</source>
        <translation>删除配置文件失败。</translation>
    </message>
    <message>
        <source>Failed to store the profile list.</source>
        <translation>保存配置列表失败。</translation>
    </message>
    <message>
        <source>Failed to write the config file.</source>
        <translation>写入配置文件失败。</translation>
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
        <translation>无法安全读取文件 %1，原文件已保留为 %2。</translation>
    </message>
    <message>
        <source>Default settings are used for everything that could not be read from it.</source>
        <translation>无法从中读取的设置均使用默认值。</translation>
    </message>
</context>
</TS>
