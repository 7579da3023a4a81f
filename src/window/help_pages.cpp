#include "window/help_pages.h"

#include "window/menu_layout.h"
#include "window/ui_services.h"

#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

std::optional<int> help_context_of_command(int id)
{
    switch (id) {
    case client_cmd::kHelpContents: return help_context::kContents;
    case client_cmd::kHelpGettingStarted: return help_context::kGettingStarted;
    case client_cmd::kHelpInterface: return help_context::kInterface;
    case client_cmd::kHelpCommands: return help_context::kCommands;
    case client_cmd::kHelpConstructions: return help_context::kConstructions;
    default: return std::nullopt;
    }
}

std::string help_page_file(int context)
{
    switch (context) {
    case help_context::kGettingStarted: return "getting_started.html";
    case help_context::kInterface: return "interface.html";
    case help_context::kCommands: return "commands.html";
    case help_context::kConstructions: return "constructions.html";
    case help_context::kProverInterface: return "prover.html";
    case help_context::kProvingMethods: return "methods.html";
    case help_context::kPredicates: return "predicates.html";
    case help_context::kModifyDialog:
    case help_context::kAddDialog: return "object_dialogs.html";
    default: return "contents.html";
    }
}

namespace {

bool has_pages(const fs::path& dir)
{
    std::error_code ec;
    return fs::is_regular_file(dir / "contents.html", ec);
}

}  // namespace

std::string help_directory()
{
    if (const char* env = std::getenv("PLEXATOR_RESOURCES")) {
        fs::path dir = fs::path(env) / "help";
        if (has_pages(dir))
            return dir.string();
    }
    const fs::path source_dir = PLEXATOR_SOURCE_DIR;
    if (has_pages(source_dir / "resources" / "help"))
        return (source_dir / "resources" / "help").string();
    if (QCoreApplication::instance()) {
        fs::path dir = QCoreApplication::applicationDirPath().toStdString();
        for (int up = 0; up < 4 && !dir.empty(); ++up, dir = dir.parent_path())
            if (has_pages(dir / "resources" / "help"))
                return (dir / "resources" / "help").string();
    }
    return {};
}
