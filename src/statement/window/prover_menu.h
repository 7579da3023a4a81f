#pragma once
// Menu 100 of the prover window, its tool bar and their pictures.

#include <QIcon>

#include <span>
#include <string>
#include <vector>

// One menu entry: a command (id != 0), a popup (items), or a separator
// (neither).
struct ProverMenuEntry {
    std::string text;
    int id = 0;
    std::string keys;  // accelerator, in the toolkit's key-sequence form
    std::vector<ProverMenuEntry> items;
};

// The popups of the menu bar, in order.
const std::vector<ProverMenuEntry>& prover_menu();

// The hint shown in the status bar while the command is highlighted.
std::string prover_command_hint(int id);

// The tool bar's command buttons, in order.
std::span<const int> prover_toolbar_ids();
// The picture of a tool-bar button; a blank one for an unknown id.
QIcon prover_toolbar_icon(int id);
// The frame's icon.
QIcon prover_frame_icon();
