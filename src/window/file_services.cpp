#include "window/file_services.h"

#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "export/bitmap_export.h"
#include "export/export_strings.h"
#include "export/fig_expressions.h"
#include "export/fig_format.h"
#include "export/page_bands.h"
#include "export/postscript_export.h"
#include "export/print_page.h"
#include "paint/loci.h"
#include "platform/dialogs.h"
#include "platform/print_dialogs.h"
#include "platform/string_table.h"
#include "window/dchild.h"
#include "window/drawing_services.h"
#include "window/ui_services.h"

namespace {

constexpr int kPrinterResolution = 600;  // dots per inch: a page of 6 dots per world unit

// Replaces the file only when every byte was written.
bool write_whole_file(const std::string& path, const std::string& bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The name with `ext` appended when its last component has no extension.
std::string with_extension(const std::string& path, const std::string& ext)
{
    const std::filesystem::path p(path);
    if (p.has_extension() || p.filename().empty())
        return path;
    return path + "." + ext;
}

// A name for an export beside the point file, or none for an untitled drawing.
std::string export_name(const Dchild& win, const std::string& ext)
{
    if (win.untitled || win.file_data.path.empty())
        return {};
    return std::filesystem::path(win.file_data.path).replace_extension(ext).string();
}

// The path chosen in the save dialog, with `ext` added when it has none;
// nothing without a dialog or when the user cancelled.
std::optional<std::string> chosen_save_path(Dchild& win, const std::string& filter,
                                            const std::string& ext, const std::string& initial)
{
    FileDialogs* files = win.ui().files;
    if (!files)
        return std::nullopt;
    const std::optional<std::string> chosen = files->save_file(filter, ext, initial);
    if (!chosen || chosen->empty())
        return std::nullopt;
    return with_extension(*chosen, ext);
}

std::string unable_to_write(const std::string& path)
{
    return load_string(xsid::kUnableToWrite) + "\n" + path;
}

DevSize client_size(const Dchild& win)
{
    return {win.surface().width(), win.surface().height()};
}

}  // namespace

FileServices::FileServices(PrintDialogs& print_dialogs, FigExpressionStore* expressions)
    : print_dialogs_(print_dialogs), expressions_(expressions)
{
    register_export_strings();
}

FileServices::~FileServices() = default;

void FileServices::report(Dchild& win, int caption_id, const std::string& text)
{
    if (MessageBoxes* boxes = win.ui().message_boxes)
        boxes->ok(load_string(caption_id), text, MessageIcon::Error);
}

bool FileServices::fig_read(Dchild& win, const std::string& path)
{
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ec))
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
        report(win, xsid::kFileError, load_string(xsid::kUnableToOpen));
        return false;
    }

    // Read into a drawing of its own: the window changes only when the whole
    // file was understood.
    Diagram read;
    FigExtras extras;
    const FigResult result = fig_parse(in, read, &extras);
    std::string why;
    if (!result) {
        why = result.describe();
    } else if (expressions_) {
        std::string entries_why;
        if (!expressions_->expressions_valid(extras.expressions, read.table.count(), entries_why))
            why = "the expression table: " + entries_why;
    }
    if (!why.empty()) {
        report(win, xsid::kFileError, load_string(xsid::kNotAPointFile) + "\n" + path + "\n" + why);
        return false;
    }

    // As for a cleared drawing: the animation stops, the computation list and
    // the presets start anew; then the file's drawing takes their place.
    DrawingServices& services = win.services();
    services.cm_animation(win, 0);
    services.release_expression_tokens(win);
    win.draw_action(-10);
    take_drawing(win.diagram, std::move(read));
    ObjectTable& t = win.objects();
    win.pens[0].colour = t.pen_colour();
    win.brushes[0] = solid_brush(t.pen_colour());
    services.upd_attr_buf(win);
    if (expressions_)
        expressions_->load_expressions(win.diagram, extras.expressions);
    win.view_flag = extras.view.view_flag;
    // The locus samples are not kept in the file: one cycle out of sight
    // makes them, and the window takes no input until it ends.
    {
        const BusyScope busy(has_locus_replay(t) ? win.ui().busy : nullptr);
        recompute_loci(win.diagram);
    }
    win.modified = 0;
    if (win.script_manager_open())
        win.script_refill();
    win.invalidate(true);
    return true;
}

