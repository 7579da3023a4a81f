#pragma once
// What the database method, the Prove dispatcher and the prover window call
// besides the fact database itself (facts/gdd.h):
//
//   aux_points.h   aux_method_start, aux_search, new_aux_point and the
//                  point builders (the chaining loop of the database method);
//   proof_text.h   show_gdd_proof (the proof of the conclusion or of g_fact),
//                  show_aux_points, set_cons_text_printer;
//   proof_latex.h  save_proof_tex (the proof as "example.tex"), g_tex_dir;
//   gdd_display.h  the record printers, the listings, show_gib,
//                  show_gdd_size, show_reasons and gdd_show_command (the
//                  GDD menu's printing commands);
//   fact_text.h    show_fact (print, look up, compare, trivial), with
//                  gdd_fact_holds (the database test of a predicate,
//                  facts/fact_lookup.h).

#include "gdd/aux_points.h"
#include "gdd/fact_text.h"
#include "gdd/gdd_display.h"
#include "gdd/proof_latex.h"
#include "gdd/proof_text.h"
