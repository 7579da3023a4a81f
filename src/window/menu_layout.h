#pragma once
// The frame's menu "COMMANDS" and its toolbox, as data: popups, items with
// their command ids and texts, and the twenty toolbox buttons.

#include <span>
#include <string>
#include <vector>

// Ids the frame handles itself (no drawing window or client table has them).
namespace frame_cmd {
inline constexpr int kExit = 24310;
inline constexpr int kOpenAccel = 24332;  // F2: no handler on the drawing side
inline constexpr int kSaveAccel = 24333;  // F3: no handler on the drawing side
inline constexpr int kCascade = 24361;
inline constexpr int kTile = 24362;
inline constexpr int kCloseAll = 24365;
}  // namespace frame_cmd

// Ids the MDI client handles: a new window, loading a drawing, the about box
// and the help pages.
namespace client_cmd {
inline constexpr int kNewWindow = 500;
inline constexpr int kLoadDiagram = 501;
inline constexpr int kAbout = 212;
inline constexpr int kHelpContents = 185;
inline constexpr int kHelpGettingStarted = 196;
inline constexpr int kHelpInterface = 227;
inline constexpr int kHelpCommands = 228;
inline constexpr int kHelpConstructions = 231;
}  // namespace client_cmd

struct MenuNode {
    enum class Kind { Item, Popup, Separator };
    Kind kind = Kind::Item;
    std::string text;  // with '&' before the mnemonic letter
    int id = 0;        // command id of an item
    std::vector<MenuNode> children;
};

// The popups of the menu bar, left to right, with everything beneath them.
const std::vector<MenuNode>& command_menu();

// Every command id that has a menu item, in menu order.
std::vector<int> menu_command_ids();
// The item text of a command, empty when it has no menu item.
std::string menu_item_text(int id);

struct ToolboxButton {
    int id;  // command id, also the icon id; its hint is the string of the same id
};

// The toolbox buttons in order: two columns, filled row by row.
std::span<const ToolboxButton> toolbox_buttons();
inline constexpr int kToolboxColumns = 2;
