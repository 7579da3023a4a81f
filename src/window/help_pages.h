#pragma once
// Where the help pages live and which page shows which help context.

#include <optional>
#include <string>

// The help context a help command opens: 185 the contents (0), 196, 227,
// 228 and 231 their topics. nullopt for any other id.
std::optional<int> help_context_of_command(int id);

// File name of the page of a context (contents for unknown contexts).
std::string help_page_file(int context);

// The folder of the help pages: $PLEXATOR_RESOURCES/help when set, else the
// resources/help folder of the source tree the program was built from, else
// resources/help beside the executable's folders. Empty when none exists.
std::string help_directory();
