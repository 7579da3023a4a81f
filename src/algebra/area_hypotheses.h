#pragma once
// Hypothesis predicates (COLLINEAR, PARALLEL, PERPENDICULAR among the
// hypotheses) read as constructions of their last free point for the length
// of one area-method run; the point table is given back as it was.

#include <array>
#include <cstdint>
#include <vector>

class HypothesisReadings {
public:
    HypothesisReadings() = default;
    ~HypothesisReadings();
    HypothesisReadings(const HypothesisReadings&) = delete;
    HypothesisReadings& operator=(const HypothesisReadings&) = delete;

    // Rewrites the free points the predicates constrain. False after a
    // refusal (gerror naming the predicate) for a predicate it cannot read.
    bool read();

private:
    struct Saved {
        int point;
        std::uint32_t kind;
        std::array<std::uint32_t, 8> pots;
    };
    std::vector<Saved> saved_;
};
