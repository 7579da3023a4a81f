#include "prover/point_names.h"

#include "prover/prover.h"

const std::string& pt_name(int i)
{
    static const std::string empty;
    if (i <= 0 || i >= kProPointCount)
        return empty;
    return g_pro_points[static_cast<std::size_t>(i)].name;
}

const char* gdd_pt_name(int p) { return pt_name(p).c_str(); }
