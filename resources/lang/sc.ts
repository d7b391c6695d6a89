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
    <name>BatteryFeed</name>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>鼠标电量低：%1%</translation>
    </message>
    <message>
        <source>Mouse battery almost empty: %1%. Charge it now.</source>
        <translation>鼠标电量即将耗尽：%1%。请立即充电。</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老板键</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>连发键</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切换</translation>
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
        <translation>配置切换</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>配置 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>配置 -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>回报率切换</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回报率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>灯光开关</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>按键关闭</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>系统功能</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>高级功能</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>枪械文件管理</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Configures the wireless gaming mouse. Without a command the window opens; a command is handed to a window that runs already.</source>
        <translation>配置无线游戏鼠标。不带命令时打开窗口；命令会交给已在运行的窗口执行。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>Write the diagnostic lines.</source>
        <translation>输出诊断信息。</translation>
    </message>
    <message>
        <source>Make profile slot N (1-5) active.</source>
        <translation>启用配置槽 N（1-5）。</translation>
    </message>
    <message>
        <source>Load a profile file into a slot and write it.</source>
        <translation>将配置文件载入一个槽并写入鼠标。</translation>
    </message>
    <message>
        <source>The slot for --apply (1-5; the active one when absent).</source>
        <translation>--apply 使用的槽（1-5；省略时为当前槽）。</translation>
    </message>
    <message>
        <source>Print the battery level and charging.</source>
        <translation>显示电量和充电状态。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>多余的参数：%1</translation>
    </message>
    <message>
        <source>Give one command at a time.</source>
        <translation>一次只能给出一个命令。</translation>
    </message>
    <message>
        <source>--slot goes with --apply.</source>
        <translation>--slot 只能与 --apply 一起使用。</translation>
    </message>
    <message>
        <source>The profile slot is a number from 1 to 5.</source>
        <translation>配置槽是 1 到 5 之间的数字。</translation>
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
        <translation>退出码：
  0  完成
  1  用法错误、鼠标无法接受的值、无法读取或写入的文件、属于其他鼠标或缺少键的文件，
     或会使鼠标失去点击或可用 DPI 的更改；此时不做任何更改
  2  未找到鼠标（未插入，或不是 --device 指定的鼠标），或鼠标没有响应
  3  鼠标存在，但当前用户无权打开它
  4  写入鼠标失败，或正在运行的窗口正忙于与鼠标通信
</translation>
    </message>
    <message>
        <source>List the mice found: index, name, links, battery.</source>
        <translation>列出找到的鼠标：序号、名称、连接、电量。</translation>
    </message>
    <message>
        <source>Print the settings of the active profile slot.</source>
        <translation>显示当前配置槽的设置。</translation>
    </message>
    <message>
        <source>With --list, --battery or --get: print JSON.</source>
        <translation>与 --list、--battery 或 --get 一起使用：输出 JSON。</translation>
    </message>
    <message>
        <source>The mouse to work on, by its name or index in --list.</source>
        <translation>要操作的鼠标，使用 --list 中的名称或序号。</translation>
    </message>
    <message>
        <source>Save the active slot&apos;s profile to a file.</source>
        <translation>将当前槽的配置保存到文件。</translation>
    </message>
    <message>
        <source>Set DPI level LEVEL to X (and Y) DPI; may be given for several levels.</source>
        <translation>将 DPI 档位 LEVEL 设为 X（和 Y）DPI；可为多个档位分别给出。</translation>
    </message>
    <message>
        <source>Make DPI level N the current one.</source>
        <translation>将 DPI 档位 N 设为当前档位。</translation>
    </message>
    <message>
        <source>Set the report rate: 125, 250, 500 or 1000.</source>
        <translation>设置回报率：125、250、500 或 1000。</translation>
    </message>
    <message>
        <source>Set the lighting effect, by its name in the window (&quot;FULL LIGHTED&quot;).</source>
        <translation>设置灯效，使用窗口中的名称（&quot;FULL LIGHTED&quot;）。</translation>
    </message>
    <message>
        <source>Set the colour of the lighting effect.</source>
        <translation>设置灯效的颜色。</translation>
    </message>
    <message>
        <source>Give button N a function, by its name in the window&apos;s button menu; keys by name (4=&quot;SINGLE KEY:Enter&quot;, 5=&quot;COMBO KEY:LCtr+C&quot;). May be given for several buttons.</source>
        <translation>为按键 N 指定功能，使用窗口按键菜单中的名称；键盘按键用名称表示（4=&quot;SINGLE KEY:Enter&quot;，5=&quot;COMBO KEY:LCtr+C&quot;）。可为多个按键分别给出。</translation>
    </message>
    <message>
        <source>Try &apos;mousecfg --help&apos;.</source>
        <translation>请尝试 &apos;mousecfg --help&apos;。</translation>
    </message>
    <message>
        <source>--json goes with --list, --battery or --get.</source>
        <translation>--json 只能与 --list、--battery 或 --get 一起使用。</translation>
    </message>
    <message>
        <source>--device goes with a command.</source>
        <translation>--device 必须与命令一起使用。</translation>
    </message>
    <message>
        <source>Open the window in the tray only (the on-screen display and battery still work); how the desktop&apos;s autostart entry starts it.</source>
        <translation>只在托盘中打开窗口（屏幕显示和电量照常工作）；桌面自启动项即以此方式启动。</translation>
    </message>
    <message>
        <source>--hidden goes with no command.</source>
        <translation>--hidden 不能与命令一起使用。</translation>
    </message>
