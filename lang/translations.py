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
    "Mode": ("模式", "模式"),
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
}


def fill(path, column, language):
    tree = ET.parse(path)
    tree.getroot().set("language", language)
    missing = []
    for message in tree.iter("message"):
        source = message.find("source").text
        translation = message.find("translation")
        if column is None:
            text = source
        elif source in TABLE:
            text = TABLE[source][column]
        else:
            missing.append(source)
            continue
        translation.text = text
        translation.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    return missing


if __name__ == "__main__":
    missing = fill("lang/en.ts", None, "en_US")
    missing += fill("lang/sc.ts", 0, "zh_CN")
    missing += fill("lang/tc.ts", 1, "zh_TW")
    if missing:
        print("no translation for:", *sorted(set(missing)), sep="\n  ")
        sys.exit(1)
