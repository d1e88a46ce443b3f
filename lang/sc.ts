<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse is connected, but %1 cannot be opened: permission denied. Install the udev rule (sudo cmake --install build puts it at %2), then unplug and plug the mouse again.</source>
        <translation>鼠标已连接，但无法打开 %1：权限被拒绝。请安装 udev 规则（sudo cmake --install build 会将其放到 %2），然后拔下鼠标再重新插入。</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>The mouse is connected, but %1 cannot be opened: %2. Unplug and plug the mouse again.</source>
        <translation>鼠标已连接，但无法打开 %1：%2。请拔下鼠标再重新插入。</translation>
    </message>
</context>
<context>
    <name>FileNameRule</name>
    <message>
        <source>it is empty</source>
        <translation>它为空</translation>
    </message>
    <message>
        <source>it is "." or ".."</source>
        <translation>它是 "." 或 ".."</translation>
    </message>
    <message>
        <source>it contains one of / \ : * ? " &lt; &gt; |</source>
        <translation>它包含 / \ : * ? " &lt; &gt; | 之一</translation>
    </message>
    <message>
        <source>it contains control characters</source>
        <translation>它包含控制字符</translation>
    </message>
    <message>
        <source>it contains invisible formatting characters (such as U+202E or U+200B)</source>
        <translation>它包含不可见的格式字符（如 U+202E 或 U+200B）</translation>
    </message>
    <message>
        <source>it ends with a dot or a space</source>
        <translation>它以点或空格结尾</translation>
    </message>
    <message>
        <source>it is longer than %1 characters or %2 bytes</source>
        <translation>它超过 %1 个字符或 %2 个字节</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>它超过 %1 个字节</translation>
    </message>
</context>
<context>
    <name>KeyCaptureEditor</name>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
</context>
<context>
    <name>Macro</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进键</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退键</translation>
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
        <source>A MACRO HOLDS AT MOST 63 EVENTS. NOTHING MORE WAS ADDED.</source>
        <translation>一个宏最多包含 63 个事件，未再添加任何内容。</translation>
    </message>
    <message>
        <source>THE MOUSE KEEPS ONLY THE FIRST 51 EVENTS OF A MACRO WITHOUT DELAYS; THE REST WILL NOT PLAY.</source>
        <translation>对于不含延时的宏，鼠标只保留前 51 个事件，其余事件不会执行。</translation>
    </message>
    <message>
        <source>THE FILE HOLDS MORE THAN 63 EVENTS; ONLY THE FIRST 63 WERE KEPT.</source>
        <translation>该文件包含超过 63 个事件，只保留了前 63 个。</translation>
    </message>
    <message>
        <source>THIS IS NOT A MACRO FILE.</source>
        <translation>这不是宏文件。</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量过多，无法创建！</translation>
    </message>
    <message>
        <source>THE MACRO FILE COULD NOT BE WRITTEN.</source>
        <translation>无法写入宏文件。</translation>
    </message>
    <message>
        <source>A RECORDING WITHOUT DELAYS HOLDS AT MOST %1 EVENTS. NOTHING MORE WAS RECORDED.</source>
        <translation>不含延时的录制最多包含 %1 个事件，未再录制任何内容。</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED AS A MACRO NAME: %1.</source>
        <translation>此名称不能用作宏名称：%1。</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止录制</translation>
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
        <source>IMPORT MACRO</source>
        <translation>导入宏</translation>
    </message>
    <message>
        <source>EXPORT MACRO</source>
        <translation>导出宏</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
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
        <source>TOP</source>
        <translation>移至顶部</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>移至底部</translation>
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
        <source>CLEAR</source>
        <translation>清空</translation>
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
        <source>RECORD AFTER</source>
        <translation>在此后录制</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>录制动作间延时</translation>
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
        <translation>按住按键时重复执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复执行直到再次按下按键</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>载入宏文件</translation>
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
        <source>THE MACRO FILE COULD NOT BE WRITTEN.</source>
        <translation>无法写入宏文件。</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键未释放。</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量过多，无法创建！</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标命令</translation>
    </message>
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
    <name>MousecfgWidget</name>
    <message>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>加载配置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
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
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
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
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按键</translation>
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
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>NO MOUSE DETECTED!</source>
        <translation>未检测到鼠标！</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少保留一个左键功能。</translation>
    </message>
    <message>
        <source>GAMING MOUSE CONFIG</source>
        <translation>游戏鼠标设置</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Program Profiles</source>
        <translation>程序配置</translation>
    </message>
</context>
<context>
    <name>ProfileFileCommands</name>
    <message>
        <source>Mode %1: "%2"</source>
        <translation>模式 %1：“%2”</translation>
    </message>
    <message>
        <source>These profile names cannot be file names, so their profiles were neither loaded nor saved. Rename them:</source>
        <translation>以下配置名称不能用作文件名，因此这些配置既未加载也未保存。请重命名：</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The profile list could not be saved to %1.</source>
        <translation>无法将配置列表保存到 %1。</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>该配置已被使用！</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>无法写入配置文件。</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少保留一个配置。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置不能删除或重命名。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置吗？</translation>
    </message>
    <message>
        <source>The profile file could not be deleted.</source>
        <translation>无法删除配置文件。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置已存在！</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>导出配置文件</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置文件(*.prof)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>The profile could not be exported.</source>
        <translation>无法导出配置。</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>导入配置文件</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>The profile could not be imported.</source>
        <translation>无法导入配置。</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置全部配置吗？</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile: %1.</source>
        <translation>此名称不能用作配置名称：%1。</translation>
    </message>
