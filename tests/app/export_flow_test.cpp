// Exports of a drawing through the program's commands: PostScript and bitmap
// files on the scripted file dialogs, printing and preview on the scripted
// print dialogs, and a rectangle copied to the clipboard.

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app_fixture.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kCircle = 136;
constexpr int kSavePs = 211;
constexpr int kSaveBitmap = 233;
constexpr int kPrint = 210;
constexpr int kPrintPreview = 230;

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Two points and the circle about the first through the second.
struct ExportDrawing : RunningApp {
    ExportDrawing()
    {
        command(kPoint);
        click({200, 160});
        click({290, 160});
        right_click();
        command(kCircle);
        click_on(find("A"));
        click_on(find("B"));
        right_click();
        drawing().flush();
    }
};

TEST(ExportFlow, PostScriptFileOfTheDrawing)
{
    ExportDrawing r;
    const std::filesystem::path path = output_dir() / "export.ps";
    std::filesystem::remove(path);
    r.ui.files.push_answer((output_dir() / "export").string());  // the extension is added
    ASSERT_TRUE(r.command(kSavePs));
    ASSERT_EQ(r.ui.files.asked().size(), 1u);
    EXPECT_EQ(r.ui.files.asked()[0].default_ext, "ps");
    ASSERT_TRUE(std::filesystem::exists(path));
    const std::string ps = read_file(path);
    EXPECT_EQ(ps.rfind("%!PS", 0), 0u) << ps.substr(0, 80);
    EXPECT_NE(ps.find("(A)"), std::string::npos);
    EXPECT_NE(ps.find("(B)"), std::string::npos);
    EXPECT_NE(ps.find("showpage"), std::string::npos);
    EXPECT_TRUE(r.ui.boxes.asked().empty());
    EXPECT_EQ(r.drawing().modified, 1) << "an export is no save";
}

TEST(ExportFlow, BitmapFileShowsWhatTheWindowShows)
{
    ExportDrawing r;
    const std::filesystem::path path = output_dir() / "export.bmp";
    std::filesystem::remove(path);
    r.ui.files.push_answer(path.string());
    ASSERT_TRUE(r.command(kSaveBitmap));
    EXPECT_EQ(r.ui.files.asked().at(0).default_ext, "bmp");
    QImage bitmap;
    ASSERT_TRUE(bitmap.load(QString::fromStdString(path.string()), "BMP"));
    const QImage shown = r.drawing().surface().image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bitmap.size(), shown.size()) << "the client area";
    const QImage saved = bitmap.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            differing += saved.pixel(x, y) != shown.pixel(x, y);
    EXPECT_EQ(differing, 0);
    // The circle about A through B: a dark pixel on its far side.
    EXPECT_NE(saved.pixel(110, 160) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ExportFlow, PrintAndPreviewGoThroughThePrintDialogs)
{
    ExportDrawing r;
    const std::filesystem::path pdf = output_dir() / "drawing_printout.pdf";
    std::filesystem::remove(pdf);
    ASSERT_TRUE(r.command(kPrint));
    EXPECT_EQ(r.dialogs.printing.print_dialogs(), 1);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 500u);
    EXPECT_TRUE(r.ui.boxes.asked().empty());

    r.dialogs.printing.push_answer(false);  // cancelled: nothing printed
    std::filesystem::remove(pdf);
    r.command(kPrint);
    EXPECT_FALSE(std::filesystem::exists(pdf));

    ASSERT_TRUE(r.command(kPrintPreview));
    EXPECT_EQ(r.dialogs.printing.previews(), 1);
    EXPECT_TRUE(std::filesystem::exists(pdf));
    // Printing leaves the drawing on the screen as it was.
    EXPECT_EQ(r.table().pending_command(), 0);
    EXPECT_TRUE(r.ui.boxes.asked().empty());
}

}  // namespace
