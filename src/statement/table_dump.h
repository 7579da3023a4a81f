#pragma once
// A plain-text dump of the point table and the conclusion record, one line
// per record: index, name, kind, parent names (and the values of ratio and
// constant records), then the conclusion. Used by prove_bench and the tests.

#include <string>

std::string dump_record(int i);
std::string dump_conclusion();
std::string dump_statement();
