<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse is connected, but %1 cannot be opened: permission denied. Install the udev rule (sudo cmake --install build puts it at %2), then unplug and plug the mouse again.</source>
        <translation>滑鼠已連接，但無法開啟 %1：權限遭拒。請安裝 udev 規則（sudo cmake --install build 會將其放到 %2），然後拔下滑鼠再重新插入。</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知錯誤</translation>
    </message>
    <message>
        <source>The mouse is connected, but %1 cannot be opened: %2. Unplug and plug the mouse again.</source>
        <translation>滑鼠已連接，但無法開啟 %1：%2。請拔下滑鼠再重新插入。</translation>
    </message>
</context>
<context>
    <name>FileNameRule</name>
    <message>
        <source>it is empty</source>
        <translation>它為空</translation>
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
        <translation>它包含控制字元</translation>
    </message>
    <message>
        <source>it contains invisible formatting characters (such as U+202E or U+200B)</source>
        <translation>它包含不可見的格式字元（如 U+202E 或 U+200B）</translation>
    </message>
    <message>
        <source>it ends with a dot or a space</source>
        <translation>它以點或空格結尾</translation>
    </message>
    <message>
        <source>it is longer than %1 characters or %2 bytes</source>
        <translation>它超過 %1 個字元或 %2 個位元組</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>它超過 %1 個位元組</translation>
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
        <translation>編輯</translation>
    </message>
</context>
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
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS. NOTHING MORE WAS ADDED.</source>
        <translation>一個巨集最多包含 63 個事件，未再新增任何內容。</translation>
    </message>
    <message>
        <source>THE MOUSE KEEPS ONLY THE FIRST 51 EVENTS OF A MACRO WITHOUT DELAYS; THE REST WILL NOT PLAY.</source>
        <translation>對於不含延遲的巨集，滑鼠只保留前 51 個事件，其餘事件不會執行。</translation>
    </message>
    <message>
        <source>THE FILE HOLDS MORE THAN 63 EVENTS; ONLY THE FIRST 63 WERE KEPT.</source>
        <translation>該檔案包含超過 63 個事件，只保留了前 63 個。</translation>
    </message>
    <message>
        <source>THIS IS NOT A MACRO FILE.</source>
        <translation>這不是巨集檔案。</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>巨集已存在！</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>巨集數量過多，無法建立！</translation>
    </message>
    <message>
        <source>THE MACRO FILE COULD NOT BE WRITTEN.</source>
        <translation>無法寫入巨集檔案。</translation>
    </message>
    <message>
        <source>A RECORDING WITHOUT DELAYS HOLDS AT MOST %1 EVENTS. NOTHING MORE WAS RECORDED.</source>
        <translation>不含延遲的錄製最多包含 %1 個事件，未再錄製任何內容。</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED AS A MACRO NAME: %1.</source>
        <translation>此名稱不能用作巨集名稱：%1。</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>MACRO NAME</source>
        <translation>巨集名稱</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>滑鼠動作</translation>
    </message>
    <message>
        <source>START</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新增</translation>
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
        <source>IMPORT MACRO</source>
        <translation>匯入巨集</translation>
    </message>
    <message>
        <source>EXPORT MACRO</source>
        <translation>匯出巨集</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批次</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延遲</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>槍械設定</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>移至頂端</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>移至底端</translation>
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
        <source>CLEAR</source>
        <translation>清除</translation>
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
        <source>RECORD AFTER</source>
        <translation>在此後錄製</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>錄製動作間延遲</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入預設延遲</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按鍵時重複執行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重複執行直到再次按下按鍵</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
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
        <source>THE MACRO FILE COULD NOT BE WRITTEN.</source>
        <translation>無法寫入巨集檔案。</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一個或多個按鍵未放開。</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>巨集數量過多，無法建立！</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>滑鼠命令</translation>
    </message>
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
    <message>
        <source>GAMING MOUSE CONFIG</source>
        <translation>遊戲滑鼠設定</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Program Profiles</source>
        <translation>程式設定檔</translation>
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
    <message>
        <source>This name cannot be used for a profile: %1.</source>
        <translation>此名稱不能用作設定檔名稱：%1。</translation>
    </message>
