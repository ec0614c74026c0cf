#pragma once
// A program's start-up and peak memory against the bare window's, measured alike, and the report
// lines both benchmarks print.

#include <optional>
#include <string>

struct StartupComparison {
    double bareMs, programMs;    // medians, from starting the process to its window being mapped
    double bareMiB, programMiB;  // medians of the peak memory (VmHWM)
};

// Nothing when a start fails; `error` then says why.
std::optional<StartupComparison> compareStartup(const std::string& program, std::string& error);

void printStartup(const char* programName, const StartupComparison& figures);
