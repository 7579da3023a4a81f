#pragma once
// The proving mode of prove_bench: one tab-separated line per statement
// (name, method, result, milliseconds, maxterm; the driver adds peak memory).

#include <optional>
#include <string>

#include "statement/prove_run.h"

struct BenchOptions {
    int method = 0;                  // method number (326 the database)
    int read_method = 0;             // the method the statement is read under; 0: method
    std::string method_name = "gdd";
    int time_limit_s = 60;
    std::string proof_dir;           // empty: no files written
};

// Reads the statement file and proves it. nullopt when the file cannot be read.
std::optional<ProveRun> bench_prove_file(const std::string& path, const BenchOptions& options);
// Loads a built-in example and proves it.
ProveRun bench_prove_example(int id, const BenchOptions& options);

// The report line (without line end).
std::string bench_line(const std::string& name, const BenchOptions& options, const ProveRun& result);
