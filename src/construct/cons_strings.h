#pragma once
// Texts of the construction commands: command names for the command line and
// the prompts of each step. Misspellings are the program's own texts.

#include <string>

// Adds the texts to the program's string table. Safe to call more than once.
void register_construction_strings();

// A text of the table by id, the construction texts registered first.
std::string cons_string(int id);
