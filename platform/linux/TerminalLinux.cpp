#include "platform/Terminal.h"

#include <unistd.h>

bool isStandardOutputTerminal()
{
    return isatty(STDOUT_FILENO) != 0;
}