</context>
<context>
    <name>ProgramProfilesDialog</name>
    <message>
        <source>Stay</source>
        <translation>保持不變</translation>
    </message>
    <message>
        <source>Program Profiles</source>
        <translation>程式設定檔</translation>
    </message>
    <message>
        <source>Switch the mode for the program in front</source>
        <translation>依前景程式切換模式</translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation>其他程式：</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程式</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Executable or window class</source>
        <translation>執行檔名稱或視窗類別</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Open programs</source>
        <translation>已開啟的程式</translation>
    </message>
    <message>
        <source>On Wayland the program in front cannot be known: only programs that run under X11 (XWayland) are followed.</source>
        <translation>在 Wayland 下無法得知前景程式：只跟隨在 X11（XWayland）下執行的程式。</translation>
    </message>
    <message>
        <source>The program in front cannot be known on this desktop: the mode does not follow it.</source>
        <translation>在此桌面上無法得知前景程式：模式不會跟隨它切換。</translation>
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
        <source>(none found)</source>
        <translation>（找不到）</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The program profiles could not be saved.</source>
        <translation>無法儲存程式設定檔。</translation>
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
        <translation>%1 遺失、為空或無法讀取。要讓所有設定檔從滑鼠的預設值開始嗎？</translation>
    </message>
    <message>
        <source>The profile file %1 is missing, empty or unreadable. Start profile %2 from the mouse's defaults?</source>
        <translation>設定檔 %1 遺失、為空或無法讀取。要讓設定檔 %2 從滑鼠的預設值開始嗎？</translation>
    </message>
    <message>
        <source>%1: %2 = %3 (allowed: %4)</source>
        <translation>%1：%2 = %3（允許：%4）</translation>
    </message>
    <message>
        <source>Nothing was sent: the mouse has no setting for these values.</source>
        <translation>未傳送任何內容：滑鼠沒有對應這些值的設定。</translation>
    </message>
    <message>
        <source>These macros have no file; their buttons get pauses only: %1</source>
        <translation>以下巨集沒有檔案，其按鍵只會得到停頓：%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2. Nothing was sent to the mouse.</source>
        <translation>無法將設定儲存到 %1：%2。未向滑鼠傳送任何內容。</translation>
    </message>
    <message>
        <source>The mouse did not take every setting: %1 failed (%2). Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=&lt;file&gt; and send that file to support.</source>
        <translation>滑鼠未接受全部設定：%1 失敗（%2）。請重新插拔滑鼠後再試；如果仍然失敗，請以 KORVALEN_HID_TRACE=&lt;檔案&gt; 啟動程式，並將該檔案傳送給技術支援。</translation>
    </message>
</context>
<context>
    <name>VornBtnWindow</name>
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
        <translation>狙擊</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止播放</translation>
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
        <translation>音量增大</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量減小</translation>
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
        <translation>設定檔循環</translation>
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
        <source>Rate +</source>
        <translation>回報率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回報率 -</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>巨集管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>壓槍檔案管理</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>燈光切換</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>停用按鍵</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上捲動</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下捲動</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>進階</translation>
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
        <translation>設定檔切換</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左鍵不能設為壓槍功能。</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>選擇壓槍檔案</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>選擇巨集</translation>
    </message>
    <message>
        <source>You can only assign 7 different macros.</source>
        <translation>最多只能指派 7 個不同的巨集。</translation>
    </message>
    <message>
        <source>You can only assign 20 different macros.</source>
        <translation>最多只能指派 20 個不同的巨集。</translation>
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
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The lighting preview did not reach the mouse. Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=&lt;file&gt; and send that file to support.</source>
        <translation>燈光預覽未能送達滑鼠。請重新插拔滑鼠後再試；如果仍然失敗，請以 KORVALEN_HID_TRACE=&lt;檔案&gt; 啟動程式，並將該檔案傳送給技術支援。</translation>
    </message>
</context>
<context>
    <name>VornComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>組合鍵</translation>
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
    <name>VornFireKeyWindow</name>
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
        <translation>次數：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延遲：</translation>
    </message>
</context>
<context>
    <name>VornGunEditDialog</name>
    <message>
        <source>Gun Edit</source>
        <translation>槍械編輯</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>槍械編輯</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>滑鼠動作</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
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
        <translation>槍械設定</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>槍械設定</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>槍械檔名</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子彈數</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延遲(毫秒)</translation>
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
        <translation>請輸入檔名。</translation>
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
    <name>VornMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按鍵時重複執行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重複執行直到再次按下按鍵</translation>
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
<context>
    <name>VornSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
</context>
<context>
    <name>VornSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙擊設定</translation>
    </message>
</context>
</TS>