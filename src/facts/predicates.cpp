// Predicate tests answered from the fact database.

#include "facts/predicates.h"

#include "facts/fact_tests.h"

int n_same_point(int a, int b) { return a == b; }

int n_coll(int a, int b, int c) { return xcoll(a, b, c); }

int n_para(int a, int b, int c, int d) { return xpara(a, b, c, d); }

int n_perp(int a, int b, int c, int d) { return xperp(a, b, c, d); }
