#include "platform/dialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedMessageBoxes, AnswersInOrderAndRecordsEveryQuestion)
{
    ScriptedMessageBoxes boxes;
    boxes.push_answer(MessageResult::Yes);
    boxes.push_answer(MessageResult::Cancel);
    MessageBoxes& ui = boxes;
    EXPECT_TRUE(ui.yes_no("Delete the whole diagram", "Are you sure?"));
    EXPECT_EQ(ui.yes_no_cancel("Save", "Save the changes?"), MessageResult::Cancel);
    ui.ok("Error", "No such file", MessageIcon::Error);
    ASSERT_EQ(boxes.asked().size(), 3u);
    EXPECT_EQ(boxes.asked()[0].caption, "Delete the whole diagram");
    EXPECT_EQ(boxes.asked()[0].text, "Are you sure?");
    EXPECT_EQ(boxes.asked()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(boxes.asked()[0].icon, MessageIcon::Question);
    EXPECT_EQ(boxes.asked()[1].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(boxes.asked()[2].icon, MessageIcon::Error);
    EXPECT_EQ(boxes.asked()[2].buttons, MessageButtons::Ok);
    EXPECT_EQ(boxes.pending_answers(), 0u);
}

TEST(ScriptedMessageBoxes, WithoutAnswersTakesTheCautiousChoice)
{
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(boxes.show("c", "t", MessageButtons::Ok, MessageIcon::None), MessageResult::Ok);
    EXPECT_EQ(boxes.show("c", "t", MessageButtons::YesNo, MessageIcon::None), MessageResult::No);
    EXPECT_EQ(boxes.show("c", "t", MessageButtons::YesNoCancel, MessageIcon::None),
              MessageResult::Cancel);
    EXPECT_FALSE(boxes.yes_no("c", "t"));
}

TEST(ScriptedInputDialog, AnswersCancelsAndCutsToTheLimit)
{
    ScriptedInputDialog input;
    input.push_answer(std::string("30"));
    input.push_answer(std::nullopt);
    input.push_answer(std::string("a very long answer"));
    InputDialog& ui = input;
    EXPECT_EQ(ui.ask("Time limit", "Seconds:", "20", 0), "30");
    EXPECT_EQ(ui.ask("Name", "New name:", "A", 9), std::nullopt);
    EXPECT_EQ(ui.ask("Name", "New name:", "A", 6), "a very");
    EXPECT_EQ(ui.ask("Name", "New name:", "A", 9), std::nullopt);  // nothing left: cancel
    ASSERT_EQ(input.asked().size(), 4u);
    EXPECT_EQ(input.asked()[0].title, "Time limit");
    EXPECT_EQ(input.asked()[0].prompt, "Seconds:");
    EXPECT_EQ(input.asked()[0].initial, "20");
    EXPECT_EQ(input.asked()[2].max_length, 6u);
}

}  // namespace