</context>
<context>
    <name>ConfigWriter</name>
    <message>
        <source>No mouse is connected.</source>
        <translation>未连接鼠标。</translation>
    </message>
    <message>
        <source>The settings are saved and go to the mouse with the next Apply once it is connected.</source>
        <translation>设置已保存，连接鼠标后再次点击应用即可写入鼠标。</translation>
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
        <translation>左键不能设置为枪械功能。</translation>
    </message>
</context>
<context>
    <name>KivoColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
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
        <translation>确定</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>7 COLOR</source>
        <translation>七彩循环</translation>
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
        <translation>单色波浪</translation>
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
        <translation>触发反应</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>三色跑马</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>灯效</translation>
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
        <translation>颜色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>MINUTE</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时关闭灯光</translation>
    </message>
</context>
<context>
    <name>KivoComboKeyWindow</name>
    <message>
        <source>Press a key combination</source>
        <translation>请按下组合键</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
</context>
<context>
    <name>KivoFireKeyWindow</name>
    <message>
        <source>Press a key</source>
        <translation>请按一个键</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次数:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>间隔:</translation>
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
        <source>Keys are captured while this window has the focus.</source>
        <translation>此窗口获得焦点时才会捕获按键。</translation>
    </message>
</context>
<context>
    <name>KivoGunsetDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>枪械文件名</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延时(毫秒)</translation>
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
        <translation>请输入文件名。</translation>
    </message>
</context>
<context>
    <name>KivoKeyWindow</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keys are captured while this window has the focus.</source>
        <translation>此窗口获得焦点时才会捕获按键。</translation>
    </message>
</context>
<context>
    <name>KivoMacroSelect</name>
    <message>
        <source>MACRO SELECT</source>
        <translation>宏选择</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>枪械文件选择</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住时重复执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复执行直到再次按下</translation>
    </message>
    <message>
        <source>Left Button Macro</source>
        <translation>左键宏</translation>
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
        <translation>确定</translation>
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
        <translation>无法打开此桌面的鼠标设置。</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>按键响应</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>静默高度</translation>
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
        <translation>直线修正</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <source>The desktop&apos;s own mouse settings set the pointer speed.</source>
        <translation>指针速度由桌面自身的鼠标设置决定。</translation>
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
        <translation>回报率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>静默高度</translation>
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
        <translation>双击可输入数值</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Use this DPI level</source>
        <translation>启用此 DPI 档位</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 联动</translation>
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
        <translation>请按一个键</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Press NEW to make a macro, then START.</source>
        <translation>请先按“新建”创建宏，再按“开始”。</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始</translation>
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
        <translation>删除</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
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
        <translation>置顶</translation>
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
        <translation>编辑</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延时</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>枪械设置</translation>
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
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>MACRO LIST</source>
        <translation>宏列表</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标命令</translation>
    </message>
    <message>
        <source>No keyboard access: keys cannot be recorded.</source>
        <translation>无法访问键盘：不能录制按键。</translation>
    </message>
    <message>
        <source>Only keys typed into this window are recorded.</source>
        <translation>仅录制在本窗口中输入的按键。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键未释放。</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <source>DISTANCE(1-120)</source>
        <translation>距离(1-120)</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <source>Press the new key.</source>
        <translation>请按下新的按键。</translation>
    </message>
