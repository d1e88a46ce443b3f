#pragma once

// The one place where the mouse protocol waits. The firmware needs these
// pauses to take a write into its memory before the next report arrives;
// the lengths belong to the protocol and are given by each sender. Tests
// install a hook in DeviceContext that records each requested delay
// instead of sleeping; the window and korvalen-ctl always sleep for real.
void protocolSleep(int ms);
