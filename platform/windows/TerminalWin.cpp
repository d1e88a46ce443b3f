#include "platform/Terminal.h"

#include <io.h>
#include <stdio.h>

bool isStandardOutputTerminal()
{
    return _isatty(_fileno(stdout)) != 0;
}
