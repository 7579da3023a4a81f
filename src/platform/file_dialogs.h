#pragma once
// The file dialogs behind a small interface, so that commands ask for a file
// without knowing the toolkit, and tests answer from a script without ever
// blocking. The toolkit version lives with the windows.

#include <optional>
#include <string>
#include <string_view>

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // filter in the "Description|pattern|..." form of the point-file dialogs.
    // nullopt when the user cancels.
    virtual std::optional<std::string> open_file(std::string_view filter,
                                                 std::string_view default_ext) = 0;
    virtual std::optional<std::string> save_file(std::string_view filter,
                                                 std::string_view default_ext,
                                                 std::string_view initial_name) = 0;
};
