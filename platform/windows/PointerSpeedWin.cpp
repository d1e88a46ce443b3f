#include "platform/PointerSpeed.h"

#include <QTimer>

#include <windows.h>

bool setSystemPointerSpeed(int speed, int *error)
{
    // The speed travels as the pointer argument itself, not through it.
    const BOOL ok = SystemParametersInfoW(SPI_SETMOUSESPEED, 0,
                                          reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    if (!ok && error)
        *error = int(GetLastError());
    return ok != FALSE;
}

int systemPointerSpeed()
{
    int value = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &value, 0))
        return 0;
    return value;
}

void readSystemPointerSpeedLater(QObject *context, std::function<void(int)> done)
{
    // The call itself is quick; only the answer's timing matches Linux.
    QTimer::singleShot(0, context, [done] { done(systemPointerSpeed()); });
}
