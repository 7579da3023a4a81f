#pragma once
// Showing the fact database: one record as text (the record printers, also
// used by the fact printer for a fact that names a whole record), the list
// of each fact kind, the whole database, its size, and a fact's reasons.
// Everything is printed through gprint; LaTeX forms while g_latex is set.

#include <cstdint>

#include "facts/gdd_records.h"

// Records printed by the last listing (the size count leaves its count of
// relations here).
extern int g_show_count;
// While set, record printers put the record's state in front ("[%d]").
// Set only by the trace listing of queued conditions; the database
// commands, the proof printer and show_reasons clear it.
extern std::uint8_t g_show_state;

// ---- record printers (one record, no line break) ----
void show_mid(const Gdd_mid* m);
// A missing line prints "circles in the databse." (the system's own text).
void show_line(const Gdd_line* l, bool with_word);
void show_pline(const Gdd_pline* p);
void show_tline(const Gdd_tline* t);
void show_cir(const Gdd_cir* c);
// One full angle [l1, l2].
void show_ea_pair(const Gdd_line* l1, const Gdd_line* l2);
void show_ea(const Gdd_ea* e);
// The same for the lines the record was made with (a record named as the
// reason of another fact stands for the fact its own reasons prove).
void show_ea_written(const Gdd_ea* e);
void show_sim(const Gdd_tri* t);
void show_con(const Gdd_tri* t);
void show_cg(const Gdd_cg* g);
void show_ratio(const Gdd_ra* r);

// ---- listings (with_reasons: 0 from the menu, 1 from the chaining trace) ----
void show_mids(int with_reasons);
void show_lines(int with_reasons);
void show_plines(int with_reasons);
void show_tlines(int with_reasons);
void show_cirs(int with_reasons);
void show_eqangles(int with_reasons);
void show_congs(int with_reasons);
void show_sims(int with_reasons);
void show_cons(int with_reasons);
void show_ratios(int with_reasons);
// The whole database under its banner.
void show_gib(int with_reasons);
// Counts the relations of each kind ("Show Size of GDD").
void show_gdd_size(int with_details);
// "       because " and the facts of a reason chain; nothing for an empty one.
void show_reasons(const Gdd_cond* chain);

// The database commands of the prover's GDD menu that only print: 302-304,
// 309-314, 331 (one list, or its empty-list message), 341 (size), 342 (the
// whole database) and 346 (nothing). Clears g_latex and g_show_state first.
// The caller clears the window before 341 and 342 and refreshes the status.
// Returns false for any other id.
bool gdd_show_command(int id);
// Command 346: does nothing.
void empty_cmd();
