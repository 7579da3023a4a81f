// Command-line driver of the prover: reads statements and reports.
//   prove_bench --parse [--method NAME] FILE...   read each statement file
//   prove_bench --examples                        dump the built-in examples

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "prove_bench_parse.h"
#include "statement/prover.h"

namespace {

int usage()
{
    std::cerr << "usage: prove_bench --parse [--method gdd|angle|area|vector|wu|groebner] FILE...\n"
                 "       prove_bench --examples\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    bool parse = false;
    bool examples = false;
    int method = kMethodDatabase;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--parse") {
            parse = true;
        } else if (arg == "--examples") {
            examples = true;
        } else if (arg == "--method" && i + 1 < argc) {
            method = bench_method(argv[++i]);
            if (method == 0)
                return usage();
        } else if (arg.starts_with("--")) {
            return usage();
        } else {
            files.push_back(arg);
        }
    }
    if (!parse && !examples)
        return usage();
    prover_reset();
    g_method = method;
    if (examples)
        bench_dump_examples(std::cout);
    bool ok = true;
    for (const auto& f : files)
        ok = bench_parse_file(f, std::cout) && ok;
    return ok ? 0 : 1;
}
