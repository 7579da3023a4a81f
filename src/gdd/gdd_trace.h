#pragma once
// Debug trace of the database routines (standard output, only while g_trace).

#include "statement/prover.h"

// Name of point p for trace lines ("" for 0 or an index outside the table).
inline const char* pname(int p)
{
    if (p <= 0 || p >= kProPointCount)
        return "";
    return g_pro_points[static_cast<std::size_t>(p)].name.c_str();
}
