// Copying a stored predicate into another record (the conclusion): kind,
// points and link; the step number and the object stay the target's.

#include "prover/gdd_cond.h"

void cp_cond(const Gdd_cond& src, Gdd_cond& dst)
{
    dst.type = src.type;
    dst.p = src.p;
    dst.next = src.next;
}
