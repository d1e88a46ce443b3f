#pragma once

// The few spellings that differ between Qt 5.15 and Qt 6; everything else
// is written so that both compile it unchanged.

#include <QCoreApplication>
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

// Qt's own high-DPI scaling off, before the application object exists: an
// attribute on Qt 5; on Qt 6, where scaling is always on, the environment.
inline void disableQtHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
#else
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
#endif
}
