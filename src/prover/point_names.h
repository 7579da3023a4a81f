#pragma once
// The printed names of the point table's points, for every layer that
// prints a statement, a fact or a proof.

#include <string>

// Name of point i; "" for 0 or an index outside the point table.
const std::string& pt_name(int i);
// The same as a C string, for the formatted lines of the database.
const char* gdd_pt_name(int p);
