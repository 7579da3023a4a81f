#pragma once
// How objects enter a drawing's object table: finishing a pending record,
// automatic point names, segments and circles found instead of duplicated,
// replacing a record, building from a complete record.

#include <string>

#include "model/diagram.h"

// Kinds of add_point.
enum AddKind : char {
    kAddPoint = 1,
    kAddChooseCandidate = 2,
    kAddMark = 3,
    kAddFill = 4,
    kAddOther = 6,
    kAddConclusion = 10,
};

// Set by the object dialog when it renames an object; read and cleared by upd_obj.
extern int g_name_changed;

// The next automatic point name (A..Z, A1..Z1, A2..), skipping names in use.
// Every name formed consumes its letter.
std::string next_auto_name(ObjectTable& t);

// Appends a copy of rec in the current block (block 1 when none); record_count
// := its index; appends its Script Manager line. Returns the index.
int add_obj(Diagram& d, const Dpoint& rec);

// Finishes the pending record by kind (see AddKind); other kinds do nothing.
void add_point(Diagram& d, char kind, Dpoint& rec);

// Adds segment a b (type 135, ends ordered a < b) with proto's colour, style and
// size, or restyles (keep_style 0) or just draws the existing one. Returns the
// segment's index; 0 when a equals b.
int add_segment(Diagram& d, int keep_style, int a, int b, const Dpoint& proto);
// Adds the circle with centre c through p (type 136), or finds an equal one
// (same centre, radius within 2.0). Returns the circle's index.
int add_circle(Diagram& d, int keep_style, int c, int p, const Dpoint& proto);

// Copies rec over object k (an object index below the count; else nothing).
void upd_obj(Diagram& d, int k, const Dpoint& rec);

// Builds the object described by a complete record at once.
void add_from_rec(Diagram& d, Dpoint& rec);

// Object k, or null for a reserved or out-of-range index.
Dpoint* get_obj(Diagram& d, int k);
