// Forward chaining: the new-condition queue taken to exhaustion, and the
// method loop that alternates fixpoints with auxiliary points.

#include "gdd/forward.h"

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "gdd/aux_points.h"
#include "gdd/fact_text.h"
#include "gdd/gdd_display.h"
#include "gdd/proof_text.h"
#include "prover/numeric_figure.h"
#include "prover/prover.h"
#include "prover/verdict.h"

// ---- premise tests -----------------------------------------------------------------

bool chk_coll(int a, int b, int c)
{
    if (!xcoll(a, b, c))
        return false;
    add_codb(kCondColl, a, b, c);
    return true;
}

bool chk_perp(int a, int b, int c, int d)
{
    if (!xperp(a, b, c, d))
        return false;
    add_codb(kCondPerp, a, b, c, d);
    return true;
}

bool chk_cong(int a, int b, int c, int d)
{
    if (!xcong(a, b, c, d))
        return false;
    add_codb(kCondCong, a, b, c, d);
    return true;
}

// ---- the steps of an empty queue -------------------------------------------------------

void ra_cg()
{
    for (Gdd_ra* R : g_ra_list) {
        if (!is_active(R))
            continue;
        const auto& p = R->pts;
        auto premise = [&] { add_codb(kCondRatio, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]); };
        // The first pair known congruent turns the ratio into a congruence of
        // the other pair.
        int lemma = 71;
        int x1, x2, y1, y2;  // the segments x1x2 = y1y2 that follow
        if (chk_cong(p[0], p[1], p[2], p[3])) {
            x1 = p[4], x2 = p[5], y1 = p[6], y2 = p[7];
        } else if (chk_cong(p[0], p[1], p[4], p[5])) {
            x1 = p[2], x2 = p[3], y1 = p[6], y2 = p[7];
        } else if (chk_cong(p[2], p[3], p[6], p[7])) {
            x1 = p[0], x2 = p[1], y1 = p[4], y2 = p[5];
        } else if (chk_cong(p[4], p[5], p[6], p[7])) {
            x1 = p[0], x2 = p[1], y1 = p[2], y2 = p[3];
        } else if (xcong(p[0], p[1], p[6], p[7]) && xcong(p[2], p[3], p[4], p[5])) {
            // s1 s4 = s2 s3 with s1 = s4 and s2 = s3: s1 = s2.
            lemma = 72;
            premise();
            add_cong(lemma, 0, p[0], p[1], p[2], p[3]);
            next_cond();
            kill_rec(R);
            continue;
        } else {
            continue;
        }
        premise();
        add_cong(lemma, 0, x1, x2, y1, y2);
        next_cond();
        next_cond();
        kill_rec(R);
    }
}

namespace {

// ea_deg with the premises on the current reason list. The parallel class a
// degenerate angle yields takes them as its reasons.
void ea_deg2(Gdd_ea* E, Gdd_line* w, Gdd_line* x, Gdd_line* y, Gdd_line* z)
{
    auto premises = [&](std::int32_t type, Gdd_line* l1, Gdd_line* l2) {
        ea_premise(add_codb_ln(kCondEqAngle, w, x, y, z), E);
        add_codb_ln(type, l1, l2);
    };
    auto pop2 = [] {
        next_cond();
        next_cond();
    };
    if (xpara_ln(w, x) && y != z) {
        kill_rec(E);
        premises(kCondPara, w, x);
        g_merge_db = g_co_db;
        add_ppn(8, y, z);
        pop2();
    } else if (xperp_ln(w, x)) {
        kill_rec(E);
        premises(kCondPerp, w, x);
        add_tline(9, y->pts[0], y->pts[1], z->pts[0], z->pts[1]);
        pop2();
    } else if (xpara_ln(w, y) && x != z) {
        // The record stays; its consequence is usually known by now, and
        // then no premise needs recording.
        if (xpara_ln(x, z))
            return;
        premises(kCondPara, w, y);
        g_merge_db = g_co_db;
        add_ppn(10, x, z);
        pop2();
    } else if (xperp_ln(w, y)) {
        if (xperp(x->pts[0], x->pts[1], z->pts[0], z->pts[1]))
            return;
        premises(kCondPerp, w, y);
        add_tline(11, x->pts[0], x->pts[1], z->pts[0], z->pts[1]);
        pop2();
    }
}

}  // namespace

