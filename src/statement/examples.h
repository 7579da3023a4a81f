#pragma once
// The built-in theorems of the prover's Theorems menu, written straight into
// the point table and the conclusion record.

#include <span>
#include <string_view>

struct ExampleInfo {
    int id;                     // command id
    std::string_view menu_text;
};

// The examples in the order the menu lists them.
std::span<const ExampleInfo> example_menu();

// Command handler part of the Theorems menu: clears the conclusion's point
// slots, then for the ids 315..320 and 337 writes the example's records,
// g_npoints and conclusion. Returns true when id named an example. Records
// above the example's count, the equation sides, the method and the flags
// are left as they are. Showing the statement is the window's part.
bool load_example(int id);
