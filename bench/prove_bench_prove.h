#pragma once
// The proving mode of prove_bench: one tab-separated line per statement
// (name, method, result, milliseconds, maxterm).

#include <optional>
#include <ostream>
#include <string>

struct BenchOptions {
    int method = 0;                  // method number (326 the database)
    std::string method_name = "gdd";
    int time_limit_s = 60;
    std::string proof_dir;           // empty: no files written
};

// One proof's outcome as the bench reports it.
struct BenchResult {
    std::string result;   // true, false, not-solved, timeout, error
    long long ms = 0;
    int maxterm = 0;
    std::string message;  // why an error, for the standard error stream
};

// Reads the statement file and proves it. nullopt when the file cannot be read.
std::optional<BenchResult> bench_prove_file(const std::string& path, const BenchOptions& options);
// Loads a built-in example and proves it.
BenchResult bench_prove_example(int id, const BenchOptions& options);

// The report line (without line end).
std::string bench_line(const std::string& name, const BenchOptions& options, const BenchResult& result);
