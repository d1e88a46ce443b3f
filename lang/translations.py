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
