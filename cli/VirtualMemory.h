#pragma once

// A real mouse keeps its memory from one run of the tool to the next; the
// virtual mice of --virtual do the same through a file per model in the
// runtime folder ("korvalen-ctl/<model>.mem"), so that `apply` and then
// `verify` or `dump` see one mouse. Nothing happens with real mice.
void restoreVirtualMemory();
void keepVirtualMemory();
