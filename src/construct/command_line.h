#pragma once
// The command line of a construction command, shown in status pane 3: the
// command's short name followed by one slot per argument, each the name of
// the object picked for it or "#" while it is not chosen, e.g. "Midpoint A #".
//
// The name is kept whole in the diagram (record 1's name field holds only its
// first nine characters), the argument count in record 2's type field and the
// slots in the name fields of records 2 to 9.

#include <string>
#include <string_view>

class ConstructionHost;

inline constexpr int kMaxCommandArgs = 8;
inline constexpr std::string_view kOpenSlot = "#";

// Starts the command line: the name, n argument slots, every slot "#".
void cmd_begin(ConstructionHost& host, std::string_view name, int n);
// The command line as text: name, then " " and each of the n slots.
std::string cmd_line_text(ConstructionHost& host);
// Shows the command line in status pane 3.
void cmd_show(ConstructionHost& host);
// Asks again for argument k (2 <= k <= 6): action state 10 + k, slot k "#";
// for any k the command line is shown.
void cmd_next(ConstructionHost& host, int k);
// Writes slot k (1..8) of the command line.
void set_cmd_slot(ConstructionHost& host, int k, std::string_view text);

// The smallest of three distinct values (for equal values: a if smaller than
// both others, else b if smaller than both others, else c).
int min3(int a, int b, int c);
