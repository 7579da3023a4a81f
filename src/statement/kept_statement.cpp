#include "statement/kept_statement.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "prover/parse_facts.h"
#include "prover/poly_image.h"
#include "prover/prover.h"
#include "statement/parser.h"

namespace {

// A statement loaded as records. Its polynomials (ratio values, the sides of
// an equation conclusion) are held outside the pools, which every Prove
// empties before it starts.
class LoadedTable {
public:
    LoadedTable()
    {
        for (int i = 1; i <= g_npoints; ++i) {
            const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
            Record& kept = records_.emplace_back(Record{r, {PolyImage(r.ps[0]), PolyImage(r.ps[1])}});
            kept.fields.ps = {nullptr, nullptr};
        }
    }

    void put_back() const
    {
        // Everything is built before the tables change: out of memory, they
        // stay as the last Prove left them.
        std::vector<std::array<xterm*, 2>> polys;
        polys.reserve(records_.size());
        for (const Record& r : records_)
            polys.push_back({r.polys[0].build(), r.polys[1].build()});
        xterm* const lhs = lhs_.build();
        xterm* const rhs = rhs_.build();
        free_statement_polys();
        for (std::size_t k = 0; k < records_.size(); ++k) {
            Pro_point& r = g_pro_points[k + 1];
            r = records_[k].fields;
            r.ps = polys[k];
        }
        g_npoints = static_cast<std::int32_t>(records_.size());
        g_concl = concl_;
        g_concl_lhs = lhs;
        g_concl_rhs = rhs;
        g_concl_written = concl_written_;
        g_parse_facts = facts_;
    }

private:
    struct Record {
        Pro_point fields;  // polynomial slots empty
        std::array<PolyImage, 2> polys;
    };
    std::vector<Record> records_;
    Gdd_cond concl_ = g_concl;
    PolyImage lhs_{g_concl_lhs};
    PolyImage rhs_{g_concl_rhs};
    std::optional<std::string> concl_written_ = g_concl_written;
    std::vector<ParseFact> facts_ = g_parse_facts;
};

using KeptStatement = std::variant<std::monostate, StatementCuts, LoadedTable>;

KeptStatement& kept()
{
    static KeptStatement statement;
    return statement;
}

}  // namespace

void keep_reading(StatementCuts cuts) { kept() = std::move(cuts); }

void keep_loaded_statement() { kept() = LoadedTable(); }

void forget_kept_statement() { kept() = std::monostate{}; }

bool statement_kept() { return !std::holds_alternative<std::monostate>(kept()); }

Restart restart_kept_statement()
{
    if (const LoadedTable* table = std::get_if<LoadedTable>(&kept())) {
        table->put_back();
        return Restart::kRestarted;
    }
    StatementCuts* reading = std::get_if<StatementCuts>(&kept());
    if (!reading)
        return Restart::kNothingKept;
    // Reading forgets the kept statement as it forgets the statement before.
    StatementCuts cuts = std::move(*reading);
    read_statement_tokens(cuts.tokens_for(g_method));
    if (g_abort) {
        forget_kept_statement();
        return Restart::kFailed;
    }
    keep_reading(std::move(cuts));
    return Restart::kRestarted;
}