</context>
<context>
    <name>MacroEventView</name>
    <message>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延时(毫秒)</translation>
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
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>Invalid Macro Name!</source>
        <translation>无效的宏名称！</translation>
    </message>
    <message>
        <source>Save Macro File Failed!</source>
        <translation>保存宏文件失败！</translation>
    </message>
    <message>
        <source>Import Macro File Failed!</source>
        <translation>导入宏文件失败！</translation>
    </message>
    <message>
        <source>Export Macro File Failed!</source>
        <translation>导出宏文件失败！</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量过多，无法创建！</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>加载宏文件</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <source>The macro %1 has rows that are not saved.</source>
        <translation>宏 %1 有尚未保存的行。</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
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
        <translation>记录动作间延时</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延时</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复直到再次按键</translation>
    </message>
</context>
<context>
    <name>MacroRowText</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>向左移动</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>向右移动</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>向上移动</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>向下移动</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>释放</translation>
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
    <message>
        <source>REVERT</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Changes not applied</source>
        <translation>更改尚未应用</translation>
    </message>
    <message>
        <source>RENAME</source>
        <translation>重命名</translation>
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
        <translation>弹起</translation>
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
    <message>
        <source>%1 - changes not applied</source>
        <translation>%1 - 更改尚未应用</translation>
    </message>
    <message>
        <source>Nothing was sent to the mouse.</source>
        <translation>未向鼠标发送任何内容。</translation>
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
        <translation>请安装 udev 规则 60-mousecfg.rules（随软件包安装，或从源码的 data/udev/ 复制到 /etc/udev/rules.d/），然后运行 &quot;sudo udevadm control --reload &amp;&amp; sudo udevadm trigger&quot; 并重新插入鼠标。</translation>
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
    <name>QCoreApplication</name>
    <message>
        <source>Could not save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>The window is busy with the mouse; try again in a moment.</source>
        <translation>窗口正在与鼠标通信，请稍后再试。</translation>
    </message>
    <message>
        <source>No mouse found.</source>
        <translation>未找到鼠标。</translation>
    </message>
    <message>
        <source>The mouse does not answer.</source>
        <translation>鼠标没有响应。</translation>
    </message>
    <message>
        <source>Profile %1 selected.</source>
        <translation>已选择配置 %1。</translation>
    </message>
    <message>
        <source>Cannot read the profile file %1.</source>
        <translation>无法读取配置文件 %1。</translation>
    </message>
    <message>
        <source>Profile written to slot %1.</source>
        <translation>配置已写入槽 %1。</translation>
    </message>
    <message>
        <source>No mouse %1 found; --list shows the mice.</source>
        <translation>未找到鼠标 %1；--list 可列出鼠标。</translation>
    </message>
    <message>
        <source>The window works on another mouse; choose %1 there, or close the window.</source>
        <translation>窗口正在操作另一只鼠标；请在窗口中选择 %1，或关闭窗口。</translation>
    </message>
    <message>
        <source>Settings written to slot %1.</source>
        <translation>设置已写入槽 %1。</translation>
    </message>
    <message>
        <source>Profile exported to %1.</source>
        <translation>配置已导出到 %1。</translation>
    </message>
    <message>
        <source>The profile file %1 is not for this mouse.</source>
        <translation>配置文件 %1 不适用于此鼠标。</translation>
    </message>
    <message>
        <source>The profile file %1 lacks the key %2.</source>
        <translation>配置文件 %1 缺少键 %2。</translation>
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
    <message>
        <source>The file %1 could not be read.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>The file %1 was not found.</source>
        <translation>未找到文件 %1。</translation>
    </message>
    <message>
        <source>The factory settings are used in their place.</source>
        <translation>已改用出厂设置。</translation>
    </message>
