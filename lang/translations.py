#!/usr/bin/env python3
"""Fills lang/sc.ts and lang/tc.ts from the table below (and en.ts with the
source texts), after `cmake --build build --target lupdate` has added new
source texts. Run from the repository root: python3 lang/translations.py"""
import sys
import xml.etree.ElementTree as ET

# source text: (Simplified Chinese, Traditional Chinese)
TABLE = {
    "MousecfgWidget": ("MousecfgWidget", "MousecfgWidget"),
    "&Load Config": ("加载配置(&L)", "載入設定(&L)"),
    "&Quit": ("退出(&Q)", "結束(&Q)"),
    # The program profiles: the mode follows the program in front.
    "Program Profiles": ("程序配置", "程式設定檔"),
    "Stay": ("保持不变", "保持不變"),
    "Switch the mode for the program in front": ("按前台程序切换模式", "依前景程式切換模式"),
    "Other programs:": ("其他程序：", "其他程式："),
    "Program": ("程序", "程式"),
    "Executable or window class": ("可执行文件名或窗口类", "執行檔名稱或視窗類別"),
    "Add": ("添加", "新增"),
    "Remove": ("移除", "移除"),
    "Open programs": ("已打开的程序", "已開啟的程式"),
    "(none found)": ("（未找到）", "（找不到）"),
    "On Wayland the program in front cannot be known: only programs that run under X11 (XWayland) are followed.":
        ("在 Wayland 下无法得知前台程序：只跟随在 X11（XWayland）下运行的程序。",
         "在 Wayland 下無法得知前景程式：只跟隨在 X11（XWayland）下執行的程式。"),
    "The program in front cannot be known on this desktop: the mode does not follow it.":
        ("在此桌面上无法得知前台程序：模式不会跟随它切换。",
         "在此桌面上無法得知前景程式：模式不會跟隨它切換。"),
    "The program profiles could not be saved.": ("无法保存程序配置。", "無法儲存程式設定檔。"),
    "Mode": ("模式", "模式"),
    "MODE": ("模式", "模式"),
    "GAMING MOUSE CONFIG": ("游戏鼠标设置", "遊戲滑鼠設定"),
    "Profile": ("配置", "設定檔"),
    "Version": ("版本", "版本"),
    "Press Enter To Apply": ("按回车键应用", "按 Enter 鍵套用"),
    "NAME": ("名称", "名稱"),
    "SAVE": ("导出", "匯出"),
    "LOAD": ("导入", "匯入"),
    "RESET": ("重置", "重設"),
    "ADD": ("新建", "新增"),
    "DELETE": ("删除", "刪除"),
    "COPY": ("复制", "複製"),
    "Reset All": ("全部重置", "全部重設"),
    "OK": ("确定", "確定"),
    "Cancel": ("取消", "取消"),
    "Apply": ("应用", "套用"),
    "LIGHTING": ("灯光", "燈光"),
    "CUSTOMIZE": ("按键", "按鍵"),
    "DPI": ("DPI", "DPI"),
    "MACRO": ("宏", "巨集"),
    "Front": ("正面", "正面"),
    "Side": ("侧面", "側面"),
    "Warning": ("警告", "警告"),
    # A present mouse whose nodes cannot be opened.
    "The mouse is connected, but %1 cannot be opened: permission denied. Install the udev rule (sudo cmake --install build puts it at %2), then unplug and plug the mouse again.":
        ("鼠标已连接，但无法打开 %1：权限被拒绝。请安装 udev 规则（sudo cmake --install build 会将其放到 %2），然后拔下鼠标再重新插入。",
         "滑鼠已連接，但無法開啟 %1：權限遭拒。請安裝 udev 規則（sudo cmake --install build 會將其放到 %2），然後拔下滑鼠再重新插入。"),
    "The mouse is connected, but %1 cannot be opened: %2. Unplug and plug the mouse again.":
        ("鼠标已连接，但无法打开 %1：%2。请拔下鼠标再重新插入。",
         "滑鼠已連接，但無法開啟 %1：%2。請拔下滑鼠再重新插入。"),
    "unknown error": ("未知错误", "未知錯誤"),
    "NO MOUSE DETECTED!": ("未检测到鼠标！", "未偵測到滑鼠！"),
    "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.": ("至少保留一个左键功能。", "至少保留一個左鍵功能。"),
    "Yes": ("是", "是"),
    "No": ("否", "否"),
    "Ok": ("确定", "確定"),
    "LEFT CLICK": ("鼠标左键", "滑鼠左鍵"),
    "RIGHT CLICK": ("鼠标右键", "滑鼠右鍵"),
    "MIDDLE CLICK": ("鼠标中键", "滑鼠中鍵"),
    "BACKWARD": ("后退键", "後退鍵"),
    "FORWARD": ("前进键", "前進鍵"),
    "MOVE UP": ("向上移动", "向上移動"),
    "MOVE DOWN": ("向下移动", "向下移動"),
    "MOVE LEFT": ("向左移动", "向左移動"),
    "MOVE RIGHT": ("向右移动", "向右移動"),
    "Mode %1: \"%2\"": ("模式 %1：“%2”", "模式 %1：「%2」"),
    "These profile names cannot be file names, so their profiles were neither loaded nor saved. Rename them:":
        ("以下配置名称不能用作文件名，因此这些配置既未加载也未保存。请重命名：",
         "以下設定檔名稱不能用作檔案名稱，因此這些設定檔既未載入也未儲存。請重新命名："),
    "The profile list could not be saved to %1.": ("无法将配置列表保存到 %1。", "無法將設定檔清單儲存到 %1。"),
    "Profile is Already Used!": ("该配置已被使用！", "該設定檔已被使用！"),
    "The profile file could not be written.": ("无法写入配置文件。", "無法寫入設定檔案。"),
    "AT LEAST ONE PROFILE TO BE RETAINED.": ("至少保留一个配置。", "至少保留一個設定檔。"),
    "The default Profile cannot be deleted or renamed.": ("默认配置不能删除或重命名。", "預設設定檔不能刪除或重新命名。"),
    "Are you sure you want delete this profile?": ("确定要删除此配置吗？", "確定要刪除此設定檔嗎？"),
    "The profile file could not be deleted.": ("无法删除配置文件。", "無法刪除設定檔案。"),
    "Profile Exist!": ("配置已存在！", "設定檔已存在！"),
    "Save Profile File": ("导出配置文件", "匯出設定檔案"),
    "Profile File(*.prof)": ("配置文件(*.prof)", "設定檔案(*.prof)"),
    "%1 already exists. Do you want to replace it?": ("%1 已存在。要替换它吗？", "%1 已存在。要取代它嗎？"),
    "The profile could not be exported.": ("无法导出配置。", "無法匯出設定檔。"),
    "Load Profile File": ("导入配置文件", "匯入設定檔案"),
    "The file is not match current mouse!": ("该文件与当前鼠标不匹配！", "該檔案與目前滑鼠不符！"),
    "The profile could not be imported.": ("无法导入配置。", "無法匯入設定檔。"),
    "Are you sure you want reset this profile?": ("确定要重置此配置吗？", "確定要重設此設定檔嗎？"),
    "Are you sure you want reset all profiles?": ("确定要重置全部配置吗？", "確定要重設全部設定檔嗎？"),
    "Enable": ("启用", "啟用"),
    "STAGE %1": ("档位 %1", "檔位 %1"),
    "Link XY": ("XY 联动", "XY 連動"),
    "EFFECT": ("灯效", "燈效"),
    "BRIGHTNESS": ("亮度", "亮度"),
    "SPEED": ("速度", "速度"),
    "BREATHING": ("呼吸", "呼吸"),
    "RAINBOW": ("彩虹", "彩虹"),
    "FULL LIGHTED": ("常亮", "恆亮"),
    "WAVE": ("波浪", "波浪"),
    "GO WITHOUT TRACE": ("踏雪无痕", "踏雪無痕"),
    "REACTIVE": ("按键反应", "按鍵反應"),
    "FLASH": ("闪烁", "閃爍"),
    "OFF": ("关闭", "關閉"),
    "7 COLOR BREATHING": ("七彩呼吸", "七彩呼吸"),
    "COLOR": ("颜色", "顏色"),
    "APPLY": ("应用", "套用"),
    "POINTER SPEED": ("指针速度", "指標速度"),
    "SCROLL SPEED": ("滚轮速度", "滾輪速度"),
    "REPORT RATE": ("回报率", "回報率"),
    "125 HZ": ("125 HZ", "125 HZ"),
    "250 HZ": ("250 HZ", "250 HZ"),
    "500 HZ": ("500 HZ", "500 HZ"),
    "1000 HZ": ("1000 HZ", "1000 HZ"),
    "Lift Off Distance": ("静默高度", "靜默高度"),
    "3 mm": ("3 毫米", "3 公釐"),
    "2 mm": ("2 毫米", "2 公釐"),
    "1 mm": ("1 毫米", "1 公釐"),
    # Macros and gun files (the mouse-command names are above).
    "A MACRO HOLDS AT MOST 63 EVENTS. NOTHING MORE WAS ADDED.":
        ("一个宏最多包含 63 个事件，未再添加任何内容。", "一個巨集最多包含 63 個事件，未再新增任何內容。"),
    "A RECORDING WITHOUT DELAYS HOLDS AT MOST %1 EVENTS. NOTHING MORE WAS RECORDED.":
        ("不含延时的录制最多包含 %1 个事件，未再录制任何内容。",
         "不含延遲的錄製最多包含 %1 個事件，未再錄製任何內容。"),
    "THE MOUSE KEEPS ONLY THE FIRST 51 EVENTS OF A MACRO WITHOUT DELAYS; THE REST WILL NOT PLAY.":
        ("对于不含延时的宏，鼠标只保留前 51 个事件，其余事件不会执行。",
         "對於不含延遲的巨集，滑鼠只保留前 51 個事件，其餘事件不會執行。"),
    "THE FILE HOLDS MORE THAN 63 EVENTS; ONLY THE FIRST 63 WERE KEPT.":
        ("该文件包含超过 63 个事件，只保留了前 63 个。", "該檔案包含超過 63 個事件，只保留了前 63 個。"),
    "THIS IS NOT A MACRO FILE.": ("这不是宏文件。", "這不是巨集檔案。"),
    "Macro Exist!": ("宏已存在！", "巨集已存在！"),
    "TOO MANY MACROS TO BE CREATE!": ("宏数量过多，无法创建！", "巨集數量過多，無法建立！"),
    "THE MACRO FILE COULD NOT BE WRITTEN.": ("无法写入宏文件。", "無法寫入巨集檔案。"),
    "MACRO NAME": ("宏名称", "巨集名稱"),
    "MOUSE ACTION": ("鼠标动作", "滑鼠動作"),
    "START": ("开始录制", "開始錄製"),
    "NEW": ("新建", "新增"),
    "CHANGE NAME": ("重命名", "重新命名"),
    "CANCEL": ("取消", "取消"),
    "IMPORT MACRO": ("导入宏", "匯入巨集"),
    "EXPORT MACRO": ("导出宏", "匯出巨集"),
    "BATCH": ("批量", "批次"),
    "INSERT DELAY": ("插入延时", "插入延遲"),
    "GUN SET": ("枪械设置", "槍械設定"),
    "TOP": ("移至顶部", "移至頂端"),
    "BOTTOM": ("移至底部", "移至底端"),
    "CLEAR": ("清空", "清除"),
    "CUT": ("剪切", "剪下"),
    "PASTE": ("粘贴", "貼上"),
    "RECORD AFTER": ("在此后录制", "在此後錄製"),
    "RECORD DELAYS BETWEEN ACTION": ("录制动作间延时", "錄製動作間延遲"),
    "INSERT DEFAULT DELAY": ("插入默认延时", "插入預設延遲"),
    "LOOPS TIME(1-255)": ("循环次数(1-255)", "循環次數(1-255)"),
    "REPEAT RUN WHEN KEY DOWN": ("按住按键时重复执行", "按住按鍵時重複執行"),
    "REPEAT RUN UNTIL THE KEY DOWN": ("重复执行直到再次按下按键", "重複執行直到再次按下按鍵"),
    "REPEAT RUN UNTILL THE KEY DOWN": ("重复执行直到再次按下按键", "重複執行直到再次按下按鍵"),
    "Load Macro File": ("载入宏文件", "載入巨集檔案"),
    "Save Macro File": ("保存宏文件", "儲存巨集檔案"),
    "Macro File(*.MSMACRO)": ("宏文件(*.MSMACRO)", "巨集檔案(*.MSMACRO)"),
    "ONE OR MORE KEYS HAS NOT BEEN RELEASED.": ("有一个或多个按键未释放。", "有一個或多個按鍵未放開。"),
    "WARNING": ("警告", "警告"),
    "MOUSE COMMAND": ("鼠标命令", "滑鼠命令"),
    "PRESS DOWN": ("按下", "按下"),
    "BOUNCE UP": ("弹起", "彈起"),
    "Gun Edit": ("枪械编辑", "槍械編輯"),
    "GUN EDIT": ("枪械编辑", "槍械編輯"),
    "Distance": ("距离", "距離"),
    "Gun Set": ("枪械设置", "槍械設定"),
    "GUNFILE NAME": ("枪械文件名", "槍械檔名"),
    "BULLETS": ("子弹数", "子彈數"),
    "DELAY(MS)": ("延时(毫秒)", "延遲(毫秒)"),
    "Y": ("Y", "Y"),
    "X": ("X", "X"),
    "Please input file name.": ("请输入文件名。", "請輸入檔名。"),
    # The CUSTOMIZE panel: functions, submenus and messages.
    "Left": ("左键", "左鍵"),
    "Right": ("右键", "右鍵"),
    "Middle": ("中键", "中鍵"),
    "Forward": ("前进", "前進"),
    "Back": ("后退", "後退"),
    "Basic": ("基本", "基本"),
    "Cut": ("剪切", "剪下"),
    "Copy": ("复制", "複製"),
    "Paste": ("粘贴", "貼上"),
    "All": ("全选", "全選"),
    "Find": ("查找", "尋找"),
    "New": ("新建", "新增"),
    "Print": ("打印", "列印"),
    "Save": ("保存", "儲存"),
    "Windows": ("系统", "系統"),
    "Switch Window": ("切换窗口", "切換視窗"),
    "Close Window": ("关闭窗口", "關閉視窗"),
    "My Computer": ("我的电脑", "我的電腦"),
    "Run": ("运行", "執行"),
    "Show Desktop": ("显示桌面", "顯示桌面"),
    "Lock PC": ("锁定电脑", "鎖定電腦"),
    "Browser Home": ("浏览器主页", "瀏覽器首頁"),
    "Browser Backward": ("浏览器后退", "瀏覽器上一頁"),
    "Browser Forward": ("浏览器前进", "瀏覽器下一頁"),
    "Browser Stop": ("浏览器停止", "瀏覽器停止"),
    "Browser Refresh": ("浏览器刷新", "瀏覽器重新整理"),
    "Browser Search": ("浏览器搜索", "瀏覽器搜尋"),
    "Browser Favorite": ("浏览器收藏夹", "瀏覽器我的最愛"),
    "Mail": ("邮件", "郵件"),
    "Advance": ("高级", "進階"),
    "SINGLE KEY": ("单键", "單鍵"),
    "COMBO KEY": ("组合键", "組合鍵"),
    "FIRE KEY": ("连发键", "連發鍵"),
    "SNIPER": ("狙击", "狙擊"),
    "Media": ("多媒体", "多媒體"),
    "Play/Pause": ("播放/暂停", "播放/暫停"),
    "Stop": ("停止播放", "停止播放"),
    "Previous Track": ("上一曲", "上一首"),
    "Next Track": ("下一曲", "下一首"),
    "Volume Up": ("音量增大", "音量增大"),
    "Volume Down": ("音量减小", "音量減小"),
    "Mute": ("静音", "靜音"),
    "Media Player": ("媒体播放器", "媒體播放器"),
    "DPI Switch": ("DPI 切换", "DPI 切換"),
    "DPI +": ("DPI +", "DPI +"),
    "DPI -": ("DPI -", "DPI -"),
    "Profile Menu": ("配置切换", "設定檔切換"),
    "Profile Switch": ("配置循环", "設定檔循環"),
    "Profile +": ("配置 +", "設定檔 +"),
    "Profile -": ("配置 -", "設定檔 -"),
    "Polling Rate": ("回报率", "回報率"),
    "Rate +": ("回报率 +", "回報率 +"),
    "Rate -": ("回报率 -", "回報率 -"),
    "Macro Manager": ("宏管理", "巨集管理"),
    "GunFile Manager": ("压枪文件管理", "壓槍檔案管理"),
    "Led Switch": ("灯光切换", "燈光切換"),
    "Button Off": ("禁用按键", "停用按鍵"),
    "Scroll Up": ("向上滚动", "向上捲動"),
    "Scroll Down": ("向下滚动", "向下捲動"),
    "MACRO SELECT": ("选择宏", "選擇巨集"),
    "GUNFILE SELECT": ("选择压枪文件", "選擇壓槍檔案"),
    "Left Button Can not be Gun Function.": ("左键不能设为压枪功能。", "左鍵不能設為壓槍功能。"),
    "You can only assign 7 different macros.": ("最多只能分配 7 个不同的宏。", "最多只能指派 7 個不同的巨集。"),
    "You can only assign 20 different macros.": ("最多只能分配 20 个不同的宏。", "最多只能指派 20 個不同的巨集。"),
    # The key editors.
    "STOP": ("停止", "停止"),
    "EDIT": ("编辑", "編輯"),
    "Single Key": ("单键", "單鍵"),
    "Combo Key": ("组合键", "組合鍵"),
    "FireKey Setting": ("连发键设置", "連發鍵設定"),
    "Keyboard Key": ("键盘按键", "鍵盤按鍵"),
    "Times:": ("次数：", "次數："),
    "Delay:": ("延时：", "延遲："),
    "Sniper Setting": ("狙击设置", "狙擊設定"),
    "%1 is missing, empty or unreadable. Start every profile from the mouse's defaults?": ("%1 缺失、为空或无法读取。要让所有配置从鼠标的默认设置开始吗？", "%1 遺失、為空或無法讀取。要讓所有設定檔從滑鼠的預設值開始嗎？"),
    "The profile file %1 is missing, empty or unreadable. Start profile %2 from the mouse's defaults?": ("配置文件 %1 缺失、为空或无法读取。要让配置 %2 从鼠标的默认设置开始吗？", "設定檔 %1 遺失、為空或無法讀取。要讓設定檔 %2 從滑鼠的預設值開始嗎？"),
    "%1: %2 = %3 (allowed: %4)": ("%1：%2 = %3（允许：%4）", "%1：%2 = %3（允許：%4）"),
    "Nothing was sent: the mouse has no setting for these values.": ("未发送任何内容：鼠标没有对应这些值的设置。", "未傳送任何內容：滑鼠沒有對應這些值的設定。"),
    "These macros have no file; their buttons get pauses only: %1": ("以下宏没有文件，其按键只会得到停顿：%1", "以下巨集沒有檔案，其按鍵只會得到停頓：%1"),
    "it is empty": ("它为空", "它為空"),
    'it is "." or ".."': ('它是 "." 或 ".."', '它是 "." 或 ".."'),
    'it contains one of / \\ : * ? " < > |': ('它包含 / \\ : * ? " < > | 之一', '它包含 / \\ : * ? " < > | 之一'),
    "it contains control characters": ("它包含控制字符", "它包含控制字元"),
    "it contains invisible formatting characters (such as U+202E or U+200B)":
        ("它包含不可见的格式字符（如 U+202E 或 U+200B）", "它包含不可見的格式字元（如 U+202E 或 U+200B）"),
    "it ends with a dot or a space": ("它以点或空格结尾", "它以點或空格結尾"),
    "it is longer than %1 characters or %2 bytes": ("它超过 %1 个字符或 %2 个字节", "它超過 %1 個字元或 %2 個位元組"),
    "it is longer than %1 bytes": ("它超过 %1 个字节", "它超過 %1 個位元組"),
    "This name cannot be used for a profile: %1.": ("此名称不能用作配置名称：%1。", "此名稱不能用作設定檔名稱：%1。"),
    "THIS NAME CANNOT BE USED AS A MACRO NAME: %1.": ("此名称不能用作宏名称：%1。", "此名稱不能用作巨集名稱：%1。"),
    "The settings could not be saved to %1: %2. Nothing was sent to the mouse.":
        ("无法将设置保存到 %1：%2。未向鼠标发送任何内容。", "無法將設定儲存到 %1：%2。未向滑鼠傳送任何內容。"),
    "The mouse did not take every setting: %1 failed (%2). Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=<file> and send that file to support.":
        ("鼠标未接受全部设置：%1 失败（%2）。请重新插拔鼠标后再试；如果仍然失败，请以 KORVALEN_HID_TRACE=<文件> 启动程序，并将该文件发送给技术支持。",
         "滑鼠未接受全部設定：%1 失敗（%2）。請重新插拔滑鼠後再試；如果仍然失敗，請以 KORVALEN_HID_TRACE=<檔案> 啟動程式，並將該檔案傳送給技術支援。"),
    "The lighting preview did not reach the mouse. Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=<file> and send that file to support.":
        ("灯光预览未能送达鼠标。请重新插拔鼠标后再试；如果仍然失败，请以 KORVALEN_HID_TRACE=<文件> 启动程序，并将该文件发送给技术支持。",
         "燈光預覽未能送達滑鼠。請重新插拔滑鼠後再試；如果仍然失敗，請以 KORVALEN_HID_TRACE=<檔案> 啟動程式，並將該檔案傳送給技術支援。"),
}

