// "Add a object": its type table, the page each type shows, the complete
// record OK hands back for every type, and the checks that keep it open. The
// dialog is driven without its modal loop.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QValidator>

#include "construct/add_dialog.h"
#include "construct/choosers.h"
#include "construct/object_dialogs.h"
#include "platform/dialogs.h"
#include "script_fixture.h"

using script_test::ScriptHost;

namespace {

constexpr Colour kDialogBlue = rgb(0, 0, 255);

std::vector<std::string> entries(const QComboBox* list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->itemText(i).toStdString());
    return out;
}

bool accepts_typing(QLineEdit* field, const char* text)
{
    QString s = QString::fromUtf8(text);
    int pos = 0;
    return field->validator()->validate(s, pos) != QValidator::Invalid;
}

class AddDialogTest : public ::testing::Test {
protected:
    // Eight points A..H and, between them, a segment and a circle that the
    // point lists leave out.
    void eight_points()
    {
        const char* names[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
        for (int i = 0; i < 8; ++i) {
            host.point(10.0 * i + 10, 20.0 * i + 10, names[i]);
            if (i == 2)
                host.object(135, 2, {20, 21});
            if (i == 5)
                host.object(136, 2, {20, 21});
        }
    }
    std::unique_ptr<TAddDlg> open(DialogServices services = {})
    {
        services.boxes = &boxes;
        return std::make_unique<TAddDlg>(nullptr, host.d, services);
    }
    // The object index of point list entry i (A..H skip the segment and circle).
    static int point_index(int i) { return 20 + i + (i >= 3 ? 1 : 0) + (i >= 6 ? 1 : 0); }

    ScriptHost host;
    ScriptedMessageBoxes boxes;
};

}  // namespace

TEST_F(AddDialogTest, EveryTypeHandsBackACompleteRecord)
{
    eight_points();
    for (int row = 0; row < 40; ++row) {
        const AddType& type = add_type_table[row];
        auto dialog = open();
        dialog->TypeChanged(row);
        if (dlg::shown(dialog->name_field()))
            dialog->name_field()->setText("N");
        if (dlg::shown(dialog->text_field()))
            dialog->text_field()->setText("Given a triangle");
        if (dlg::shown(dialog->x_field())) {
            dialog->x_field()->setText("-12");
            dialog->y_field()->setText("+34");
        }
        dialog->ok_button()->click();
        ASSERT_EQ(dialog->result(), QDialog::Accepted) << "row " << row;
        const Dpoint& r = dialog->record();
        EXPECT_EQ(r.type, type.command) << "row " << row;
        for (int i = 0; i < 8; ++i) {
            int expected = i < type.points ? point_index(i) : 0;
            if (type.page == kPageAngleMark && i == 7)
                expected = 30;
            EXPECT_EQ(r.arg[i], expected) << "row " << row << " arg " << i;
        }
        const bool named = type.page == kPageFreePoint || type.page == kPageConstruction ||
                           type.page == kPageAngleMark;
        EXPECT_EQ(r.name_view(), named ? "N" : "") << "row " << row;
        const bool placed = type.page == kPageFreePoint || type.page == kPageText;
        EXPECT_EQ(r.x, placed ? -12.0 : 0.0) << "row " << row;
        EXPECT_EQ(r.y, placed ? 34.0 : 0.0) << "row " << row;
        EXPECT_EQ(r.text_view(), type.page == kPageText ? "Given a triangle" : "") << "row " << row;
        const struct {
            Colour colour;
            int size;
            int style;
        } expected = type.page == kPageFill        ? decltype(expected){rgb(0, 255, 0), 1, 6}
                     : type.page == kPageAngleMark ? decltype(expected){rgb(128, 128, 128), 30, 6}
                                                   : decltype(expected){kDialogBlue, 1, 0};
        EXPECT_EQ(r.colour, expected.colour) << "row " << row;
        EXPECT_EQ(r.size, expected.size) << "row " << row;
        EXPECT_EQ(r.pen_style, expected.style) << "row " << row;
    }
}

