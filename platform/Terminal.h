#pragma once

// Whether standard output goes to a terminal (progress lines are printed
// only then).
bool isStandardOutputTerminal();
