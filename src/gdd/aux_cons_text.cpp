// The statement line of an auxiliary point, for the head of a proof when no
// other construction printer is installed.

#include <string>

#include "gdd/fact_text.h"
#include "gdd/proof_text.h"
#include "prover/keywords.h"
#include "prover/prover.h"

void print_aux_cons_text(int point)
{
    if (point <= 0 || point >= kProPointCount)
        return;
    const Pro_point& rec = g_pro_points[static_cast<std::size_t>(point)];
    auto n = [&](int i) { return gdd_pt_name(static_cast<int>(rec.pots[static_cast<std::size_t>(i)])); };
    auto kw = [](int id) { return std::string(stm_string(id)); };
    const char* x = rec.name.c_str();
    std::string line = " ";
    switch (rec.kind) {
    case cons_kind::kFoot: line = fmt("%s %s %s %s %s", kw(2137).c_str(), x, n(0), n(1), n(2)); break;
    case cons_kind::kMidpoint: line = fmt("%s %s %s %s", kw(2113).c_str(), x, n(0), n(1)); break;
    case cons_kind::kCircumcenter: line = fmt("%s %s  %s %s %s", kw(2128).c_str(), x, n(0), n(1), n(2)); break;
    case cons_kind::kOnTline: line = fmt("%s %s %s %s %s", kw(2121).c_str(), x, n(0), n(1), n(2)); break;
    case cons_kind::kInterLineLine: line = fmt("%s %s %s %s %s %s", kw(2146).c_str(), x, n(0), n(1), n(2), n(3)); break;
    case cons_kind::kInterLinePline:
        line = fmt("%s %s  %s %s  %s %s %s", kw(2147).c_str(), x, n(0), n(1), n(2), n(3), n(4));
        break;
    case cons_kind::kInterLineTline:
        line = fmt("%s %s  %s %s  %s %s %s", kw(2148).c_str(), x, n(0), n(1), n(2), n(3), n(4));
        break;
    case cons_kind::kInterLineCircle:
        line = fmt("%s %s  %s %s  %s %s", kw(2152).c_str(), x, n(0), n(1), n(2), n(3)); break;
    case cons_kind::kInterPlineCircle:
        line = fmt("%s %s  %s %s %s  %s %s", kw(2153).c_str(), x, n(0), n(1), n(2), n(3), n(4));
        break;
    default: break;
    }
    gprint(line);
    gprint(";\r\n");
}
