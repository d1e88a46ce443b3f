<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>Macro</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前進鍵</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>後退鍵</translation>
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
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
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
        <source>Mode</source>
        <translation>模式</translation>
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
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重設</translation>
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
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>燈光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按鍵</translation>
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
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>NO MOUSE DETECTED!</source>
        <translation>未偵測到滑鼠！</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少保留一個左鍵功能。</translation>
    </message>
</context>
<context>
    <name>ProfileFileCommands</name>
    <message>
        <source>Mode %1: "%2"</source>
        <translation>模式 %1：「%2」</translation>
    </message>
    <message>
        <source>These profile names cannot be file names, so their profiles were neither loaded nor saved. Rename them:</source>
        <translation>以下設定檔名稱不能用作檔案名稱，因此這些設定檔既未載入也未儲存。請重新命名：</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>A profile name cannot be empty.</source>
        <translation>設定檔名稱不能為空。</translation>
    </message>
    <message>
        <source>A profile name cannot contain "/" or "\".</source>
        <translation>設定檔名稱不能包含「/」或「\」。</translation>
    </message>
    <message>
        <source>A profile name cannot contain control characters.</source>
        <translation>設定檔名稱不能包含控制字元。</translation>
    </message>
    <message>
        <source>A profile name cannot be "." or "..".</source>
        <translation>設定檔名稱不能是「.」或「..」。</translation>
    </message>
    <message>
        <source>A profile name cannot end with a dot or a space.</source>
        <translation>設定檔名稱不能以句點或空格結尾。</translation>
    </message>
    <message>
        <source>A profile name can have at most 100 characters.</source>
        <translation>設定檔名稱最多 100 個字元。</translation>
    </message>
    <message>
        <source>The profile list could not be saved to %1.</source>
        <translation>無法將設定檔清單儲存到 %1。</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>該設定檔已被使用！</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>無法寫入設定檔案。</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少保留一個設定檔。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>預設設定檔不能刪除或重新命名。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>確定要刪除此設定檔嗎？</translation>
    </message>
    <message>
        <source>The profile file could not be deleted.</source>
        <translation>無法刪除設定檔案。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>設定檔已存在！</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>匯出設定檔案</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>設定檔案(*.prof)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要取代它嗎？</translation>
    </message>
    <message>
        <source>The profile could not be exported.</source>
        <translation>無法匯出設定檔。</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>匯入設定檔案</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>該檔案與目前滑鼠不符！</translation>
    </message>
    <message>
        <source>The profile could not be imported.</source>
        <translation>無法匯入設定檔。</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>確定要重設此設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>確定要重設全部設定檔嗎？</translation>
    </message>
</context>
<context>
    <name>VornColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>套用</translation>
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
        <translation>恆亮</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>踏雪無痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>按鍵反應</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
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
</context>
<context>
    <name>VornDPIWindow</name>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>STAGE %1</source>
        <translation>檔位 %1</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 連動</translation>
    </message>
</context>
<context>
    <name>VornLiftOffDistance</name>
    <message>
        <source>3 mm</source>
        <translation>3 公釐</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 公釐</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 公釐</translation>
    </message>
    <message>
        <source>Lift Off Distance</source>
        <translation>靜默高度</translation>
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
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>VornPointSpeed</name>
    <message>
        <source>POINTER SPEED</source>
        <translation>指標速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滾輪速度</translation>
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
        <translation>回報率</translation>
    </message>
</context>
</TS>