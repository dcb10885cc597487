#pragma once
// The example project: a 555 LED blinker for a 9 V battery and a small
// battery-clip adapter board, built with the program's own element functions.

#include "core/project.h"

namespace corvane::examples {

// Two boards, the blinker shown; deterministic (no time stamps, no randomness).
TProject BuildDemoProject();

}  // namespace corvane::examples
