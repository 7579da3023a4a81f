// The file commands of a drawing window: reading, Save, Save As, PostScript
// and bitmap export, printing and preview, with scripted dialogs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "export/export_fixture.h"
#include "export/fig_expressions.h"
#include "platform/print_dialogs.h"
#include "support/widgets_application.h"
#include "window/dchild.h"
#include "window/drawing_services.h"
#include "window/file_services.h"
#include "window/scripted_ui.h"

using namespace export_test;

namespace {

// Records what the file commands ask of the drawing window's other services.
class RecordingServices : public DrawingServices {
public:
    std::vector<std::string> calls;
    void cm_animation(Dchild&, int id) override { calls.push_back("cm_animation " + std::to_string(id)); }
    void release_expression_tokens(Dchild&) override { calls.push_back("release_expression_tokens"); }
    void reset_computation_list(Dchild&) override { calls.push_back("reset_computation_list"); }
    bool script_manager_open() const override { return script_open; }
    void script_refill(Dchild&) override { calls.push_back("script_refill"); }
    void script_show_drawing(Dchild*) override { calls.push_back("script_show_drawing"); }
    bool script_open = false;
};

// A computation list of plain texts.
class TextExpressions : public FigExpressionStore {
public:
    std::vector<std::string> entries;
    std::vector<std::string> loaded;
    bool valid = true;
    std::vector<std::string> save_expressions(Diagram&) override { return entries; }
    bool expressions_valid(const std::vector<std::string>&, int, std::string& why) override
    {
        why = "entry 0 names no object";
        return valid;
    }
    void load_expressions(Diagram& d, const std::vector<std::string>& e) override
    {
        loaded = e;
        d.table.last_quantity() = static_cast<int>(e.size()) - 1;
    }
};

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensure_widgets_application();
        dir_ = output_path("file_services/") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        dialogs_ = std::make_unique<ScriptedPrintDialogs>(path("page.pdf"));
        files_ = std::make_unique<FileServices>(*dialogs_, &expressions_);
        win_ = make_window();
        services_.calls.clear();  // what the new window asked
    }

    std::unique_ptr<Dchild> make_window()
    {
        return std::make_unique<Dchild>("Diagram 1", std::nullopt, services_, ui_services_);
    }

    std::string path(const std::string& file) const { return dir_ + "/" + file; }

    // A triangle with its sides drawn.
    void draw_triangle(Dchild& win)
    {
        Diagram& d = win.diagram;
        const int a = add_point(d, 101, "A", 50, 50);
        const int b = add_point(d, 101, "B", 150, 60);
        const int c = add_point(d, 101, "C", 90, 140);
        add_object(d, 135, 2, {a, b});
        add_object(d, 135, 2, {b, c});
        add_object(d, 135, 2, {a, c});
        for (int p : {a, b, c})
            d.table[p].size = 2;
        win.modified = 1;
    }

    const ScriptedMessageBoxes::Asked& last_message() { return ui_.boxes.asked().back(); }

    std::string dir_;
    ScriptedUi ui_;
    UiServices ui_services_ = ui_.services();
    RecordingServices services_;
    TextExpressions expressions_;
    std::unique_ptr<ScriptedPrintDialogs> dialogs_;
    std::unique_ptr<FileServices> files_;
    std::unique_ptr<Dchild> win_;
};

TEST_F(FileCommands, AFileThatCannotBeOpenedIsReportedAndChangesNothing)
{
    draw_triangle(*win_);
    const std::string before = fig_text_of(win_->diagram);
    for (const std::string& missing : {path("none.fig"), dir_}) {
        SCOPED_TRACE(missing);
        EXPECT_FALSE(files_->fig_read(*win_, missing));
        EXPECT_EQ(last_message().caption, "File Error");
        EXPECT_EQ(last_message().text, "Unable to open file");
        EXPECT_EQ(fig_text_of(win_->diagram), before);
        EXPECT_EQ(win_->modified, 1);
    }
    EXPECT_TRUE(services_.calls.empty());
}

