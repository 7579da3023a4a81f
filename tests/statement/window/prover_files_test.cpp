// The text window's file and editing commands: new, open, save, save as, the
// question before changed text is dropped, find, replace and find next.

#include <gtest/gtest.h>

#include <QTextCursor>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "prover_fixture.h"
#include "statement/window/prover_commands.h"

namespace {

std::string output_path(const std::string& name) { return std::string(PLEXATOR_TEST_OUTPUT) + "/prover/" + name; }

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ProverFiles, SaveAsThenSaveUnderTheSameName)
{
    ProverWindow w;
    const std::string path = output_path("saved.txt");
    std::filesystem::remove(path);
    w.command(315);
    const std::string text = w.text();
    ASSERT_TRUE(w.app->edit()->modified());

    // Save without a name asks for one.
    w.ui.files.push_answer(path);
    w.command(pcmd::kSave);
    ASSERT_EQ(w.ui.files.asked().size(), 1u);
    EXPECT_TRUE(w.ui.files.asked()[0].save);
    EXPECT_EQ(w.ui.files.asked()[0].filter, "Files (*.*)|*.*|");
    EXPECT_EQ(read_file(path), text);
    EXPECT_EQ(w.app->edit()->file_name(), path);
    EXPECT_FALSE(w.app->edit()->modified());

    w.command(pcmd::kClearWindow);
    w.command(pcmd::kSave);
    EXPECT_EQ(w.ui.files.asked().size(), 1u) << "the name is known now";
    EXPECT_EQ(read_file(path), "");
}

TEST(ProverFiles, OpenReplacesTheTextAfterAskingAboutChanges)
{
    ProverWindow w;
    const std::string path = output_path("opened.txt");
    {
        std::ofstream out(path, std::ios::binary);
        out << "EXAMPLE x\r\nHYPOTHESES:\r\n";
    }
    w.type_text("typed\n");
    // Cancel keeps the text and asks for no file.
    w.ui.boxes.push_answer(MessageResult::Cancel);
    w.command(pcmd::kOpen);
    EXPECT_EQ(w.text(), "typed\n");
    EXPECT_TRUE(w.ui.files.asked().empty());

    w.ui.boxes.push_answer(MessageResult::No);
    w.ui.files.push_answer(path);
    w.command(pcmd::kOpen);
    EXPECT_EQ(w.text(), "EXAMPLE x\nHYPOTHESES:\n");
    EXPECT_FALSE(w.app->edit()->modified());
    EXPECT_EQ(w.ui.boxes.asked().size(), 2u);
    EXPECT_EQ(w.ui.boxes.asked()[1].text, "The text in Untitled has changed.\n\nDo you want to save the changes?");
}

TEST(ProverFiles, YesSavesBeforeTheNewText)
{
    ProverWindow w;
    const std::string path = output_path("before_new.txt");
    w.type_text("keep me\n");
    w.ui.boxes.push_answer(MessageResult::Yes);
    w.ui.files.push_answer(path);
    w.command(pcmd::kNew);
    EXPECT_EQ(read_file(path), "keep me\n");
    EXPECT_EQ(w.text(), "");
    EXPECT_EQ(w.app->edit()->file_name(), "");

    // Yes, then a cancelled Save As: the text stays.
    w.type_text("second\n");
    w.ui.boxes.push_answer(MessageResult::Yes);
    w.command(pcmd::kNew);
    EXPECT_EQ(w.text(), "second\n");
}

TEST(ProverFiles, AFileThatCannotBeReadOrWrittenIsReported)
{
    ProverWindow w;
    w.ui.files.push_answer(output_path("no/such/dir/file.txt"));
    w.command(pcmd::kOpen);
    ASSERT_EQ(w.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(w.ui.boxes.asked()[0].text.rfind("Unable to read file", 0), 0u);

    w.type_text("text\n");
    w.ui.files.push_answer(output_path("no/such/dir/file.txt"));
    w.command(pcmd::kSaveAs);
    ASSERT_EQ(w.ui.boxes.asked().size(), 2u);
    EXPECT_EQ(w.ui.boxes.asked()[1].text.rfind("Unable to write file", 0), 0u);
    EXPECT_TRUE(w.app->edit()->modified());
}

TEST(ProverFiles, FindReplaceAndFindNext)
{
    ProverWindow w;
    w.set_text("POINT A B C;\nPOINT D;\n");
    EXPECT_FALSE(w.app->command_enabled(pcmd::kFindNext));
    w.ui.input.push_answer("POINT");
    w.command(pcmd::kFind);
    QTextCursor cursor = w.app->edit()->textCursor();
    EXPECT_EQ(cursor.selectedText().toStdString(), "POINT");
    EXPECT_EQ(cursor.selectionStart(), 0);

    w.command(pcmd::kFindNext);
    cursor = w.app->edit()->textCursor();
    EXPECT_EQ(cursor.selectionStart(), 13);

    // No third one.
    w.command(pcmd::kFindNext);
    ASSERT_EQ(w.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(w.ui.boxes.asked()[0].text, "Cannot find \"POINT\".");

    w.ui.input.push_answer("POINT");
    w.ui.input.push_answer("PT");
    w.command(pcmd::kReplace);
    EXPECT_EQ(w.text(), "PT A B C;\nPT D;\n");
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), "POINT A B C;\nPOINT D;\n");
}

TEST(ProverFiles, DeleteAndClearAll)
{
    ProverWindow w;
    w.set_text("abcdef");
    EXPECT_FALSE(w.app->command_enabled(pcmd::kDelete));
    QTextCursor cursor = w.app->edit()->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    w.app->edit()->setTextCursor(cursor);
    EXPECT_TRUE(w.app->command_enabled(pcmd::kDelete));
    w.command(pcmd::kDelete);
    EXPECT_EQ(w.text(), "adef");
    w.command(pcmd::kClearAll);
    EXPECT_EQ(w.text(), "");
}

}  // namespace
