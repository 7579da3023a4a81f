#pragma once
// A fingerprint of what a drawing holds: its objects, the conclusion in
// record 1 and the locus and driving-point lists of records 4 to 9. Two equal
// fingerprints mean, for every practical purpose, that nothing worth saving
// changed; the window compares them around a command to know whether the
// drawing must be saved.

#include <cstdint>

class ObjectTable;

std::uint64_t drawing_fingerprint(const ObjectTable& t);
