#pragma once
// The help pages behind a small interface, so that the help commands run in
// tests without a viewer. The toolkit version lives with the windows.

// Help contexts of the help pages (0 is the contents page).
namespace help_context {
inline constexpr int kContents = 0;
inline constexpr int kGettingStarted = 531;
inline constexpr int kInterface = 516;
inline constexpr int kCommands = 256;
inline constexpr int kConstructions = 519;
inline constexpr int kProverInterface = 520;
inline constexpr int kProvingMethods = 521;
inline constexpr int kPredicates = 528;
inline constexpr int kModifyDialog = 529;
inline constexpr int kAddDialog = 530;
}  // namespace help_context

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void show_contents() = 0;
    virtual void show_context(int context) = 0;
    virtual void show_about() = 0;
};
