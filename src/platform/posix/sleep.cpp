#include "platform/sleep.h"

#include <chrono>
#include <thread>

void SleepMs(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
