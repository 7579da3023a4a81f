#include "statement/parse_fact_entry.h"

#include "facts/gdd.h"

namespace {

// A circle record of its own, announced to the forward chaining as a circle.
void enter_circle(const ParseFact& f)
{
    if (f.pts.empty())
        return;
    Gdd_cir* c = g_cir_list.append();
    c->state = kNew;
    c->lemma = 0;
    c->reasons = nullptr;
    c->centre = static_cast<std::int8_t>(f.p[0]);
    c->last = static_cast<std::int8_t>(f.pts.size() - 1);
    for (std::size_t k = 0; k < f.pts.size(); ++k)
        c->pts[k] = static_cast<std::int8_t>(f.pts[k]);
    new_cond(kCondCyclic, c);
}

void apply(const ParseFact& f)
{
    // Hypotheses carry no reasons.
    clear_co_db();
    const auto& p = f.p;
    switch (f.kind) {
    case ParseFact::Kind::Line:
        add_line(0, p[0], p[1], p[2]);
        break;
    case ParseFact::Kind::Tline:
        add_tline(0, p[0], p[1], p[2], p[3]);
        break;
    case ParseFact::Kind::Cir2:
        add_cir2(0, p[0], p[1], p[2]);
        break;
    case ParseFact::Kind::Cir3:
        add_cir3(0, p[0], p[1], p[2], p[3]);
        break;
    case ParseFact::Kind::Cir4:
        add_cir4(0, p[0], p[1], p[2], p[3], p[4]);
        break;
    case ParseFact::Kind::Circle:
        enter_circle(f);
        break;
    }
}

}  // namespace

void enter_parse_fact(const ParseFact& fact)
{
    g_parse_facts.push_back(fact);
    apply(fact);
}

void replay_parse_facts()
{
    for (const auto& f : g_parse_facts)
        apply(f);
}

int parse_fd_cir3(int a, int b, int c) { return fd_cir3(a, b, c); }
