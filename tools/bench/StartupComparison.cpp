#include "StartupComparison.h"

#include "StartupProbe.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr double kRatioAim = 1.15;
constexpr double kMemoryAimMiB = 6.0;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

std::optional<StartupComparison> compareStartup(const std::string& program, std::string& error)
{
    // One unmeasured start of each first, so that neither pays alone for a cold cache; then
    // the two alternate, so that a passing load on the machine falls on both.
    if (!measureStartup(BARE_WINDOW, error) || !measureStartup(program, error))
        return std::nullopt;
    std::vector<double> bareMs, programMs, bareMiB, programMiB;
    for (int run = 0; run < kRuns; ++run) {
        const auto bare = measureStartup(BARE_WINDOW, error);
        const auto measured = measureStartup(program, error);
        if (!bare || !measured)
            return std::nullopt;
        bareMs.push_back(bare->msToShown);
        programMs.push_back(measured->msToShown);
        bareMiB.push_back(bare->peakMiB);
        programMiB.push_back(measured->peakMiB);
    }
    return StartupComparison{median(bareMs), median(programMs), median(bareMiB), median(programMiB)};
}

void printStartup(const char* programName, const StartupComparison& f)
{
    std::printf(
        "  start-up to main window shown   bare window %7.1f ms   %s %7.1f ms   ratio %.2f (aim <= %.2f)\n",
        f.bareMs, programName, f.programMs, f.programMs / f.bareMs, kRatioAim);
    std::printf("  peak memory (VmHWM)             bare window %7.1f MiB  %s %7.1f MiB  difference %.1f MiB "
                "(aim <= %.0f)\n",
                f.bareMiB, programName, f.programMiB, f.programMiB - f.bareMiB, kMemoryAimMiB);
}
