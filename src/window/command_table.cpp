#include "window/command_table.h"

#include <algorithm>
#include <array>

#include "model/object_types.h"

namespace {

using H = CommandHandler;
using E = CommandEnabler;

// Every command id the window answers, as a number: this table is where the
// ids are listed, beside the menu and the toolbox (object_types.h names the
// ones the handlers tell apart).
constexpr DchildCommand kCommands[] = {
    {99, H::ConsMode, E::Objects1},
    {101, H::DrawAction, E::Enabled},
    {102, H::ConsMode, E::Objects3},
    {103, H::ConsMode, E::Objects2},
    {104, H::ConsMode, E::Objects3},
    {105, H::ConsMode, E::Objects3},
    {106, H::ConsMode, E::Objects3},
    {107, H::ConsMode, E::Objects3},
    {108, H::ConsMode, E::Objects3},
    {109, H::ConsMode, E::Objects2},
    {110, H::ConsMode, E::Objects2},
    {111, H::ConsMode, E::Objects2},
    {112, H::ConsMode, E::Objects2},
    {113, H::ConsMode, E::Objects2},
    {114, H::ConsMode, E::Objects4},
    {115, H::ConsMode, E::Objects3},
    {116, H::ConsMode, E::Objects4},
    {117, H::ConsMode, E::Objects3},
    {118, H::ConsMode, E::Objects3},
    {119, H::ConsMode, E::Objects3},
    {120, H::ConsMode, E::Objects3},
    {121, H::ConsMode, E::Objects3},
    {122, H::ConsMode, E::Objects3},
    {123, H::ConsMode, E::Objects3},
    {124, H::ConsMode, E::Objects3},
    {125, H::ConsMode, E::Objects2},
    {126, H::ConsMode, E::Objects3},
    {127, H::ConsMode, E::Objects3},
    {128, H::ConsMode, E::Objects3},
    {129, H::ConsMode, E::Objects2},
    {130, H::ConsMode, E::Objects3},
    {131, H::ConsMode, E::Objects3},
    {132, H::ConsMode, E::Objects2},
    {133, H::ConsMode, E::Objects2},
    {134, H::ConsMode, E::Objects1},
    {135, H::ConsMode, E::Objects2},
    {136, H::ConsMode, E::Objects2},
    {137, H::SetColor, E::None},
    {138, H::LineWidth, E::None},
    {139, H::LineStyle, E::None},
    {140, H::ConsMode, E::Objects1},
    {141, H::RestoreLast, E::Restore},
    {142, H::SetColor, E::None},
    {143, H::ConsMode, E::Objects3},
    {144, H::ConsMode, E::Objects3},
    {145, H::ConsMode, E::Objects2},
    {146, H::ConsMode, E::Objects3},
    {147, H::ConsMode, E::Objects3},
    {148, H::ConsMode, E::Objects3},
    {149, H::ConsMode, E::Objects4},
    {150, H::ConsMode, E::Objects3},
    {151, H::ConsMode, E::Objects3},
    {152, H::ConsMode, E::None},
    {153, H::ConsMode, E::Objects3},
    {154, H::ConsMode, E::None},
    {155, H::ConsMode, E::None},
    {156, H::ConsMode, E::None},
    {157, H::ConsMode, E::Objects4},
    {158, H::ConsMode, E::Objects3},
    {159, H::ConsMode, E::Objects2},
    {160, H::ConsMode, E::Objects3},
    {161, H::ConsMode, E::Objects2},
    {162, H::ConsMode, E::Objects3},
    {163, H::ConsMode, E::Objects4},
    {164, H::ConsMode, E::Objects2},
    {165, H::ConsMode, E::Objects3},
    {166, H::ConsMode, E::Objects4},
    {167, H::SetColor, E::None},
    {168, H::Measure, E::Objects1},
    {169, H::ConsMode, E::Objects1},
    {170, H::ConsMode, E::Objects2},
    {171, H::ConsMode, E::Objects2},
    {172, H::ConsMode, E::Objects1},
    {173, H::ConsMode, E::Objects1},
    {174, H::FontSize, E::None},
    {175, H::DragMode, E::DragModes},
    {176, H::DragMode, E::DragModes},
    {177, H::DragMode, E::DragModes},
    {178, H::DragMode, E::DragModes},
    {179, H::DragMode, E::DragModes},
    {180, H::DrawAction, E::Enabled},
    {181, H::ConsMode, E::Objects2},
    {182, H::ConsMode, E::Objects3},
    {183, H::ConsMode, E::Objects3},
    {186, H::ConsMode, E::Objects2},
    {187, H::ConsMode, E::Objects2},
    {188, H::ScriptManager, E::None},
    {189, H::ConsMode, E::Objects2},
    {190, H::ConsMode, E::Objects2},
    {191, H::ConsMode, E::Objects2},
    {192, H::ConsMode, E::Objects3},
    {193, H::ShowProver, E::None},
    {194, H::ConsMode, E::Objects2},
    {195, H::DrawAction, E::NotStepping},
    {197, H::ConsMode, E::Objects2},
    {198, H::ConsMode, E::Objects2},
    {199, H::ConsMode, E::Objects3},
    {203, H::Block, E::Objects2},
    {204, H::Block, E::Objects2},
    {205, H::Block, E::Objects2},
    {206, H::Block, E::Objects1},
    {207, H::DrawAction, E::Objects1},
    {209, H::ToggleView, E::None},
    {210, H::Print, E::Objects1},
    {211, H::SavePs, E::Objects1},
    {214, H::DrawAction, E::Objects1},
    {216, H::DrawAction, E::Objects1},
    {220, H::Animation, E::DrivingPoint},
    {221, H::DrawScript, E::DrawScript},
    {222, H::ConsMode, E::Objects3},
    {223, H::Measure, E::None},
    {224, H::ConsMode, E::Objects2},
    {225, H::Animation, E::None},
    {226, H::DragMode, E::DragModes},
    {229, H::PrinterSetup, E::None},
    {230, H::PrintPreview, E::Objects1},
    {233, H::SaveBitmap, E::Objects1},
    {236, H::ConsMode, E::Objects3},
    {237, H::ConsMode, E::Objects3},
    {238, H::Animation, E::DrivingPoint},
    {239, H::Animation, E::DrivingPoint},
    {242, H::ConsMode, E::DragModes},
    {243, H::ConsMode, E::DragModes},
    {245, H::DrawAction, E::None},
    {280, H::DrawAction, E::Enabled},
    {281, H::ConsMode, E::Objects1},
    {282, H::ConsMode, E::Objects2},
    {283, H::ConsMode, E::Objects3},
    {285, H::DragMode, E::Objects1},
    {286, H::DragMode, E::Objects1},
    {287, H::ConsMode, E::Enabled},
    {288, H::ConsMode, E::Enabled},
    {289, H::ConsMode, E::Objects2},
    {290, H::ConsMode, E::Objects2},
    {291, H::DrawAction, E::Objects1},
    {292, H::DrawAction, E::Objects1},
    {293, H::ConsMode, E::Objects3},
    {295, H::ConsMode, E::Objects3},
    {296, H::ConsMode, E::Objects2},
    {297, H::ConsMode, E::Objects2},
    {298, H::ConsMode, E::Objects2},
    {299, H::Block, E::None},
    {300, H::DrawAction, E::None},
    {384, H::ConsMode, E::Objects4},
    {420, H::Animation, E::DrivingPoint},
    {422, H::Animation, E::Objects1},
    {423, H::Animation, E::DrivingPoint},
    {424, H::Animation, E::DrivingPoint},
    {425, H::Animation, E::DrivingPoint},
    {426, H::Animation, E::DrivingPoint},
    {427, H::Animation, E::None},
    {428, H::Animation, E::DrivingPoint},
    {429, H::Animation, E::None},
    {430, H::Animation, E::DrivingPoint},
    {431, H::Animation, E::None},
    {451, H::Block, E::Objects2},
    {452, H::Block, E::Objects2},
    {453, H::Block, E::Paste},
    {455, H::ConsMode, E::None},
    {456, H::ConsMode, E::None},
    {457, H::ConsMode, E::None},
    {458, H::ConsMode, E::Objects3},
    {460, H::ConsMode, E::None},
    {461, H::Animation, E::DrivingPoint},
    {462, H::ConsMode, E::None},
    {463, H::Measure, E::None},
    {464, H::UpdAttrBuf, E::None},
    {465, H::DrawAction, E::Objects1},
    {466, H::DrawAction, E::Objects1},
    {467, H::DrawAction, E::None},
    {468, H::DrawAction, E::None},
    {470, H::ConsMode, E::None},
    {471, H::ConsMode, E::None},
    {502, H::FigSave, E::Objects1},
    {503, H::FigSaveAs, E::None},
    {24334, H::None, E::Objects1},
};

constexpr bool ascending()
{
    for (std::size_t i = 1; i < std::size(kCommands); ++i)
        if (kCommands[i - 1].id >= kCommands[i].id)
            return false;
    return true;
}
static_assert(ascending(), "the command table is searched by id and must be sorted");

struct Alias {
    int toolbox;
    int menu;
};

// The construction tools of the toolbox (by their ids, as the toolbox lists
// them) and the menu commands they stand for.
constexpr Alias kConsAliases[] = {
    {281, cmd::kRenamePoint},
    {282, otype::kMidpoint},
    {283, otype::kFoot},
    {287, otype::kSegment},
    {288, otype::kCircle},
    {289, cmd::kDeleteLine},
    {290, cmd::kDeleteCircle},
    {293, otype::kInterLineCircle},
    {295, otype::kOnPline},
    {296, otype::kOnTline},
    {297, otype::kOnLine},
    {298, otype::kOnCircle},
    {384, otype::kInterLineLine},
};

}  // namespace

