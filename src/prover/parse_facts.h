#pragma once
// Facts that the statement reader enters into the deductive database while it
// reads (CIRCLE lines and the circle-intersection constructions). They are
// kept in a list beside the point table, so that a proof that empties the
// database can enter them again (statement/parse_fact_entry.h) and the
// numeric figures can place a CIRCLE line's points on their circle.

#include <array>
#include <vector>

struct ParseFact {
    enum class Kind {
        Line,    // p0, p1, p2 collinear
        Tline,   // line p0p1 perpendicular to line p2p3
        Cir2,    // p1, p2 on the circle with centre p0
        Cir3,    // p1, p2, p3 on the circle with centre p0
        Cir4,    // p1..p4 on one circle with centre p0 (0 = unknown)
        Circle,  // a circle record of its own: centre p0, points pts
    };
    Kind kind = Kind::Line;
    std::array<int, 5> p{};
    std::vector<int> pts;   // Circle only, ascending without repeats
};

// The facts of the statement read last, in the order they were entered.
// Emptied at every prover_reset.
extern std::vector<ParseFact> g_parse_facts;
