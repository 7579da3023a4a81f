#pragma once
// The --parse, --show and --examples modes of prove_bench.

#include <ostream>
#include <string>
#include <string_view>

// Method number for a --method name (gdd, angle, area, vector, wu,
// groebner); 0 for an unknown name.
int bench_method(std::string_view name);

// Reads the file as the prover window reads a statement file and writes the
// point table and conclusion, or the text the window would show. Returns
// false when the file could not be read.
bool bench_parse_file(const std::string& path, std::ostream& out);

// Reads the file likewise and writes the statement as the prover window's
// show button prints it, or the text the window would show.
bool bench_show_file(const std::string& path, std::ostream& out);

// Loads each built-in example and writes its table, or with show the
// statement as the show button prints it.
void bench_dump_examples(std::ostream& out, bool show = false);
