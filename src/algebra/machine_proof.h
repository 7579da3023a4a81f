#pragma once
// "The Machine Proof" of the area, vector and full-angle methods, printed
// from the proof chain as text (latex 0) or LaTeX (latex 1), and the LaTeX
// proof file.

#include <functional>

#include "algebra/proof_chain.h"
#include "prover/poly.h"

// How a method that rests on database facts (the full-angle method) names
// them: `begin` starts a proof's citations, `cite` prints the facts of one
// premise chain after the elimination they justify (", " before each), and
// `derivations` prints, after the chain, how each derived fact cited follows.
struct ProofCitations {
    std::function<void()> begin;
    std::function<void(const Gdd_cond* reasons, int latex)> cite;
    std::function<void(int latex)> derivations;
};

// The conclusion, its equivalent quotient and the chain of equalities with
// the eliminations that justify each, and with `citations` the facts each
// rests on and their derivations.
void show_machine_proof(int latex, const ProofCitations* citations = nullptr);
// The elimination steps of one record, after "because ".
void show_steps(const elim_step* steps, int latex, const ProofCitations* citations = nullptr);
// One elimination step.
void show_elim(const elim_step* step, int latex);
// A quotient record: nc * np over dc * dp.
void ltx_frac(const quot_rec& q, int latex);
// Two integers as a fraction.
void frac_num(const xterm* a, const xterm* b, int latex);
// A factor list as a product.
void ltx_prod(const dterm* list, int latex);

// Writes the machine proof into the LaTeX file (named from g_example by
// "%s.tex" in the proof directory): a fixed preamble, the proof in LaTeX
// form and "\end{document}". A file that cannot be written gives
// "Couldn't open %s.tex" in the window. An exception while the file is
// open closes it and sends later output to the window again.
void save_tex(const ProofCitations* citations = nullptr);
