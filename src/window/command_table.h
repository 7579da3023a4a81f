#pragma once
// The drawing window's response table: which handler serves each command id
// and which enabler guards it. Data only; the routing lives in Dchild.

#include <optional>
#include <span>

// The handler a command id is bound to. Handlers that serve several ids
// receive the id; the others are called without it.
enum class CommandHandler {
    DrawAction,     // draw_action(win, id)
    DragMode,       // drag_mode_cmd(win, id)
    ConsMode,       // cons_mode_cmd(win, id)
    Animation,      // Dchild::CmAnimation(win, id)
    Block,          // block_cmd(win, id)
    Measure,        // measure_cmd(win, id)
    SetColor,       // CmSetColor(win, id)
    LineWidth,      // CmLineWidth
    LineStyle,      // CmLineStyle
    FontSize,       // CmFontSize
    ScriptManager,  // CmScriptManager
    ShowProver,     // CmShowProver
    RestoreLast,    // restore_last
    DrawScript,     // CmDrawScript
    Print,          // CmPrint
    SavePs,         // save_ps
    SaveBitmap,     // save_bitmap
    PrinterSetup,   // CmPrinterSetup
    PrintPreview,   // CmPrintPreview
    FigSave,        // fig_save
    FigSaveAs,      // fig_save_as
    ToggleView,     // toggle_view_flag
    UpdAttrBuf,     // upd_attr_buf
    None,           // an enabler without a handler
};

// The eleven command enablers; None means the framework's default.
enum class CommandEnabler {
    None,
    DrivingPoint,
    Paste,
    NotStepping,
    DragModes,
    Restore,
    DrawScript,
    Enabled,
    Objects1,
    Objects2,
    Objects3,
    Objects4,
};

struct DchildCommand {
    int id;
    CommandHandler handler;
    CommandEnabler enabler;
};

// Every entry of the table, in ascending id order.
std::span<const DchildCommand> dchild_commands();
// The entry of one id, when the table has it.
std::optional<DchildCommand> find_dchild_command(int id);

// Toolbox ids that start the same command as a menu item; the pending command
// becomes the menu id. 0 when id is not such an alias.
int toolbox_menu_twin(int id);

const char* handler_name(CommandHandler h);
const char* enabler_name(CommandEnabler e);