TEST_F(AddDialogTest, LinePageSizeStyleAndColour)
{
    eight_points();
    ScriptedColourChooser colours;
    colours.push_answer(rgb(255, 0, 0));
    DialogServices services;
    services.colours = &colours;
    auto dialog = open(services);
    dialog->TypeChanged(3);  // segment
    dialog->TypeChanged(1);  // midpoint
    dialog->TypeChanged(3);
    EXPECT_TRUE(dlg::shown(dialog->sample()));
    EXPECT_TRUE(dlg::shown(dialog->change_button()));
    dialog->size_list()->activated(6);
    dialog->style_list()->activated(2);
    dialog->change_button()->click();
    ASSERT_EQ(colours.asked().size(), 1u);
    EXPECT_EQ(colours.asked()[0].initial, kDialogBlue);
    // A dotted red line along the middle of the white sample.
    const Surface& sample = dialog->sample()->picture();
    int red = 0;
    for (int x = 0; x < sample.width(); ++x)
        red += sample.pixel(x, sample.height() / 2) == rgb(255, 0, 0);
    EXPECT_GT(red, 0);
    EXPECT_LT(red, sample.width() - 8);
    EXPECT_EQ(sample.pixel(1, 1), kWhite);
    dialog->ok_button()->click();
    EXPECT_EQ(dialog->record().size, 7);
    EXPECT_EQ(dialog->record().pen_style, 2);
    EXPECT_EQ(dialog->record().colour, rgb(255, 0, 0));
    EXPECT_EQ(dialog->record().arg[0], 20);
    EXPECT_EQ(dialog->record().arg[1], 21);

    // A cancelled colour choice keeps the colour.
    auto again = open(services);
    again->TypeChanged(3);
    again->CmChangeColor();
    EXPECT_EQ(again->colour(), kDialogBlue);
}

TEST_F(AddDialogTest, CustomColoursStartAsAGreyRampAndKeepTheUsersChanges)
{
    ScriptedColourChooser colours;
    colours.edit_custom = [](CustomColours& custom) { custom[3] = rgb(1, 2, 3); };
    DialogServices services;
    services.colours = &colours;
    auto dialog = open(services);
    dialog->TypeChanged(32);  // filled circle
    dialog->CmChangeColor();
    dialog->CmChangeColor();
    ASSERT_EQ(colours.asked().size(), 2u);
    const CustomColours& first = colours.asked()[0].custom;
    EXPECT_EQ(first[0], rgb(1, 1, 1));
    EXPECT_EQ(first[1], rgb(16, 16, 16));
    EXPECT_EQ(first[15], rgb(240, 240, 240));
    EXPECT_EQ(colours.asked()[1].custom[3], rgb(1, 2, 3));
}

TEST_F(AddDialogTest, FillAndAngleMarkPages)
{
    eight_points();
    auto dialog = open();
    dialog->TypeChanged(31);  // filled polygon: all eight lists
    for (int i = 1; i <= 8; ++i)
        EXPECT_TRUE(dlg::shown(dialog->point_list(i))) << i;
    EXPECT_FALSE(dlg::shown(dialog->name_label()));
    EXPECT_EQ(entries(dialog->style_list()).back(), "Solid style");
    EXPECT_EQ(dialog->style_list()->currentIndex(), 6);
    const Surface& solid = dialog->sample()->picture();
    EXPECT_EQ(solid.pixel(solid.width() / 2, solid.height() / 2), rgb(0, 255, 0));

    dialog->TypeChanged(36);  // angle mark
    EXPECT_EQ(dialog->mark_size_list()->currentIndex(), 2);
    dialog->mark_size_list()->setCurrentIndex(3);
    dialog->ok_button()->click();
    EXPECT_EQ(dialog->record().arg[7], 35);
    EXPECT_EQ(dialog->record().colour, rgb(128, 128, 128));

    // After an angle mark the midpoint hides the mark size.
    auto mid = open();
    mid->TypeChanged(37);
    mid->TypeChanged(1);
    EXPECT_FALSE(dlg::shown(mid->mark_size_list()));
    mid->ok_button()->click();
    for (int i = 2; i < 8; ++i)
        EXPECT_EQ(mid->record().arg[i], 0) << i;
}

TEST_F(AddDialogTest, PositionFieldsTakeWholeNumbersWithinTheirRanges)
{
    auto dialog = open();
    EXPECT_EQ(dialog->x_field()->maxLength(), 9);
    EXPECT_EQ(dialog->y_field()->maxLength(), 19);
    EXPECT_FALSE(accepts_typing(dialog->x_field(), "1.5"));
    EXPECT_TRUE(accepts_typing(dialog->x_field(), "-12"));

    dialog->x_field()->setText("6000");
    dialog->ok_button()->click();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(boxes.asked().size(), 1u);
    EXPECT_EQ(boxes.asked()[0].text, "Value is not in the range -5234 to 5234.");

    dialog->x_field()->setText("5234");
    dialog->y_field()->setText("5999");
    dialog->ok_button()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->record().x, 5234.0);
    EXPECT_EQ(dialog->record().y, 5999.0);

    auto low = open();
    low->y_field()->setText("-6000");
    low->ok_button()->click();
    EXPECT_NE(low->result(), QDialog::Accepted);
    EXPECT_EQ(boxes.asked().back().text, "Value is not in the range -5999 to 5999.");
}

