// Hypothesis facts (mode 5): what each construction states about the figure,
// entered into the fact database as hypotheses (rule 0, no reasons).

#include "gdd/gdd.h"
#include "statement/cons_internal.h"
#include "statement/semantics.h"

namespace {

// A hypothesis predicate written among the hypotheses states its own fact.
void state_predicate_fact(int no, int A, int B, int C, int D, int E, int F)
{
    switch (cons::kind_of(no)) {
    case 110: add_line(0, A, B, C); break;
    case 111: add_pline(0, A, B, C, D); break;
    case 112: add_tline(0, A, B, C, D); break;
    case 113: add_cong(0, 0, A, B, C, D); break;
    case 115: add_ae_pt(0, A, B, C, D, E, F); break;  // angle ABC = angle DEF
    case 117: add_cir4(0, 0, A, B, C, D); break;
    default: break;
    }
}

}  // namespace

bool cons_states_facts(int no)
{
    if (cons::record(no).hyp_predicate)
        return true;
    const int kind = cons::kind_of(no);
    return kind == 102 || kind == 103 || (kind >= 105 && kind <= 130) || kind == 132 || kind == 133;
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
    case 102:
        add_line(0, X, B, C);
        add_tline(0, X, A, B, C);
        break;
    case 103:
        add_mid(0, X, A, B);
        add_line(0, X, A, B);
        break;
    case 105:
        add_cir3(0, X, A, B, C);
        break;
    case 106:
        add_tline(0, X, A, B, C);
        add_tline(0, X, B, A, C);
        add_tline(0, X, C, B, A);
        break;
    case 107: {  // A B I: X the third vertex of the triangle ABX with incentre I
        const int I = C;
        add_ae_pt(0, B, A, I, I, A, X);
        add_ae_pt(0, A, B, I, I, B, X);
        add_ae_pt(0, A, X, I, I, X, B);
        break;
    }
    case 108:
        add_ae_pt(0, B, A, X, X, A, C);
        add_ae_pt(0, A, B, X, X, B, C);
        add_ae_pt(0, B, C, X, X, C, A);
        break;
    case 109:
        add_cir2(0, X, A, B);
        add_cir2(0, A, B, X);
        add_cir2(0, B, A, X);
        add_ae_pt(0, X, A, B, A, B, X);
        add_ae_pt(0, X, A, B, B, X, A);
        add_ae_pt(0, A, B, X, B, X, A);
        break;
    case 110: add_line(0, X, A, B); break;
    case 111: add_pline(0, X, A, B, C); break;
    case 112: add_tline(0, X, A, B, C); break;
    case 113: add_cir2(0, A, X, B); break;  // O A
    case 114: add_ae_pt(0, X, A, B, C, D, E); break;
    case 115: add_cong(0, 0, X, A, B, C); break;
    case 116:
        add_line(0, X, A, B);
        add_line(0, X, C, D);
        break;
    case 117:
        add_line(0, X, A, B);
        add_pline(0, X, C, D, E);
        break;
    case 118:
        add_line(0, X, A, B);
        add_tline(0, X, C, D, E);
        break;
    case 119:
        add_pline(0, X, A, B, C);
        add_pline(0, X, D, E, F);
        break;
    case 120:
        add_pline(0, X, A, B, C);
        add_tline(0, X, D, E, F);
        break;
    case 121:
        add_tline(0, X, A, B, C);
        add_tline(0, X, D, E, F);
        break;
    case 122: {  // A B O C
        const int O = C, P = D;
        add_line(0, X, A, B);
        add_cir2(0, O, X, P);
        // The line through the centre and the circle's point: X is the
        // other end of the diameter.
        if ((A == O && B == P) || (B == O && A == P))
            add_mid(0, O, X, P);
        break;
    }
    case 123:  // A B C O D
        add_pline(0, X, A, B, C);
        add_cir2(0, D, X, E);
        break;
    case 124:
        add_tline(0, X, A, B, C);
        add_cir2(0, D, X, E);
        break;
    case 125:  // O A Q B
        add_cir2(0, A, X, B);
        add_cir2(0, C, X, D);
        break;
    case 126:
        add_line(0, X, A, B);
        add_cong(0, 0, C, X, D, E);
        break;
    case 127:  // O A C D E
        add_cir2(0, A, X, B);
        add_cong(0, 0, C, X, D, E);
        break;
    case 128:
        add_cong(0, 0, A, X, B, C);
        add_cong(0, 0, D, X, E, F);
        break;
    case 129:  // O A
        add_line(0, X, A, B);
        add_mid(0, A, X, B);
        break;
    case 130:
        add_cir2(0, B, X, A);
        add_cir2(0, C, X, A);
        add_tline(0, X, A, B, C);
        break;
    case 132: case 133:
        add_tline(0, X, A, A, B);
        add_cir2(0, A, X, B);
        break;
    default:
        break;
    }
}
