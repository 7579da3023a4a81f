#pragma once
// A fingerprint of a drawing as its point file stores it: the objects, the
// settings and state kept in the reserved records, the unit, the loci, the
// driving points and the self-drawn trace, and the computation list. Two
// drawings with equal fingerprints are saved as the same file (but for a
// 64-bit hash collision), so whatever a file keeps counts, and nothing it
// does not keep (mouse state, scratch fields, locus samples) does.

#include <cstdint>

#include "export/fig_format.h"

std::uint64_t fig_fingerprint(const Diagram& d, const FigExtras& extras);