TEST_F(FileCommands, AMalformedFileIsRefusedWithWhereItFails)
{
    draw_triangle(*win_);
    const std::string before = fig_text_of(win_->diagram);
    std::string text = read_file(data_path("triangle.fig"));
    text.resize(text.size() / 2);
    std::ofstream(path("half.fig"), std::ios::binary) << text;

    EXPECT_FALSE(files_->fig_read(*win_, path("half.fig")));
    EXPECT_EQ(last_message().caption, "File Error");
    EXPECT_EQ(last_message().text.rfind("Not a readable point file\n" + path("half.fig") + "\n", 0), 0u)
        << last_message().text;
    EXPECT_EQ(fig_text_of(win_->diagram), before);
    EXPECT_TRUE(services_.calls.empty());
}

TEST_F(FileCommands, ExpressionsTheListRefusesRefuseTheFile)
{
    expressions_.valid = false;
    EXPECT_FALSE(files_->fig_read(*win_, data_path("triangle.fig")));
    EXPECT_NE(last_message().text.find("the expression table: entry 0 names no object"),
              std::string::npos);
    EXPECT_EQ(win_->objects().count(), rec::kFirstObject);
}

TEST_F(FileCommands, ReadingReplacesTheDrawingAsAClearedOne)
{
    draw_triangle(*win_);
    win_->objects().action_state() = 26;
    services_.script_open = true;
    win_->flush();

    ASSERT_TRUE(files_->fig_read(*win_, data_path("triangle.fig")));
    const ObjectTable& t = win_->objects();
    EXPECT_EQ(t.count(), 25);
    EXPECT_EQ(t.get(24).text_view(), "Triangle ABC");
    EXPECT_EQ(win_->modified, 0);
    EXPECT_TRUE(win_->repaint_pending());
    EXPECT_EQ(win_->objects().action_state(), 0);
    // The animation stops and the computation list starts anew before the
    // file's drawing comes in; the Script Manager lists the new objects.
    const std::vector<std::string> expected = {"cm_animation 0", "release_expression_tokens",
                                               "reset_computation_list", "script_refill"};
    EXPECT_EQ(services_.calls, expected);
    EXPECT_TRUE(expressions_.loaded.empty());
    EXPECT_EQ(win_->objects().last_quantity(), -1);
}

TEST_F(FileCommands, PenSettingsOfTheFileReachPendingRecordAndPens)
{
    Dchild& source = *win_;
    source.objects().pen_colour() = rgb(200, 0, 0);
    source.objects().pen_size_setting() = 4;
    source.objects().pen_style_setting() = 1;
    source.file_data.path = path("pens.fig");
    source.untitled = 0;
    ASSERT_TRUE(files_->fig_save(source));

    std::unique_ptr<Dchild> other = make_window();
    ASSERT_TRUE(files_->fig_read(*other, path("pens.fig")));
    EXPECT_EQ(other->pens[0].colour, rgb(200, 0, 0));
    EXPECT_EQ(other->brushes[0], solid_brush(rgb(200, 0, 0)));
    EXPECT_EQ(other->scratch().colour, rgb(200, 0, 0));
    EXPECT_EQ(other->scratch().size, 4);
    EXPECT_EQ(other->scratch().pen_style, 1);
}

