// The database method's entry point, with the conclusion semantics as its
// conclusion test.

#include "statement/database_prove.h"

#include "gdd/forward.h"
#include "prover/prover.h"
#include "statement/prove.h"
#include "statement/semantics.h"

void do_gdd()
{
    run_gdd_method([] { return do_concl_w() != 0; });
    // Not reached: say what the database could not take.
    if (g_result == kResultNotSolved)
        gprint(database_limits());
}
