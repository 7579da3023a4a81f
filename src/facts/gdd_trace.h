#pragma once
// Debug trace of the database routines (standard output, only while g_trace).

#include "prover/point_names.h"
#include "prover/prover.h"

// Name of point p for trace lines ("" for 0 or an index outside the table).
inline const char* pname(int p) { return gdd_pt_name(p); }