</context>
<context>
    <name>ProgramProfilesDialog</name>
    <message>
        <source>Stay</source>
        <translation>保持不变</translation>
    </message>
    <message>
        <source>Program Profiles</source>
        <translation>程序配置</translation>
    </message>
    <message>
        <source>Switch the mode for the program in front</source>
        <translation>按前台程序切换模式</translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation>其他程序：</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Executable or window class</source>
        <translation>可执行文件名或窗口类</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Open programs</source>
        <translation>已打开的程序</translation>
    </message>
    <message>
        <source>On Wayland the program in front cannot be known: only programs that run under X11 (XWayland) are followed.</source>
        <translation>在 Wayland 下无法得知前台程序：只跟随在 X11（XWayland）下运行的程序。</translation>
    </message>
    <message>
        <source>The program in front cannot be known on this desktop: the mode does not follow it.</source>
        <translation>在此桌面上无法得知前台程序：模式不会跟随它切换。</translation>
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
        <source>(none found)</source>
        <translation>（未找到）</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The program profiles could not be saved.</source>
        <translation>无法保存程序配置。</translation>
    </message>
</context>
<context>
    <name>UploadCheck</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 is missing, empty or unreadable. Start every profile from the mouse's defaults?</source>
        <translation>%1 缺失、为空或无法读取。要让所有配置从鼠标的默认设置开始吗？</translation>
    </message>
    <message>
        <source>The profile file %1 is missing, empty or unreadable. Start profile %2 from the mouse's defaults?</source>
        <translation>配置文件 %1 缺失、为空或无法读取。要让配置 %2 从鼠标的默认设置开始吗？</translation>
    </message>
    <message>
        <source>%1: %2 = %3 (allowed: %4)</source>
        <translation>%1：%2 = %3（允许：%4）</translation>
    </message>
    <message>
        <source>Nothing was sent: the mouse has no setting for these values.</source>
        <translation>未发送任何内容：鼠标没有对应这些值的设置。</translation>
    </message>
    <message>
        <source>These macros have no file; their buttons get pauses only: %1</source>
        <translation>以下宏没有文件，其按键只会得到停顿：%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2. Nothing was sent to the mouse.</source>
        <translation>无法将设置保存到 %1：%2。未向鼠标发送任何内容。</translation>
    </message>
    <message>
        <source>The mouse did not take every setting: %1 failed (%2). Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=&lt;file&gt; and send that file to support.</source>
        <translation>鼠标未接受全部设置：%1 失败（%2）。请重新插拔鼠标后再试；如果仍然失败，请以 KORVALEN_HID_TRACE=&lt;文件&gt; 启动程序，并将该文件发送给技术支持。</translation>
    </message>
</context>
<context>
    <name>VornBtnWindow</name>
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
        <translation>狙击</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止播放</translation>
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
        <translation>音量增大</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减小</translation>
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
        <translation>配置循环</translation>
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
        <source>Rate +</source>
        <translation>回报率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>压枪文件管理</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>灯光切换</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>禁用按键</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>高级</translation>
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
        <translation>配置切换</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左键不能设为压枪功能。</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>选择压枪文件</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>You can only assign 7 different macros.</source>
        <translation>最多只能分配 7 个不同的宏。</translation>
    </message>
    <message>
        <source>You can only assign 20 different macros.</source>
        <translation>最多只能分配 20 个不同的宏。</translation>
    </message>
</context>
<context>
    <name>VornColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>VornColorWindow</name>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>踏雪无痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>按键反应</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
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
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The lighting preview did not reach the mouse. Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=&lt;file&gt; and send that file to support.</source>
        <translation>灯光预览未能送达鼠标。请重新插拔鼠标后再试；如果仍然失败，请以 KORVALEN_HID_TRACE=&lt;文件&gt; 启动程序，并将该文件发送给技术支持。</translation>
    </message>
</context>
<context>
    <name>VornComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
</context>
<context>
    <name>VornDPIWindow</name>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>STAGE %1</source>
        <translation>档位 %1</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 联动</translation>
    </message>
</context>
<context>
    <name>VornFireKeyWindow</name>
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
        <translation>次数：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延时：</translation>
    </message>
</context>
<context>
    <name>VornGunEditDialog</name>
    <message>
        <source>Gun Edit</source>
        <translation>枪械编辑</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>枪械编辑</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
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
    <name>VornGunsetDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>GUN SET</source>
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
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
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
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>VornLiftOffDistance</name>
    <message>
        <source>3 mm</source>
        <translation>3 毫米</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 毫米</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 毫米</translation>
    </message>
    <message>
        <source>Lift Off Distance</source>
        <translation>静默高度</translation>
    </message>
</context>
<context>
    <name>VornMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重复执行直到再次按下按键</translation>
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
    <name>VornMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>VornPointSpeed</name>
    <message>
        <source>POINTER SPEED</source>
        <translation>指针速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
</context>
<context>
    <name>VornReportRate</name>
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
</context>
<context>
    <name>VornSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
</context>
<context>
    <name>VornSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙击设置</translation>
    </message>
</context>
</TS>