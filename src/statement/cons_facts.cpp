// Hypothesis facts (mode 5): what each construction states about the figure,
// entered into the fact database as hypotheses (rule 0, no reasons).

#include "facts/gdd.h"
#include "statement/cons_internal.h"
#include "statement/semantics.h"

namespace {

// A hypothesis predicate written among the hypotheses states its own fact.
void state_predicate_fact(int no, int A, int B, int C, int D, int E, int F)
{
    switch (cons::kind_of(no)) {
    case cons_kind::kHypCollinear: add_line(0, A, B, C); break;
    case cons_kind::kHypParallel: add_pline(0, A, B, C, D); break;
    case cons_kind::kHypPerpendicular: add_tline(0, A, B, C, D); break;
    case cons_kind::kHypEqDistance: add_cong(0, 0, A, B, C, D); break;
    case cons_kind::kHypEqAngle: add_ae_pt(0, A, B, C, D, E, F); break;  // angle ABC = angle DEF
    case cons_kind::kHypCocircle: add_cir4(0, 0, A, B, C, D); break;
    default: break;
    }
}

}  // namespace

bool cons_states_facts(int no)
{
    if (cons::record(no).hyp_predicate)
        return true;
    const int kind = cons::kind_of(no);
    return kind == cons_kind::kFoot || kind == cons_kind::kMidpoint ||
           (kind >= cons_kind::kCircumcenter && kind <= cons_kind::kReflection) ||
           kind == cons_kind::kPositiveSquare || kind == cons_kind::kNegativeSquare;
}

void state_cons_facts(int no)
{
    using cons::arg;
    const int X = no;
    const int A = arg(no, 1), B = arg(no, 2), C = arg(no, 3), D = arg(no, 4), E = arg(no, 5), F = arg(no, 6);
    // Facts of the hypotheses need no proof: no premises are pending.
    clear_co_db();
    if (cons::record(no).hyp_predicate) {
        state_predicate_fact(no, A, B, C, D, E, F);
        return;
    }
    switch (cons::kind_of(no)) {
    case cons_kind::kFoot:
        add_line(0, X, B, C);
        add_tline(0, X, A, B, C);
        break;
    case cons_kind::kMidpoint:
        add_mid(0, X, A, B);
        add_line(0, X, A, B);
        break;
    case cons_kind::kCircumcenter:
        add_cir3(0, X, A, B, C);
        break;
    case cons_kind::kOrthocenter:
        add_tline(0, X, A, B, C);
        add_tline(0, X, B, A, C);
        add_tline(0, X, C, B, A);
        break;
    case cons_kind::kIncenterVertex: {  // A B I: X the third vertex of the triangle ABX with incentre I
        const int I = C;
        add_ae_pt(0, B, A, I, I, A, X);
        add_ae_pt(0, A, B, I, I, B, X);
        add_ae_pt(0, A, X, I, I, X, B);
        break;
    }
    case cons_kind::kIncenter:
        add_ae_pt(0, B, A, X, X, A, C);
        add_ae_pt(0, A, B, X, X, B, C);
        add_ae_pt(0, B, C, X, X, C, A);
        break;
    case cons_kind::kEquilateralVertex:
        add_cir2(0, X, A, B);
        add_cir2(0, A, B, X);
        add_cir2(0, B, A, X);
        add_ae_pt(0, X, A, B, A, B, X);
        add_ae_pt(0, X, A, B, B, X, A);
        add_ae_pt(0, A, B, X, B, X, A);
        break;
    case cons_kind::kOnLine: add_line(0, X, A, B); break;
    case cons_kind::kOnPline: add_pline(0, X, A, B, C); break;
    case cons_kind::kOnTline: add_tline(0, X, A, B, C); break;
    case cons_kind::kOnCircle: add_cir2(0, A, X, B); break;  // O A
    case cons_kind::kOnAline: add_ae_pt(0, X, A, B, C, D, E); break;
    case cons_kind::kOnRcircle: add_cong(0, 0, X, A, B, C); break;
    case cons_kind::kInterLineLine:
        add_line(0, X, A, B);
        add_line(0, X, C, D);
        break;
    case cons_kind::kInterLinePline:
        add_line(0, X, A, B);
        add_pline(0, X, C, D, E);
        break;
    case cons_kind::kInterLineTline:
        add_line(0, X, A, B);
        add_tline(0, X, C, D, E);
        break;
    case cons_kind::kInterPlinePline:
        add_pline(0, X, A, B, C);
        add_pline(0, X, D, E, F);
        break;
    case cons_kind::kInterPlineTline:
        add_pline(0, X, A, B, C);
        add_tline(0, X, D, E, F);
        break;
    case cons_kind::kInterTlineTline:
        add_tline(0, X, A, B, C);
        add_tline(0, X, D, E, F);
        break;
    case cons_kind::kInterLineCircle: {  // A B O C
        const int O = C, P = D;
        add_line(0, X, A, B);
        add_cir2(0, O, X, P);
        // The line through the centre and the circle's point: X is the
        // other end of the diameter.
        if ((A == O && B == P) || (B == O && A == P))
            add_mid(0, O, X, P);
        break;
    }
    case cons_kind::kInterPlineCircle:  // A B C O D
        add_pline(0, X, A, B, C);
        add_cir2(0, D, X, E);
        break;
    case cons_kind::kInterTlineCircle:
        add_tline(0, X, A, B, C);
        add_cir2(0, D, X, E);
        break;
    case cons_kind::kInterCircleCircle:  // O A Q B
        add_cir2(0, A, X, B);
        add_cir2(0, C, X, D);
        break;
    case cons_kind::kInterLineRcircle:
        add_line(0, X, A, B);
        add_cong(0, 0, C, X, D, E);
        break;
    case cons_kind::kInterCircleRcircle:  // O A C D E
        add_cir2(0, A, X, B);
        add_cong(0, 0, C, X, D, E);
        break;
    case cons_kind::kInterRcircleRcircle:
        add_cong(0, 0, A, X, B, C);
        add_cong(0, 0, D, X, E, F);
        break;
    case cons_kind::kSymmetricPoint:  // O A
        add_line(0, X, A, B);
        add_mid(0, A, X, B);
        break;
    case cons_kind::kReflection:
        add_cir2(0, B, X, A);
        add_cir2(0, C, X, A);
        add_tline(0, X, A, B, C);
        break;
    case cons_kind::kPositiveSquare: case cons_kind::kNegativeSquare:
        add_tline(0, X, A, A, B);
        add_cir2(0, A, X, B);
        break;
    default:
        break;
    }
}
