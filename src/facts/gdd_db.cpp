// The database's lists and globals, and emptying them.

#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_index.h"
#include "facts/gdd_records.h"
#include "prover/prover.h"

Gdd_list<Gdd_line> g_ln_list;
Gdd_list<Gdd_pline> g_pn_list;
Gdd_list<Gdd_tline> g_tn_list;
Gdd_list<Gdd_cir> g_cir_list;
Gdd_list<Gdd_mid> g_mid_list;
Gdd_list<Gdd_ea> g_ea_list;
Gdd_list<Gdd_cg> g_cg_list;
Gdd_list<Gdd_tri> g_st_list;
Gdd_list<Gdd_tri> g_ct_list;
Gdd_list<Gdd_ra> g_ra_list;

std::uint8_t g_tri_mode = 0;
std::uint8_t g_fa_stage = 0;
Gdd_ra* g_ra_cursor = nullptr;

Gdd_cond_queue g_cond_queue;
Gdd_cond* g_co_db = nullptr;
Gdd_cond* g_merge_db = nullptr;

void release_all_conds();  // gdd_conds.cpp

namespace {

std::size_t& charged_bytes()
{
    static std::size_t bytes = 0;
    return bytes;
}

}  // namespace

void charge_gdd_memory(std::size_t bytes)
{
    if (!prover_memory_allows(bytes))
        prover_out_of_memory();
    charged_bytes() += bytes;
}

void member_overflow(const char* message)
{
    gprint("\r\n");
    prover_fatal(message);
}

bool insert_ascending(std::array<std::int8_t, kMaxGeo>& pts, std::int8_t& last, int p, const char* overflow)
{
    int i = 0;
    while (i <= last && pts[static_cast<std::size_t>(i)] < p)
        ++i;
    if (i <= last && pts[static_cast<std::size_t>(i)] == p)
        return false;
    if (last + 1 >= kMaxGeo)
        member_overflow(overflow);
    for (int j = last + 1; j > i; --j)
        pts[static_cast<std::size_t>(j)] = pts[static_cast<std::size_t>(j - 1)];
    pts[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(p);
    ++last;
    return true;
}

Gdd_list<Gdd_tri>& tri_list() { return g_tri_mode == 0 ? g_st_list : g_ct_list; }

std::int32_t tri_cond_type() { return g_tri_mode == 0 ? kCondSimTri : kCondCongTri; }

Gdd_fact* cond_fact(const Gdd_cond* c)
{
    if (!c || !c->obj)
        return nullptr;
    switch (c->type) {
    case kCondColl: return cond_obj<Gdd_line>(c);
    case kCondPara: return cond_obj<Gdd_pline>(c);
    case kCondPerp: return cond_obj<Gdd_tline>(c);
    case kCondMid: return cond_obj<Gdd_mid>(c);
    case kCondCyclic: return cond_obj<Gdd_cir>(c);
    case kCondCong: return cond_obj<Gdd_cg>(c);
    case kCondEqAngle: return cond_obj<Gdd_ea>(c);
    case kCondRatio: return cond_obj<Gdd_ra>(c);
    case kCondCongTri:
    case kCondSimTri: return cond_obj<Gdd_tri>(c);
    default: return nullptr;
    }
}

void init_gdd()
{
    g_ln_list.clear();
    g_pn_list.clear();
    g_tn_list.clear();
    g_cir_list.clear();
    g_mid_list.clear();
    g_ea_list.clear();
    g_cg_list.clear();
    g_st_list.clear();
    g_ct_list.clear();
    g_ra_list.clear();
    gdd_index_reset();
    g_ra_cursor = nullptr;
    g_cond_queue = {};
    g_co_db = nullptr;
    g_merge_db = nullptr;
    // Nothing may hold a condition of the emptied database.
    release_all_conds();
    charged_bytes() = 0;
}

void free_gdd() { init_gdd(); }

namespace {

// The prover's reset empties the database; what it holds counts against
// the memory budget.
[[maybe_unused]] const bool registered = [] {
    add_prover_reset_hook(ResetStage::FactDatabase, "gdd", init_gdd);
    add_prover_memory_holder("gdd", [] { return charged_bytes(); });
    return true;
}();

}  // namespace