</context>
<context>
    <name>SettingEdits</name>
    <message>
        <source>--dpi takes LEVEL=X or LEVEL=XxY, for example 2=1600 or 2=1600x800.</source>
        <translation>--dpi 的格式为 LEVEL=X 或 LEVEL=XxY，例如 2=1600 或 2=1600x800。</translation>
    </message>
    <message>
        <source>--dpi-stage takes a DPI level from 1 to %1.</source>
        <translation>--dpi-stage 的值是 1 到 %1 之间的 DPI 档位。</translation>
    </message>
    <message>
        <source>--rate takes 125, 250, 500 or 1000.</source>
        <translation>--rate 的值为 125、250、500 或 1000。</translation>
    </message>
    <message>
        <source>--lighting takes one of: %1.</source>
        <translation>--lighting 的值为以下之一：%1。</translation>
    </message>
    <message>
        <source>--colour takes RRGGBB in hexadecimal, for example ff8000.</source>
        <translation>--colour 的值为十六进制 RRGGBB，例如 ff8000。</translation>
    </message>
    <message>
        <source>--button takes N=FUNCTION, for example 4=&quot;SINGLE KEY:Enter&quot;.</source>
        <translation>--button 的格式为 N=FUNCTION，例如 4=&quot;SINGLE KEY:Enter&quot;。</translation>
    </message>
    <message>
        <source>The DPI steps of sensor %1 are not known; set the DPI in the window.</source>
        <translation>未知传感器 %1 的 DPI 档次；请在窗口中设置 DPI。</translation>
    </message>
    <message>
        <source>This mouse cannot be set to %1 DPI; the nearest settings are %2 and %3.</source>
        <translation>此鼠标无法设为 %1 DPI；最接近的设置为 %2 和 %3。</translation>
    </message>
    <message>
        <source>This mouse has DPI levels 1 to %1.</source>
        <translation>此鼠标的 DPI 档位为 1 到 %1。</translation>
    </message>
    <message>
        <source>This mouse has no lighting.</source>
        <translation>此鼠标没有灯光。</translation>
    </message>
    <message>
        <source>The lighting effect %1 takes no colour.</source>
        <translation>灯效 %1 不能设置颜色。</translation>
    </message>
    <message>
        <source>This mouse has buttons 1 to %1.</source>
        <translation>此鼠标的按键为 1 到 %1。</translation>
    </message>
    <message>
        <source>No button function is called &quot;%1&quot;.</source>
        <translation>没有名为 &quot;%1&quot; 的按键功能。</translation>
    </message>
    <message>
        <source>The key %1 cannot be part of a combination.</source>
        <translation>按键 %1 不能用于组合键。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has settings of its own; assign it in the window.</source>
        <translation>&quot;%1&quot; 有其自身的设置；请在窗口中指定。</translation>
    </message>
    <message>
        <source>Give keys by name: &quot;SINGLE KEY:Enter&quot;, &quot;COMBO KEY:LCtr+C&quot;; other functions take none.</source>
        <translation>请用名称给出按键：&quot;SINGLE KEY:Enter&quot;、&quot;COMBO KEY:LCtr+C&quot;；其他功能不带按键。</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>On the cable</source>
        <translation>有线连接</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>电量 %1%</translation>
    </message>
    <message>
        <source>Battery %1%, charging</source>
        <translation>电量 %1%，充电中</translation>
    </message>
    <message>
        <source>Still running in the tray: click the icon to bring the window back.</source>
        <translation>仍在托盘中运行：点击图标可重新打开窗口。</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>随桌面启动</translation>
    </message>
    <message>
        <source>Battery %1%, low</source>
        <translation>电量 %1%，电量低</translation>
    </message>
</context>
<context>
    <name>UnappliedEdits</name>
    <message>
        <source>Unapplied changes</source>
        <translation>未应用的更改</translation>
    </message>
    <message>
        <source>The window holds changes that are not applied.</source>
        <translation>窗口中有尚未应用的更改。</translation>
    </message>
    <message>
        <source>Apply them to the mouse, or discard them?</source>
        <translation>要将它们应用到鼠标，还是放弃？</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
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
        <translation>%1 已存在。要替换它吗？</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>Settings applied</source>
        <translation>设置已应用</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
</context>
<context>
    <name>WriteGuard</name>
    <message>
        <source>The mouse&apos;s sensor (%1) is not known, so its DPI levels cannot be written.</source>
        <translation>鼠标的传感器（%1）未知，无法写入其 DPI 档位。</translation>
    </message>
    <message>
        <source>DPI level %1 is outside what the sensor takes (%2 to %3 DPI).</source>
        <translation>DPI 档位 %1 超出传感器的范围（%2 至 %3 DPI）。</translation>
    </message>
    <message>
        <source>DPI level %1 is 0.</source>
        <translation>DPI 档位 %1 为 0。</translation>
    </message>
    <message>
        <source>No button of the mouse would have the left click. Give one button the left click, then apply again.</source>
        <translation>鼠标将没有任何按键是左键。请为一个按键指定左键，然后再次应用。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot make sure that no other mousecfg runs (%1); not starting.</source>
        <translation>无法确认没有其他 mousecfg 在运行（%1）；不启动。</translation>
    </message>
    <message>
        <source>cannot open display</source>
        <translation>无法打开显示</translation>
    </message>
</context>
</TS>
