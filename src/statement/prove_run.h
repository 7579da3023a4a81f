#pragma once
// One whole Prove from a statement text or a built-in example, as the bench
// and the tests run it: the statement is read with the method it is proved
// by (or another one, as the window allows), proved under a time limit, and the outcome is named in one word.

#include <string>
#include <string_view>

#include "statement/prove.h"

struct ProveRun {
    std::string result;       // true, false, not-solved, timeout, error
    long long ms = 0;         // wall-clock time of the Prove command
    int maxterm = 0;          // largest polynomial met, 0 for none
    std::string message;      // for an error, its first report (else the window's last lines) on one line
                              // ("run out of memory." for that end)
    std::string window_text;  // what the prover window shows afterwards
};

// The result word of a Prove that ended so, with g_result as it stands.
std::string_view prove_result_word(ProveEnd end);

// Reads text as the window's read command does, whole, under read_method
// (0: the method it is proved by), and proves it under method.
ProveRun prove_statement_text(std::string_view text, int method, int time_limit_s, int read_method = 0);
// Loads a built-in example under read_method (0: method) and proves it.
ProveRun prove_example(int id, int method, int time_limit_s, int read_method = 0);
// Proves under method, as the window's Prove command does once more after a
// proof: the statement as read or loaded, or the tables as they stand where
// none is kept.
ProveRun prove_again(int method, int time_limit_s);