void ea_deg_all()
{
    for (Gdd_ea* E : g_ea_list) {
        if (!is_active(E))
            continue;
        ea_deg2(E, E->l1, E->l2, E->l3, E->l4);
        if (E->live())
            ea_deg2(E, E->l4, E->l3, E->l2, E->l1);
    }
}

// ---- forward chaining ---------------------------------------------------------------

namespace {

void dispatch(Gdd_cond* c)
{
    switch (c->type) {
    case kCondColl: break;
    case kCondPara: search_pline(cond_obj<Gdd_pline>(c)); break;
    case kCondPerp: search_tline(cond_obj<Gdd_tline>(c)); break;
    case kCondMid: search_md(cond_obj<Gdd_mid>(c)); break;
    case kCondCyclic: search_cir(cond_obj<Gdd_cir>(c)); break;
    case kCondCong: search_cg(cond_obj<Gdd_cg>(c)); break;
    case kCondEqAngle: search_as(cond_obj<Gdd_ea>(c)); break;
    case kCondRatio: search_ra(cond_obj<Gdd_ra>(c)); break;
    case kCondCongTri: search_ct(cond_obj<Gdd_tri>(c)); break;
    case kCondSimTri: search_st(cond_obj<Gdd_tri>(c)); break;
    default: gerror("forward: wrong type of predicates"); break;
    }
}

// The queue ran empty: combine the new ratio records with the earlier ones,
// turn ratios into congruences and degenerate angles into parallels and
// perpendiculars.
void empty_queue_steps()
{
    g_ra_cursor = g_ra_cursor ? g_ra_cursor->next : g_ra_list.first;
    adj_ra(g_ra_cursor);
    ra_cg();
    ea_deg_all();
}

}  // namespace

void forward()
{
    g_fa_stage = 0;
    g_ra_cursor = nullptr;
    for (;;) {
        while (!g_cond_queue.empty()) {
            check_time();
            Gdd_cond* c = take_cond();
            if (g_trace) {
                trace_str(fmt("\na new condition: (%d): ", c->type));
                g_show_state = 1;
                print_fact(*c);
                g_show_state = 0;
                trace_str("\n");
            }
            clear_co_db();
            Gdd_fact* rec = cond_fact(c);
            if (rec && !rec->live()) {
                release_cond(c);
                continue;
            }
            dispatch(c);
            if (rec && rec->live())
                rec->state = kLive;
            release_cond(c);
        }
        empty_queue_steps();
        if (g_cond_queue.empty())
            break;
    }
    if (g_trace)
        show_gib(1);
}

// ---- the method ------------------------------------------------------------------

void run_gdd_method(const std::function<bool()>& concl_holds)
{
    // The window text of this run is plain text, whatever LaTeX file an
    // earlier proof wrote: the lines and circles the auxiliary-point search
    // shows carry no math delimiters.
    g_latex = 0;
    aux_method_start();
    const std::uint32_t t0 = prover_clock_ms();
    const bool has_concl = g_concl.type != concl_kind::kNone;
    for (;;) {
        forward();
        clear_queue();
        if (has_concl && !concl_holds()) {
            gprint("Beginning make auxillary points\r\n");
            // The builders refuse a point that falls onto a point of the
            // figure, so every point added here is a new one.
            aux_search();
            if (g_trace)
                trace_str("aux end\r\n");
        }
        if (g_cond_queue.empty())
            break;
    }
    g_time += static_cast<std::int32_t>(prover_clock_ms() - t0);

    if (!has_concl) {
        gprint("This statement has not conclusion.\r\n Fixpoint has been reached");
        gprint("\r\n\r\n");
        return;
    }
    // The database reasons symbolically: an auxiliary point that falls onto
    // a point or line of the figure can make it hold a false conclusion.
    // Such a conclusion, false in numeric instances of the figure, is not
    // called proved.
    const bool proved = concl_holds() && !numerically_false(g_concl, g_gdd_npoints);
    if (proved) {
        // An overruled verdict shows no proof.
        if (say_verdict(1, "Problem Is True")) {
            gprint("\r\n\r\n");
            g_latex = 0;
            show_gdd_proof(1);
            gprint("\r\n");
        }
    } else {
        gprint("\r\nThe theorem is not in the database.\r\n\r\n");
        g_result = 2;
    }
}
