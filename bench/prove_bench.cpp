// Command-line driver of the prover.
//   prove_bench [--method NAME] [--read-method NAME] [--time-limit SECONDS] [--proof-dir DIR]
//               [--examples] FILE...
//       proves each statement file (read under --read-method when given, as
//       the window reads under one method and proves under the one chosen
//       since): one line per file, tab-separated:
//       file, method, result (true, false, not-solved, timeout, error),
//       milliseconds, maxterm, peak resident memory of the proof in MB
//       (--examples: the built-in examples too; FILE may then be left out)
//   prove_bench --parse [--method NAME] [--examples] FILE...
//       reads each statement under --method and dumps its table
//   prove_bench --show [--method NAME] [--examples] FILE...
//       prints each statement as the prover window's show button prints it
//   --parse and --show prove nothing, so --read-method is refused with them:
//   they read under --method.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "prove_bench_memory.h"
#include "prove_bench_parse.h"
#include "prove_bench_prove.h"
#include "prover/prover.h"
#include "statement/examples.h"

namespace {

int usage()
{
    std::cerr << "usage: prove_bench [--method gdd|angle|area|vector|wu|groebner] [--read-method NAME]\n"
                 "                   [--time-limit SECONDS] [--proof-dir DIR] [--examples] FILE...\n"
                 "       prove_bench --parse [--method NAME] [--examples] FILE...\n"
                 "       prove_bench --show [--method NAME] [--examples] FILE...\n";
    return 2;
}

bool positive_number(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::atoi(text.c_str());
    return value > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    bool parse = false;
    bool show = false;
    bool examples = false;
    BenchOptions options;
    options.method = bench_method("gdd");
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--parse") {
            parse = true;
        } else if (arg == "--show") {
            show = true;
        } else if (arg == "--examples") {
            examples = true;
        } else if (arg == "--method" && i + 1 < argc) {
            options.method_name = argv[++i];
            options.method = bench_method(options.method_name);
            if (options.method == 0)
                return usage();
        } else if (arg == "--read-method" && i + 1 < argc) {
            options.read_method = bench_method(argv[++i]);
            if (options.read_method == 0)
                return usage();
        } else if (arg == "--time-limit" && i + 1 < argc) {
            if (!positive_number(argv[++i], options.time_limit_s))
                return usage();
        } else if (arg == "--proof-dir" && i + 1 < argc) {
            options.proof_dir = argv[++i];
        } else if (arg.starts_with("--")) {
            return usage();
        } else {
            files.push_back(arg);
        }
    }
    if (!examples && files.empty())
        return usage();
    if ((parse || show) && options.read_method != 0) {
        std::cerr << "prove_bench: --read-method is for proving; --parse and --show read under --method\n";
        return usage();
    }
    if (!options.proof_dir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(options.proof_dir, ec);
        if (!std::filesystem::is_directory(options.proof_dir)) {
            std::cerr << "prove_bench: cannot use proof directory " << options.proof_dir << "\n";
            return 1;
        }
        options.proof_dir = std::filesystem::absolute(options.proof_dir).string();
    }
    prover_reset();
    g_method = options.method;

    bool ok = true;
    if (parse || show) {
        if (examples)
            bench_dump_examples(std::cout, show);
        for (const auto& f : files)
            ok = (show ? bench_show_file(f, std::cout) : bench_parse_file(f, std::cout)) && ok;
        return ok ? 0 : 1;
    }
    auto report = [&](const std::string& name, const ProveRun& r) {
        std::cout << bench_line(name, options, r) << '\t' << peak_memory_kb() / 1024 << std::endl;
        if (!r.message.empty())
            std::cerr << name << ": " << r.message << "\n";
    };
    if (examples)
        for (const auto& ex : example_menu()) {
            prover_reset();  // the last proof's memory goes back first
            reset_peak_memory();
            const ProveRun r = bench_prove_example(ex.id, options);
            report(std::string(ex.menu_text), r);
        }
    for (const auto& f : files) {
        prover_reset();
        reset_peak_memory();
        const auto r = bench_prove_file(f, options);
        if (!r) {
            std::cerr << "prove_bench: cannot read " << f << "\n";
            ok = false;
            continue;
        }
        report(f, *r);
    }
    return ok ? 0 : 1;
}
