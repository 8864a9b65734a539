#pragma once

// Blocks the calling thread for `milliseconds`.
void SleepMs(int milliseconds);