TEST_F(AddDialogTest, AHiddenFieldOutOfRangeStillBlocksUntilItsPageResetsIt)
{
    eight_points();
    auto dialog = open();
    dialog->x_field()->setText("9999");
    dialog->TypeChanged(3);
    EXPECT_FALSE(dlg::shown(dialog->x_field()));
    dialog->ok_button()->click();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(boxes.asked().size(), 1u);
    dialog->TypeChanged(0);
    EXPECT_EQ(dialog->x_field()->text().toStdString(), "0");
    dialog->ok_button()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(AddDialogTest, NameFieldTakesNineCharactersWithoutBlanks)
{
    auto dialog = open();
    EXPECT_EQ(dialog->name_field()->maxLength(), 9);
    EXPECT_FALSE(accepts_typing(dialog->name_field(), "A B"));
    EXPECT_TRUE(accepts_typing(dialog->name_field(), "P_1(x)+[]{}|-"));
    dialog->name_field()->setText("A B");
    dialog->ok_button()->click();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(boxes.asked().back().text, "Invalid character in input");
    dialog->name_field()->setText("P_1");
    dialog->ok_button()->click();
    EXPECT_EQ(dialog->record().name_view(), "P_1");
}

TEST_F(AddDialogTest, BlankRowKeepsThePageShownBefore)
{
    auto dialog = open();
    dialog->x_field()->setText("12");
    dialog->y_field()->setText("-7");
    dialog->TypeChanged(45);
    EXPECT_TRUE(dlg::shown(dialog->x_field()));
    EXPECT_EQ(dialog->type_list()->itemText(45).toStdString(), "");
    dialog->ok_button()->click();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->record().type, 0);
    EXPECT_EQ(dialog->record().arg, (std::array<std::int32_t, 8>{}));
    EXPECT_EQ(dialog->record().x, 12.0);
    EXPECT_EQ(dialog->record().y, -7.0);
}

TEST_F(AddDialogTest, CommentHandsBackItsTextAndPosition)
{
    auto dialog = open();
    dialog->name_field()->setText("Q");
    dialog->TypeChanged(39);
    EXPECT_FALSE(dlg::shown(dialog->name_field()));
    EXPECT_EQ(dialog->text_field()->maxLength(), 39);
    dialog->text_field()->setText(QString(60, QChar('w')));
    dialog->x_field()->setText("30");
    dialog->ok_button()->click();
    const Dpoint& r = dialog->record();
    EXPECT_EQ(r.type, 180);
    EXPECT_EQ(r.text_view(), std::string(39, 'w'));
    EXPECT_EQ(r.x, 30.0);
    EXPECT_EQ(r.name_view(), "");
}

TEST_F(AddDialogTest, TypedNameSurvivesAnAngleMarkAndNotAConstruction)
{
    eight_points();
    auto dialog = open();
    dialog->name_field()->setText("Q");
    dialog->TypeChanged(36);
    EXPECT_EQ(dialog->name_field()->text().toStdString(), "Q");
    dialog->TypeChanged(1);
    EXPECT_EQ(dialog->name_field()->text().toStdString(), "");
}

TEST_F(AddDialogTest, AnEmptyDrawingStillAddsFreePointsAndCommentsButNoConstruction)
{
    auto dialog = open();
    EXPECT_TRUE(dialog->points().empty());
    dialog->TypeChanged(1);
    EXPECT_EQ(dialog->point_list(1)->count(), 0);
    dialog->ok_button()->click();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(boxes.asked().back().text, "Please select the 1st Point");
    dialog->TypeChanged(39);
    dialog->ok_button()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    // Fewer points than the type needs: the first missing list is named.
    host.point(1, 1, "A");
    host.point(2, 2, "B");
    auto short_of_points = open();
    short_of_points->TypeChanged(2);  // foot: three points
    EXPECT_EQ(short_of_points->point_list(3)->currentIndex(), -1);
    short_of_points->ok_button()->click();
    EXPECT_EQ(boxes.asked().back().text, "Please select the 3rd Point");
}

TEST_F(AddDialogTest, NameFieldSelectsItsWholeTextWhenItGetsTheFocus)
{
    auto dialog = open();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QLineEdit* name = dialog->name_field();
    name->setText("Apex");

    // Clicked back into: the click would place the cursor, yet the name is
    // selected whole and typing replaces it.
    dialog->x_field()->setFocus();
    ASSERT_FALSE(name->hasFocus());
    QTest::mouseClick(name, Qt::LeftButton, Qt::NoModifier, QPoint(name->width() - 4, name->height() / 2));
    ASSERT_TRUE(name->hasFocus());
    EXPECT_EQ(name->selectedText().toStdString(), "Apex");
    QTest::keyClicks(name, "Q1");
    EXPECT_EQ(name->text().toStdString(), "Q1");

    // A second click while it has the focus places the cursor as usual.
    QTest::mouseClick(name, Qt::LeftButton, Qt::NoModifier, QPoint(name->width() - 4, name->height() / 2));
    EXPECT_FALSE(name->hasSelectedText());

    // Focus given any other way selects the whole text too.
    dialog->x_field()->setFocus();
    name->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(name->selectedText().toStdString(), "Q1");
}
