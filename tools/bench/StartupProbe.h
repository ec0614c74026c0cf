#pragma once
// Starts a program under the X display and times it from its start to the mapping of its
// first top-level window, then reads its peak memory.

#include <optional>
#include <string>

struct StartupSample {
    double msToShown;  // from starting the process to its window being mapped
    double peakMiB;    // VmHWM once the window is shown and has settled
};

// Nothing when the X display cannot be reached, the program ends early or shows no window
// within 20 seconds; `error` then says why.
std::optional<StartupSample> measureStartup(const std::string& program, std::string& error);