# Texts whose meaning depends on where they stand: (context, source text).
CONTEXT_TABLE = {
    ("MacroDialog", "SAVE"): ("保存", "儲存"),
    ("MacroDialog", "DELETE"): ("删除", "刪除"),
    ("MacroDialog", "STOP"): ("停止录制", "停止錄製"),
}


def fill(path, column, language):
    tree = ET.parse(path)
    tree.getroot().set("language", language)
    missing = []
    for context in tree.iter("context"):
        context_name = context.find("name").text
        for message in context.iter("message"):
            fill_message(message, context_name, column, missing)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    return missing


def fill_message(message, context_name, column, missing):
    source = message.find("source").text
    translation = message.find("translation")
    if column is None:
        text = source
    elif (context_name, source) in CONTEXT_TABLE:
        text = CONTEXT_TABLE[(context_name, source)][column]
    elif source in TABLE:
        text = TABLE[source][column]
    else:
        missing.append(source)
        return
    translation.text = text
    translation.attrib.pop("type", None)


if __name__ == "__main__":
    missing = fill("lang/en.ts", None, "en_US")
    missing += fill("lang/sc.ts", 0, "zh_CN")
    missing += fill("lang/tc.ts", 1, "zh_TW")
    if missing:
        print("no translation for:", *sorted(set(missing)), sep="\n  ")
        sys.exit(1)
