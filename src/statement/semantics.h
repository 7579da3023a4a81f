#pragma once
// The meaning of a statement for every method and printer: do_cons gives one
// construction record's meaning and do_concl the conclusion's, in one of the
// modes below (the mode argument is called cgeo_key).

#include <string>

struct Gdd_cond;

namespace cgeo {
constexpr int kPolys = 1;          // coordinate polynomials
constexpr int kHypList = 2;        // Wu hypothesis list
constexpr int kPredicate = 3;      // predicate (keyword) form
constexpr int kNonDegenerate = 4;  // constructions: non-degeneracy conditions; conclusion: statement form
constexpr int kFacts = 5;          // hypothesis facts into the fact database
constexpr int kStatement = 6;      // constructions: statement syntax; conclusion: database test
constexpr int kNumeric = 7;        // numeric model: nothing
constexpr int kAlgebraic = 8;      // algebraic form
constexpr int kDrawing = 9;        // constructions: drawing instructions; conclusion: sentence form
}  // namespace cgeo

enum class SemResult { Done, NotBuilt };

// Every mode is built now; kept for callers that ask.
bool semantics_mode_built(int cgeo_key);

// Interprets record no in mode cgeo_key: prints its text, states its facts,
// builds its polynomials, or does nothing where the kind has no case.
SemResult do_cons(int cgeo_key, int no);
// do_cons for records first, first + 1, ... up to g_npoints (read anew each
// time, so records appended meanwhile are included). Returns 1.
int do_cons_from(int cgeo_key, int first);

// The texts do_cons prints, for the printers and the tests.
std::string cons_statement_text(int no);   // mode 6, ending ";\r\n"
std::string cons_predicate_text(int no);   // mode 3, each line ending ".\r\n"
std::string cons_drawing_text(int no);     // mode 9
std::string nondegenerate_text(int no);    // mode 4
// Mode 5: enters the record's hypothesis facts into the fact database.
void state_cons_facts(int no);
// Does mode 5 state facts of the record? Free points, CENTROID, INVERSION,
// the ratio points, CONSTANT, ON_HLINE, NROTATE and the reader's own kinds
// (ON_BLINE, HARMONIC, SIM_TRIANGLE, the CIRCLE points, ...) state none.
bool cons_states_facts(int no);

// The conclusion g_concl in mode key (1, 3, 4, 6, 8, 9). Returns the database
// test's answer in mode 6 (non-zero: the fact holds), else 0. An unknown kind
// is reported through gerror.
int do_concl(int key);
// Is the statement's conclusion in the database?
int do_concl_w();
// The database test of a predicate record given in the conclusion's layout;
// g_concl is left as it was.
int do_concl_of(const Gdd_cond& fact);
// Can the database hold a conclusion of this kind? Tangent circles, the
// harmonic pair, the equilateral triangle and equations it cannot.
bool concl_has_database_test(int kind);

// The texts do_concl prints.
std::string concl_keyword_text();    // keyword form, without ".\r\n"
std::string concl_statement_text();  // "SHOW: ..." with ".\r\n"
std::string concl_sentence_text();   // sentence form
