#pragma once
// The deductive fact database: records and lists, conditions and reason
// lists, lookups, fact tests and adders.

#include "gdd/fact_tests.h"
#include "gdd/gdd_add.h"
#include "gdd/gdd_conds.h"
#include "gdd/gdd_lookup.h"
#include "gdd/gdd_records.h"
#include "gdd/predicates.h"
