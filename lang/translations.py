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
    "Mode %1: \"%2\"": ("模式 %1：“%2”", "模式 %1：「%2」"),
    "These profile names cannot be file names, so their profiles were neither loaded nor saved. Rename them:":
        ("以下配置名称不能用作文件名，因此这些配置既未加载也未保存。请重命名：",
         "以下設定檔名稱不能用作檔案名稱，因此這些設定檔既未載入也未儲存。請重新命名："),
    "A profile name cannot be empty.": ("配置名称不能为空。", "設定檔名稱不能為空。"),
    "A profile name cannot contain \"/\" or \"\\\".": ("配置名称不能包含“/”或“\\”。", "設定檔名稱不能包含「/」或「\\」。"),
    "A profile name cannot contain control characters.": ("配置名称不能包含控制字符。", "設定檔名稱不能包含控制字元。"),
    "A profile name cannot be \".\" or \"..\".": ("配置名称不能是“.”或“..”。", "設定檔名稱不能是「.」或「..」。"),
    "A profile name cannot end with a dot or a space.": ("配置名称不能以句点或空格结尾。", "設定檔名稱不能以句點或空格結尾。"),
    "A profile name can have at most 100 characters.": ("配置名称最多 100 个字符。", "設定檔名稱最多 100 個字元。"),
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
