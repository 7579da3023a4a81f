// The database record of a fact, and whether a fact holds in the database.

#include "facts/fact_lookup.h"

#include "facts/fact_tests.h"

bool is_record_fact(const Gdd_cond& f)
{
    return f.p[0] == 0 && (f.type != kCondCyclic || f.p[1] == 0);
}

void* lookup_fact(const Gdd_cond& f)
{
    const int a = fact_pt(f, 0), b = fact_pt(f, 1), c = fact_pt(f, 2), d = fact_pt(f, 3);
    const int e = fact_pt(f, 4), g = fact_pt(f, 5), h = fact_pt(f, 6), k = fact_pt(f, 7);
    switch (f.type) {
    case kCondColl: {
        const int pts[6] = {a, b, c, d, e, g};
        return fd_ln_pts(pts, 5);
    }
    case kCondPara: return fd_pls_4pt(a, b, c, d);
    case kCondPerp: return fd_tp_4pt(a, b, c, d);
    case kCondMid: return fd_mid_rec(a, b, c);
    case kCondCyclic: {
        Gdd_cir key;
        key.centre = static_cast<std::int8_t>(a);
        int n = 0;
        for (int i = 1; i < 8; ++i)
            if (fact_pt(f, i) != 0)
                key.pts[static_cast<std::size_t>(n++)] = static_cast<std::int8_t>(fact_pt(f, i));
        if (n == 0)
            return nullptr;
        key.last = static_cast<std::int8_t>(n - 1);
        return fd_cir_key(key);
    }
    case kCondCong: return fd_cg_2seg(a, b, c, d);
    case kCondEqAngle: return fd_ea_pt(a, b, c, d, e, g, h, k);
    case kCondRatio: return fd_ra(a, b, c, d, e, g, h, k);
    case kCondCongTri: return fd_tri_pair(false, false, a, b, c, d, e, g);
    case kCondSimTri: return fd_tri_pair(true, false, a, b, c, d, e, g);
    default: return nullptr;
    }
}

void note_fact_record(Gdd_cond* fact)
{
    if (!is_record_fact(*fact))
        fact->obj = lookup_fact(*fact);
}

bool gdd_fact_holds(const Gdd_cond& f)
{
    const int a = fact_pt(f, 0), b = fact_pt(f, 1), c = fact_pt(f, 2), d = fact_pt(f, 3);
    const int e = fact_pt(f, 4), g = fact_pt(f, 5), h = fact_pt(f, 6), k = fact_pt(f, 7);
    switch (f.type) {
    case kCondColl: return xcoll(a, b, c);
    case kCondPara: return xpara(a, b, c, d);
    case kCondPerp: return xperp(a, b, c, d);
    case kCondMid: return xmid(a, b, c);
    case kCondCyclic: return xcir_4p(0, b, c, d, e);
    case kCondCong: return xcong(a, b, c, d);
    case kCondEqAngle: return xacong(a, b, d, e, g, k);
    case kCondRatio: return xratio(a, b, c, d, e, g, h, k);
    case kCondCongTri: return xcon(a, b, c, d, e, g);
    case kCondSimTri: return xsim(a, b, c, d, e, g);
    default: return false;
    }
}
