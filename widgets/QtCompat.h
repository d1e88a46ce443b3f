#pragma once

// The few spellings that differ between Qt 5.15 and Qt 6; everything else
// is written so that both compile it unchanged.

#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QEnterEvent>
// QWidget::enterEvent's parameter.
using WidgetEnterEvent = QEnterEvent;
// QWidget::nativeEvent's result.
using NativeEventResult = qintptr;
#else
#include <QEvent>
using WidgetEnterEvent = QEvent;
using NativeEventResult = long;
#endif
