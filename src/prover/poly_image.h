#pragma once
// A polynomial held outside the node pools and the variable table, so that it
// outlives init_pools: a statement keeps its few polynomials this way while
// everything a proof allocated goes back to the system.

#include <cstdint>
#include <string>
#include <vector>

#include "prover/poly.h"

class PolyImage {
public:
    // An image of p (null: an image of no polynomial).
    explicit PolyImage(const xterm* p);
    // A new polynomial in the pools equal to the one imaged, its variables
    // interned again; null for the image of none.
    xterm* build() const;

private:
    // One node in preorder; a variable node is followed by its terms, each
    // a node whose deg is the term's degree.
    struct Node {
        std::uint16_t deg = 0;
        bool has_var = false;
        var_rec var;
        coef_t value = 0;
        std::string big;           // a constant beyond 64 bits, in decimal
        std::uint32_t terms = 0;
    };
    void add(const xterm* p, std::uint16_t deg);
    xterm* build_from(std::size_t& at) const;

    std::vector<Node> nodes_;
};
