#include "statement/kept_reading.h"

#include <optional>
#include <utility>

#include "prover/prover.h"

namespace {

struct KeptReading {
    StatementCuts cuts;
    int method;
};

std::optional<KeptReading>& kept()
{
    static std::optional<KeptReading> reading;
    return reading;
}

}  // namespace

void keep_reading(StatementCuts cuts, int method) { kept().emplace(KeptReading{std::move(cuts), method}); }

void forget_kept_reading() { kept().reset(); }

Reread read_kept_again()
{
    if (!kept() || kept()->method == g_method)
        return Reread::kNotNeeded;
    // Reading forgets the kept reading as it forgets the statement before.
    StatementCuts cuts = std::move(kept()->cuts);
    read_statement_tokens(cuts.tokens_for(g_method));
    if (g_abort) {
        forget_kept_reading();
        return Reread::kFailed;
    }
    keep_reading(std::move(cuts), g_method);
    return Reread::kRead;
}
