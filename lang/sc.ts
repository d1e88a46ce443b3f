<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
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
        <source>A profile name cannot be empty.</source>
        <translation>配置名称不能为空。</translation>
    </message>
    <message>
        <source>A profile name cannot contain "/" or "\".</source>
        <translation>配置名称不能包含“/”或“\”。</translation>
    </message>
    <message>
        <source>A profile name cannot contain control characters.</source>
        <translation>配置名称不能包含控制字符。</translation>
    </message>
    <message>
        <source>A profile name cannot be "." or "..".</source>
        <translation>配置名称不能是“.”或“..”。</translation>
    </message>
    <message>
        <source>A profile name cannot end with a dot or a space.</source>
        <translation>配置名称不能以句点或空格结尾。</translation>
    </message>
    <message>
        <source>A profile name can have at most 100 characters.</source>
        <translation>配置名称最多 100 个字符。</translation>
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
</TS>