#pragma once

#include <optional>

// Runs `vellomar-cli bmp convert IN OUT FORMAT [--quality low|high]` without
// the toolkit and returns the exit status. Returns nothing for any other
// command line, and when a file cannot be opened: the full program then runs
// the command and reports as it always does.
std::optional<int> FastBmpConvert(int argc, char** argv);
