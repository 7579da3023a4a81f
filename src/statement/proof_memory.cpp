#include "statement/proof_memory.h"

#include <malloc.h>

#include <array>
#include <new>
#include <optional>
#include <vector>

#include "facts/gdd_add.h"
#include "prover/poly.h"
#include "prover/poly_image.h"
#include "prover/prover.h"
#include "statement/kept_statement.h"

namespace {

// Without its polynomials a statement would say something else: it goes, as
// after an error in it.
void forget_statement()
{
    for (Pro_point& r : g_pro_points)
        r.ps = {nullptr, nullptr};
    g_concl_lhs = nullptr;
    g_concl_rhs = nullptr;
    g_npoints = 0;
    forget_kept_statement();
}

// The statement's own polynomials (ratios, constants, the sides of an
// equation conclusion), held outside the pools.
class StatementPolys {
public:
    StatementPolys()
    {
        for (const Pro_point& r : g_pro_points)
            records_.push_back({PolyImage(r.ps[0]), PolyImage(r.ps[1])});
    }

    // Builds them again into the emptied pools; false (the statement
    // forgotten) when there is no memory for them.
    bool restore() const
    {
        try {
            for (std::size_t i = 0; i < g_pro_points.size(); ++i)
                g_pro_points[i].ps = {records_[i][0].build(), records_[i][1].build()};
            g_concl_lhs = lhs_.build();
            g_concl_rhs = rhs_.build();
            return true;
        } catch (const std::bad_alloc&) {
        } catch (const ProverAbort&) {
        }
        forget_statement();
        return false;
    }

private:
    std::vector<std::array<PolyImage, 2>> records_;
    PolyImage lhs_{g_concl_lhs};
    PolyImage rhs_{g_concl_rhs};
};

}  // namespace

bool release_proof_memory(bool keep_results)
{
    if (keep_results) {
        trim_pools();
        return true;
    }
    std::optional<StatementPolys> statement;
    try {
        statement.emplace();
    } catch (const std::bad_alloc&) {
    }
    // A run cut short leaves nodes that nothing reaches: the pools go back
    // whole, and the lists and the proof chain only forget theirs.
    init_pools();
    run_prover_reset_stage(ResetStage::Equations);
    free_gdd();
    bool carried = false;
    if (statement)
        carried = statement->restore();
    else
        forget_statement();
    malloc_trim(0);
    return carried;
}