std::span<const DchildCommand> dchild_commands() { return kCommands; }

std::optional<DchildCommand> find_dchild_command(int id)
{
    auto it = std::lower_bound(std::begin(kCommands), std::end(kCommands), id,
                               [](const DchildCommand& c, int v) { return c.id < v; });
    if (it == std::end(kCommands) || it->id != id)
        return std::nullopt;
    return *it;
}

int toolbox_menu_twin(int id)
{
    for (const Alias& a : kConsAliases)
        if (a.toolbox == id)
            return a.menu;
    return 0;
}

const char* handler_name(CommandHandler h)
{
    switch (h) {
    case H::DrawAction: return "draw_action";
    case H::DragMode: return "drag_mode_cmd";
    case H::ConsMode: return "cons_mode_cmd";
    case H::Animation: return "CmAnimation";
    case H::Block: return "block_cmd";
    case H::Measure: return "measure_cmd";
    case H::SetColor: return "CmSetColor";
    case H::LineWidth: return "CmLineWidth";
    case H::LineStyle: return "CmLineStyle";
    case H::FontSize: return "CmFontSize";
    case H::ScriptManager: return "CmScriptManager";
    case H::ShowProver: return "CmShowProver";
    case H::RestoreLast: return "restore_last";
    case H::DrawScript: return "CmDrawScript";
    case H::Print: return "CmPrint";
    case H::SavePs: return "save_ps";
    case H::SaveBitmap: return "save_bitmap";
    case H::PrinterSetup: return "CmPrinterSetup";
    case H::PrintPreview: return "CmPrintPreview";
    case H::FigSave: return "fig_save";
    case H::FigSaveAs: return "fig_save_as";
    case H::ToggleView: return "toggle_view_flag";
    case H::UpdAttrBuf: return "upd_attr_buf";
    case H::None: return "none";
    }
    return "?";
}

const char* enabler_name(CommandEnabler e)
{
    switch (e) {
    case E::None: return "none";
    case E::DrivingPoint: return "CeDrivingPoint";
    case E::Paste: return "CePaste";
    case E::NotStepping: return "CeNotStepping";
    case E::DragModes: return "CeDragModes";
    case E::Restore: return "CeRestore";
    case E::DrawScript: return "CeDrawScript";
    case E::Enabled: return "CeEnabled";
    case E::Objects1: return "CeObjects1";
    case E::Objects2: return "CeObjects2";
    case E::Objects3: return "CeObjects3";
    case E::Objects4: return "CeObjects4";
    }
    return "?";
}