bool FileServices::write_point_file(Dchild& win, const std::string& path)
{
    FigExtras extras;
    if (expressions_)
        extras.expressions = expressions_->save_expressions(win.diagram);
    extras.view = {win.view_flag, win.surface().width(), win.surface().height()};
    std::ostringstream text;
    if (!fig_write(win.diagram, text, extras) || !write_whole_file(path, text.str())) {
        report(win, xsid::kFileError, unable_to_write(path));
        return false;
    }
    return true;
}

bool FileServices::fig_save(Dchild& win)
{
    if (win.untitled || win.file_data.path.empty())
        return fig_save_as(win);
    if (!write_point_file(win, win.file_data.path))
        return false;
    win.modified = 0;
    win.untitled = 0;
    return true;
}

bool FileServices::fig_save_as(Dchild& win)
{
    const std::string filter =
        win.file_data.filter.empty() ? load_string(xsid::kPointFileFilter) : win.file_data.filter;
    const std::optional<std::string> chosen =
        chosen_save_path(win, filter, "fig", win.untitled ? std::string() : win.file_data.path);
    if (!chosen)
        return false;
    const std::string& path = *chosen;
    if (!write_point_file(win, path))
        return false;
    win.file_data.path = path;
    win.modified = 0;
    win.untitled = 0;
    win.setWindowTitle(QString::fromStdString(path));
    // The Script Manager's caption names the active drawing.
    if (win.script_manager_open() && g_active_draw == &win)
        win.services().script_show_drawing(&win);
    return true;
}

bool FileServices::save_ps(Dchild& win)
{
    const std::optional<std::string> chosen =
        chosen_save_path(win, load_string(xsid::kPostScriptFilter), "ps", export_name(win, "ps"));
    if (!chosen)
        return false;
    const std::string& path = *chosen;
    std::ostringstream text;
    if (!write_postscript(win.diagram, text, client_size(win), win.title()) ||
        !write_whole_file(path, text.str())) {
        report(win, xsid::kFileError, unable_to_write(path));
        return false;
    }
    return true;
}

bool FileServices::save_bitmap(Dchild& win)
{
    const std::optional<std::string> chosen =
        chosen_save_path(win, load_string(xsid::kBitmapFilter), "bmp", export_name(win, "bmp"));
    if (!chosen)
        return false;
    const std::string& path = *chosen;
    if (!save_bmp_file(render_diagram_image(win.diagram, client_size(win)), path)) {
        report(win, xsid::kFileError, unable_to_write(path));
        return false;
    }
    return true;
}

QPrinter& FileServices::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setResolution(kPrinterResolution);
    }
    return *printer_;
}

bool FileServices::print_page_on(Dchild& win, QPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    ObjectTable& t = win.objects();
    const PrintMode mode(t);
    render_page_bands(painter, {device.width(), device.height()}, [&](DeviceContext& dc) {
        paint_print_page(t, dc, [&win](DeviceContext& page) { win.Paint(&page); });
    });
    return painter.end();
}

bool FileServices::print(Dchild& win)
{
    QPrinter& p = printer();
    if (!print_dialogs_.print_dialog(p))
        return false;
    if (!print_page_on(win, p)) {
        report(win, xsid::kError, load_string(xsid::kUnableToPrint));
        return false;
    }
    return true;
}

void FileServices::printer_setup(Dchild&) { print_dialogs_.printer_setup(printer()); }

void FileServices::print_preview(Dchild& win)
{
    print_dialogs_.preview(printer(), [this, &win](QPrinter& page) {
        if (!print_page_on(win, page))
            report(win, xsid::kError, load_string(xsid::kUnableToPrint));
    });
}