TEST_F(FileCommands, SaveOfAnUntitledDrawingRunsSaveAs)
{
    draw_triangle(*win_);
    expressions_.entries = {"length A B"};
    ui_.files.push_answer(path("triangle"));

    EXPECT_TRUE(files_->fig_save(*win_));
    ASSERT_EQ(ui_.files.asked().size(), 1u);
    EXPECT_TRUE(ui_.files.asked()[0].save);
    EXPECT_EQ(ui_.files.asked()[0].filter, "Files (*.fig)|*.fig|");
    EXPECT_EQ(ui_.files.asked()[0].default_ext, "fig");
    // The default extension is added; the name becomes the window's.
    EXPECT_EQ(win_->file_data.path, path("triangle.fig"));
    EXPECT_EQ(win_->title(), path("triangle.fig"));
    EXPECT_EQ(win_->untitled, 0);
    EXPECT_EQ(win_->modified, 0);

    FigExtras extras;
    extras.expressions = {"length A B"};
    extras.view = {0, win_->surface().width(), win_->surface().height()};
    EXPECT_EQ(read_file(path("triangle.fig")), fig_text_of(win_->diagram, extras));

    // The next Save writes under that name without asking.
    win_->modified = 1;
    EXPECT_TRUE(files_->fig_save(*win_));
    EXPECT_EQ(ui_.files.asked().size(), 1u);
    EXPECT_EQ(win_->modified, 0);
}

TEST_F(FileCommands, CancelledSaveAsKeepsTheDrawingModified)
{
    draw_triangle(*win_);
    EXPECT_FALSE(files_->fig_save(*win_));
    EXPECT_EQ(win_->modified, 1);
    EXPECT_EQ(win_->untitled, 1);
    EXPECT_TRUE(ui_.boxes.asked().empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(FileCommands, FailedSaveKeepsTheDrawingModifiedAndTheOldFile)
{
    draw_triangle(*win_);
    win_->untitled = 0;
    for (const std::string& target : {path("no/such/dir/x.fig"), dir_}) {
        SCOPED_TRACE(target);
        win_->file_data.path = target;
        EXPECT_FALSE(files_->fig_save(*win_));
        EXPECT_EQ(win_->modified, 1);
        EXPECT_EQ(last_message().caption, "File Error");
        EXPECT_EQ(last_message().text, "Unable to write file\n" + target);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir_));

    // Save As to a place that cannot be written keeps the old name.
    win_->file_data.path = path("kept.fig");
    ui_.files.push_answer(path("no/such/dir/y.fig"));
    EXPECT_FALSE(files_->fig_save_as(*win_));
    EXPECT_EQ(win_->file_data.path, path("kept.fig"));
    EXPECT_EQ(win_->modified, 1);
}

TEST_F(FileCommands, ASavedDrawingReadsBackIntoAnotherWindow)
{
    Dchild& first = *win_;
    draw_triangle(first);
    const int text = add_object(first.diagram, 180, 6, {});
    first.objects()[text].set_text("a text with \"quotes\" and spaces");
    first.objects().conclusion_type() = 150;
    first.objects().conclusion_args() = {20, 21, 22, 0, 0, 0, 0, 0};
    first.view_flag = 1;
    expressions_.entries = {"e1", "e 2"};
    ui_.files.push_answer(path("round.fig"));
    ASSERT_TRUE(files_->fig_save_as(first));

    std::unique_ptr<Dchild> second = make_window();
    ASSERT_TRUE(files_->fig_read(*second, path("round.fig")));
    EXPECT_EQ(fig_text_of(second->diagram), fig_text_of(first.diagram));
    EXPECT_EQ(expressions_.loaded, expressions_.entries);
    EXPECT_EQ(second->objects().last_quantity(), 1);
    EXPECT_EQ(second->view_flag, 1);
    // Reading leaves the title and the untitled flag to the caller.
    EXPECT_EQ(second->untitled, 1);
}

TEST_F(FileCommands, PostScriptOfTheClientArea)
{
    draw_triangle(*win_);
    ui_.files.push_answer(path("drawing"));
    ASSERT_TRUE(files_->save_ps(*win_));
    EXPECT_EQ(ui_.files.asked().back().filter, "PostScript Files (*.ps)|*.ps|");
    const std::string ps = read_file(path("drawing.ps"));
    EXPECT_EQ(ps.rfind("%!PS-Adobe-3.0\n", 0), 0u);
    EXPECT_NE(ps.find("%%Title: Diagram 1\n"), std::string::npos);
    EXPECT_NE(ps.find("0 0 " + std::to_string(win_->surface().width()) + " " +
                      std::to_string(win_->surface().height()) + " rectclip"),
              std::string::npos);
    EXPECT_NE(ps.find("50 50 150 60 L"), std::string::npos);
    // Exporting is no change of the drawing.
    EXPECT_EQ(win_->modified, 1);

    // An export of a titled drawing is offered beside its file.
    win_->untitled = 0;
    win_->file_data.path = path("named.fig");
    EXPECT_FALSE(files_->save_ps(*win_));
    EXPECT_EQ(ui_.files.asked().back().initial_name, path("named.ps"));
}

TEST_F(FileCommands, BitmapOfTheClientArea)
{
    draw_triangle(*win_);
    ui_.files.push_answer(path("drawing.bmp"));
    ASSERT_TRUE(files_->save_bitmap(*win_));
    EXPECT_EQ(ui_.files.asked().back().filter, "Bitmap Files (*.bmp)|*.bmp|");
    EXPECT_EQ(read_file(path("drawing.bmp")).substr(0, 2), "BM");
    const QImage image(QString::fromStdString(path("drawing.bmp")), "BMP");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), win_->surface().width());
    EXPECT_EQ(image.height(), win_->surface().height());
    // The disc of A and the paper beside it.
    EXPECT_LT(qGray(image.pixel(50, 50)), 100);
    EXPECT_EQ(image.pixel(30, 100) | 0xff000000u, qRgb(255, 255, 255));

    ui_.files.push_answer(path("no/dir/x.bmp"));
    EXPECT_FALSE(files_->save_bitmap(*win_));
    EXPECT_EQ(last_message().text, "Unable to write file\n" + path("no/dir/x.bmp"));
}

