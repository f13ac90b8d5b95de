// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A console reporter that also keeps each benchmark's fastest repetition, to print ratios at the
// end.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace prismora::bench {

// Reports as the console reporter does and keeps, for every benchmark, the
// lowest real time per iteration over its repetitions (from the repetitions
// themselves, or from the "min" statistic when only statistics are reported).
class FastestRunReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool isMinimum = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
            const bool isRepetition = run.run_type == Run::RT_Iteration && run.iterations > 0;
            if ((isMinimum || isRepetition) && !run.error_occurred) {
                const double seconds =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
                const auto [kept, isNew] = m_fastest.emplace(run.run_name.function_name, seconds);
                if (!isNew) {
                    kept->second = std::min(kept->second, seconds);
                }
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "NAME x µs = r × BASE y µs (goal: at most g ×)" when both ran.
    void printRatio(const std::string& name, const std::string& base, double goal) const
    {
        const auto measured = m_fastest.find(name);
        const auto reference = m_fastest.find(base);
        if (measured == m_fastest.end() || reference == m_fastest.end()) {
            return;
        }
        const double ratio = measured->second / reference->second;
        std::printf("%s %.2f us = %.2f x %s %.2f us (goal: at most %.1f x%s)\n", name.c_str(),
                    measured->second * 1e6, ratio, base.c_str(), reference->second * 1e6, goal,
                    ratio <= goal ? "" : ", MISSED");
    }

    // The statistic that gives the minimum of the repetitions; add it to every benchmark.
    static double minimum(const std::vector<double>& values)
    {
        return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
    }

    // Of the benchmarks whose names start with `prefix`, the one whose fastest
    // run took longest, with that time in seconds; an empty name when none ran.
    std::pair<std::string, double> slowest(const std::string& prefix) const
    {
        std::pair<std::string, double> found{"", 0.0};
        for (const auto& [name, seconds] : m_fastest) {
            if (name.starts_with(prefix) && seconds >= found.second) {
                found = {name, seconds};
            }
        }
        return found;
    }

    // Prints "Slowest NAME t UNIT (goal: at most g UNIT)" for the slowest of
    // the benchmarks whose names start with `prefix`, when any ran; times
    // are shown in seconds times `scale` ("ms" 1e3, "us" 1e6).
    void printSlowest(const std::string& prefix, double goalSeconds, const char* unit,
                      double scale) const
    {
        const auto [name, seconds] = slowest(prefix);
        if (!name.empty()) {
            std::printf("Slowest %s %.2f %s (goal: at most %.0f %s%s)\n", name.c_str(),
                        seconds * scale, unit, goalSeconds * scale, unit,
                        seconds <= goalSeconds ? "" : ", MISSED");
        }
    }

private:
    std::map<std::string, double> m_fastest;
};

} // namespace prismora::bench
