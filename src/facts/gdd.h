#pragma once
// The deductive fact database: records and lists, conditions and reason
// lists, lookups, fact tests and adders.

#include "facts/fact_lookup.h"
#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_records.h"
#include "facts/predicates.h"
