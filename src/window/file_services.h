#pragma once
// The file, export and printing commands of a drawing window: reading and
// saving point files, Save As, PostScript and bitmap export, printing, printer
// set-up and print preview. The application's DrawingServices provider hands
// its file members on to one FileServices.
//
// Failures are reported in message boxes and leave the drawing as it was: a
// file that cannot be read changes nothing, a save that fails keeps the
// drawing modified, and a file on disk is replaced only by a complete one.

#include <QPaintDevice>

#include <memory>
#include <string>

class Dchild;
class FigExpressionStore;
class PrintDialogs;
class QPrinter;

class FileServices {
public:
    // expressions: the computation list's part of point files; may be null.
    // Both must outlive this object.
    explicit FileServices(PrintDialogs& print_dialogs, FigExpressionStore* expressions = nullptr);
    ~FileServices();
    FileServices(const FileServices&) = delete;
    FileServices& operator=(const FileServices&) = delete;

    // Reads a point file into the window, replacing its drawing. A file that
    // cannot be opened is reported with "Unable to open file" under "File
    // Error"; a malformed one with "Not a readable point file" and where it
    // fails. Either way the window stays unchanged. True when read. The
    // window's title and untitled flag are the caller's.
    bool fig_read(Dchild& win, const std::string& path);
    // Save (502): Save As for an untitled drawing, else writes the file under
    // its name. Clears modified and untitled on success; true when saved.
    bool fig_save(Dchild& win);
    // Save As (503): asks for a name, writes the file, and on success takes
    // the name as the window's file name and title. False when cancelled or failed.
    bool fig_save_as(Dchild& win);
    // Save as PS file (211) and Save as Bitmap File (233): the client area.
    bool save_ps(Dchild& win);
    bool save_bitmap(Dchild& win);
    // Print (210), Printer Setup (229), Print Preview (230): one page.
    bool print(Dchild& win);
    void printer_setup(Dchild& win);
    void print_preview(Dchild& win);

    // Paints the window's page on a device in print mode (pending command
    // 210, print scale 6.0, both given back afterwards); false when the
    // device cannot be painted on.
    bool print_page_on(Dchild& win, QPaintDevice& device);

    // The printer all drawing windows print on, made on first use.
    QPrinter& printer();

private:
    bool write_point_file(Dchild& win, const std::string& path);
    void report(Dchild& win, int caption_id, const std::string& text);

    PrintDialogs& print_dialogs_;
    FigExpressionStore* expressions_;
    std::unique_ptr<QPrinter> printer_;
};