// The page is painted in print mode: world (50, 50) lands at
// (50 + 20) x 6 = 420 on paper, lines and discs enlarged.
TEST_F(FileCommands, ThePageIsPaintedInPrintMode)
{
    draw_triangle(*win_);
    ObjectTable& t = win_->objects();
    t.pending_command() = 103;
    t.print_scale() = 1.5;
    QImage page(1400, 1200, QImage::Format_RGB32);
    page.fill(Qt::white);
    ASSERT_TRUE(files_->print_page_on(*win_, page));
    page.save(QString::fromStdString(path("page.png")));
    EXPECT_LT(qGray(page.pixel(420, 420)), 100);
    EXPECT_EQ(page.pixel(50, 50) | 0xff000000u, qRgb(255, 255, 255));
    // B at (150, 60): (170 x 6, 80 x 6).
    EXPECT_LT(qGray(page.pixel(1020, 480)), 100);
    // The command in progress and the scale come back.
    EXPECT_EQ(t.pending_command(), 103);
    EXPECT_EQ(t.print_scale(), 1.5);
}

TEST_F(FileCommands, PrintSendsThePageToThePrinter)
{
    draw_triangle(*win_);
    ASSERT_TRUE(files_->print(*win_));
    EXPECT_EQ(dialogs_->print_dialogs(), 1);
    EXPECT_EQ(read_file(path("page.pdf")).substr(0, 5), "%PDF-");
    EXPECT_EQ(win_->objects().pending_command(), 0);
    EXPECT_EQ(win_->modified, 1);
}

TEST_F(FileCommands, CancelledPrintPrintsNothing)
{
    draw_triangle(*win_);
    dialogs_->push_answer(false);
    EXPECT_FALSE(files_->print(*win_));
    EXPECT_FALSE(std::filesystem::exists(path("page.pdf")));
}

TEST_F(FileCommands, PreviewAndSetupUseTheOnePrinter)
{
    draw_triangle(*win_);
    files_->print_preview(*win_);
    EXPECT_EQ(dialogs_->previews(), 1);
    EXPECT_EQ(read_file(path("page.pdf")).substr(0, 5), "%PDF-");
    files_->printer_setup(*win_);
    EXPECT_EQ(dialogs_->setups(), 1);
    EXPECT_EQ(&files_->printer(), &files_->printer());
}

}  // namespace
