#include "platform/sleep.h"

#include <windows.h>

void SleepMs(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }
