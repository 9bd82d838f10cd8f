#pragma once
// What the benchmarks share: how many runs to time, and the median of the times.
#include "platform/command_line.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace mf7::bench {

// The command line of a benchmark that takes only `--runs N`: the number of runs (default_runs
// without the option), or the exit status when it answered (--help) or refused the line.
struct Runs {
    int runs = 0;
    std::optional<int> exit_status;
};

inline Runs read_runs(int argc, char** argv, const char* usage, int default_runs) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (auto status = answer_command_line(args, {{"--runs", true}}, usage, std::cout, std::cerr))
        return {0, status};
    Runs r{default_runs, std::nullopt};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--runs" || i + 1 == args.size()) {
            std::cerr << usage;
            return {0, 2};
        }
        r.runs = std::max(1, std::atoi(args[++i].c_str()));
    }
    return r;
}

// The middle time, the mean of the two middle ones for an even count; v is not empty.
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace mf7::bench
