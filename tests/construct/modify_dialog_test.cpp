// "Modify A Geometric Object": what each class shows, what the lists and
// fields write back on OK, the name-change flag and the colour sample. The
// dialog is driven without its modal loop.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "construct/modify_dialog.h"
#include "construct/object_dialogs.h"
#include "model/adding.h"
#include "script_fixture.h"

namespace {

Dpoint record(int type, int cls, const char* name = "A")
{
    Dpoint r(type, name);
    r.cls = static_cast<std::int8_t>(cls);
    r.colour = kBlue;  // 0xFF0000: "Blue"
    r.size = 2;
    r.pen_style = 1;
    r.label_style = 0;
    return r;
}

std::vector<std::string> entries(const QComboBox* list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->itemText(i).toStdString());
    return out;
}

std::string selected(const QComboBox* list)
{
    return list->currentIndex() < 0 ? "<none>" : list->currentText().toStdString();
}

// Runs the dialog on rec as the modal loop would, with `edit` acting on the
// open dialog; ok decides between OK and Cancel.
ScriptedObjectDialogs::Answer drive(std::function<void(TModifyDlg&)> edit, bool ok = true)
{
    return [edit = std::move(edit), ok](Dpoint& rec) {
        TModifyDlg dialog(rec, nullptr);
        if (edit)
            edit(dialog);
        if (ok)
            dialog.ok_button()->click();
        else
            dialog.reject();
        if (dialog.result() != QDialog::Accepted)
            return false;
        rec = dialog.record();
        return true;
    };
}

}  // namespace

TEST(ModifyDialog, ColourListIndex)
{
    const struct {
        Colour colour;
        int index;
    } cases[] = {{0xFFFFFF, 0}, {0x00FFFF, 1}, {0xFF00FF, 2}, {0x00FF00, 3}, {0xC0C0C0, 4},
                 {0x808080, 5}, {0xFF0000, 6}, {0x0000FF, 7}, {0x000000, 8}, {0x123456, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(ColorIndex(c.colour), c.index) << std::hex << c.colour;
}

TEST(ModifyDialog, PointPage)
{
    Dpoint p = record(101, 1, "P1");
    p.pen_style = 0;  // a solid point
    p.label_style = 1;
    TModifyDlg dialog(p, nullptr);
    EXPECT_EQ(dialog.heading()->text().toStdString(), "Object Type: Point");
    EXPECT_EQ(dialog.name_field()->text().toStdString(), "P1");
    EXPECT_TRUE(dlg::shown(dialog.name_field()));
    EXPECT_EQ(dialog.name_label()->text().toStdString(), "Name : ");
    EXPECT_TRUE(dlg::shown(dialog.subscripts_box()));
    EXPECT_TRUE(dialog.subscripts_box()->isChecked());
    EXPECT_EQ(entries(dialog.point_size_list()),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(selected(dialog.point_size_list()), "2");
    EXPECT_EQ(entries(dialog.point_type_list()), (std::vector<std::string>{"Solid point", "Hollow point"}));
    EXPECT_EQ(selected(dialog.point_type_list()), "Solid point");
    EXPECT_FALSE(dlg::shown(dialog.size_list()));
    EXPECT_FALSE(dlg::shown(dialog.style_list()));
    EXPECT_FALSE(dlg::shown(dialog.text_field()));
    EXPECT_EQ(entries(dialog.colour_list()),
              (std::vector<std::string>{"White", "Yellow", "Magenta", "Green", "LtGray", "Gray", "Blue",
                                        "Red", "Black", ""}));
    EXPECT_EQ(selected(dialog.colour_list()), "Blue");

    // Style 1 shows "Hollow point"; any other style shows "Solid point" and stays.
    p.pen_style = 1;
    EXPECT_EQ(selected(TModifyDlg(p, nullptr).point_type_list()), "Hollow point");
    p.pen_style = 3;
    TModifyDlg odd(p, nullptr);
    EXPECT_EQ(selected(odd.point_type_list()), "Solid point");
    odd.accept();
    EXPECT_EQ(odd.record().pen_style, 3);

    // Point size and type lists set size and style.
    TModifyDlg edit(p, nullptr);
    edit.point_size_list()->activated(5);
    edit.point_type_list()->activated(1);
    edit.accept();
    EXPECT_EQ(edit.record().size, 6);
    EXPECT_EQ(edit.record().pen_style, 1);
}

TEST(ModifyDialog, LinePage)
{
    Dpoint line = record(135, 2, "x");
    line.size = 12;  // beyond the list: no entry selected, the size stays
    TModifyDlg dialog(line, nullptr);
    EXPECT_EQ(dialog.heading()->text().toStdString(), "Object Type: Line andCircle");
    EXPECT_EQ(entries(dialog.size_list()), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(dialog.size_label()->text().toStdString(), "Line Size: ");
    EXPECT_EQ(selected(dialog.size_list()), "<none>");
    EXPECT_EQ(entries(dialog.style_list()),
              (std::vector<std::string>{"Solid Line", "Dashed Line", "Dotted Line", "_._._._._", "_.._.._.._"}));
    EXPECT_EQ(selected(dialog.style_list()), "Dashed Line");
    EXPECT_TRUE(dlg::shown(dialog.type_label()));
    // Lines cannot be renamed here.
    EXPECT_FALSE(dlg::shown(dialog.name_field()));
    EXPECT_FALSE(dlg::shown(dialog.name_label()));
    EXPECT_FALSE(dlg::shown(dialog.subscripts_box()));
    dialog.name_field()->setText("Q");
    dialog.accept();
    EXPECT_EQ(dialog.record().name_view(), "x");
    EXPECT_EQ(dialog.record().size, 12);
    EXPECT_EQ(dialog.record().pen_style, 1);
    // The hidden subscripts box keeps the label style of the record.
    EXPECT_EQ(dialog.record().label_style, 0);

    TModifyDlg choose(line, nullptr);
    choose.size_list()->activated(4);
    choose.style_list()->activated(4);
    choose.accept();
    EXPECT_EQ(choose.record().size, 5);
    EXPECT_EQ(choose.record().pen_style, 4);
}

TEST(ModifyDialog, FillPage)
{
    Dpoint fill = record(143, 3, "f");
    fill.pen_style = 6;
    fill.size = 3;
    TModifyDlg dialog(fill, nullptr);
    EXPECT_EQ(dialog.heading()->text().toStdString(), "Object Type: Fill");
    EXPECT_EQ(entries(dialog.style_list()),
              (std::vector<std::string>{"----------", "||||||||||", std::string(10, '\\'), "//////////",
                                        "++++++++++", "XXXXXXXXXX", "Solid style"}));
    EXPECT_EQ(selected(dialog.style_list()), "Solid style");
    EXPECT_EQ(entries(dialog.size_list()), (std::vector<std::string>{"Combination", "Copy", "Xor", "Merge"}));
    EXPECT_EQ(dialog.size_label()->text().toStdString(), "Type: ");
    EXPECT_EQ(selected(dialog.size_list()), "Xor");
    EXPECT_FALSE(dlg::shown(dialog.name_field()));
    dialog.style_list()->activated(2);
    dialog.size_list()->activated(0);
    dialog.accept();
    EXPECT_EQ(dialog.record().pen_style, 2);
    EXPECT_EQ(dialog.record().size, 1);
}

TEST(ModifyDialog, MarkPages)
{
    Dpoint angle = record(182, 4, "x");
    angle.size = 3;
    TModifyDlg dialog(angle, nullptr);
    EXPECT_EQ(dialog.heading()->text().toStdString(), "Object Type: Mark");
    EXPECT_EQ(entries(dialog.size_list()),
              (std::vector<std::string>{"10", "15", "20", "25", "30", "35", "40"}));
    EXPECT_EQ(dialog.size_label()->text().toStdString(), "Mark Size: ");
    EXPECT_EQ(selected(dialog.size_list()), "20");
    EXPECT_TRUE(dlg::shown(dialog.name_field()));
    EXPECT_FALSE(dlg::shown(dialog.style_list()));
    dialog.size_list()->activated(6);
    dialog.accept();
    EXPECT_EQ(dialog.record().size, 7);
    EXPECT_EQ(dialog.record().pen_style, 6);

    Dpoint segment_mark = record(181, 4, "x");
    TModifyDlg other(segment_mark, nullptr);
    EXPECT_FALSE(dlg::shown(other.size_list()));
    EXPECT_FALSE(dlg::shown(other.size_label()));
    EXPECT_TRUE(dlg::shown(other.colour_list()));
}

TEST(ModifyDialog, TextPage)
{
    Dpoint text = record(180, 6, "x");
    text.set_text("Given a triangle");
    text.size = 4;
    TModifyDlg dialog(text, nullptr);
    EXPECT_EQ(dialog.heading()->text().toStdString(), "Object Type: Text");
    EXPECT_EQ(dialog.name_label()->text().toStdString(), "Text: ");
    EXPECT_FALSE(dlg::shown(dialog.name_field()));
    EXPECT_EQ(dialog.text_field()->text().toStdString(), "Given a triangle");
    EXPECT_EQ(entries(dialog.size_list()),
              (std::vector<std::string>{"12", "14", "16", "18", "20", "22", "24", "26", "28", "30"}));
    EXPECT_EQ(selected(dialog.size_list()), "18");
    EXPECT_TRUE(dlg::shown(dialog.char_size_label()));
    EXPECT_FALSE(dlg::shown(dialog.size_label()));
    EXPECT_EQ(dialog.text_field()->maxLength(), 79);
    dialog.text_field()->setText("");
    dialog.accept();
    EXPECT_EQ(dialog.record().text_view(), "");
    EXPECT_EQ(dialog.record().pen_style, 6);
}

TEST(ModifyDialog, ButtonPage)
{
    Dpoint button = record(466, 7, "Hide");
    TModifyDlg dialog(button, nullptr);
    EXPECT_TRUE(dlg::shown(dialog.name_field()));
    EXPECT_EQ(dialog.name_field()->text().toStdString(), "Hide");
    for (QWidget* w : std::initializer_list<QWidget*>{dialog.text_field(), dialog.size_list(), dialog.colour_list(),
                                                      dialog.colour_label(), dialog.sample()})
        EXPECT_FALSE(dlg::shown(w));
    EXPECT_EQ(dialog.heading()->text().toStdString(), "Object Type: Button");
    dialog.accept();
    EXPECT_EQ(dialog.record().pen_style, 6);
    EXPECT_EQ(dialog.record().colour, kBlue);
}

TEST(ModifyDialog, ColourListAndSample)
{
    Dpoint line = record(135, 2, "x");
    line.size = 3;
    line.pen_style = 0;
    TModifyDlg dialog(line, nullptr);
    const int paints = dialog.sample()->paint_count();
    dialog.colour_list()->activated(7);  // Red
    EXPECT_EQ(dialog.edited_colour(), 0x0000FFu);
    EXPECT_EQ(dialog.sample()->paint_count(), paints + 1);
    const Surface& sample = dialog.sample()->picture();
    EXPECT_EQ(sample.pixel(sample.width() / 2, sample.height() / 2), 0x0000FFu);
    EXPECT_EQ(sample.pixel(1, 1), kWhite);
    // The empty last entry keeps the colour; the sample is painted all the same.
    dialog.colour_list()->activated(9);
    EXPECT_EQ(dialog.edited_colour(), 0x0000FFu);
    EXPECT_EQ(dialog.sample()->paint_count(), paints + 2);
    dialog.accept();
    EXPECT_EQ(dialog.record().colour, 0x0000FFu);

    // A colour that is not listed shows Black and stays.
    Dpoint odd = record(143, 3, "f");
    odd.colour = 0x123456;
    odd.pen_style = 6;
    TModifyDlg fill(odd, nullptr);
    EXPECT_EQ(selected(fill.colour_list()), "Black");
    EXPECT_EQ(fill.sample()->picture().pixel(2, 2), 0x123456u);
    fill.accept();
    EXPECT_EQ(fill.record().colour, 0x123456u);
}

TEST(ModifyDialog, CheckBoxesAreReadOnOkOnly)
{
    Dpoint p = record(101, 1, "A");
    TModifyDlg dialog(p, nullptr);
    EXPECT_TRUE(dialog.show_box()->isChecked());
    dialog.show_box()->click();
    dialog.show_name_box()->click();
    dialog.subscripts_box()->click();
    EXPECT_EQ(dialog.record().shown, 1);  // nothing changes until OK
    dialog.accept();
    EXPECT_EQ(dialog.record().shown, 0);
    EXPECT_EQ(dialog.record().name_shown, 0);
    EXPECT_EQ(dialog.record().label_style, 1);
}

TEST(ModifyDialog, HelpOpensItsContext)
{
    std::vector<int> contexts;
    DialogServices services;
    services.help = [&](int context) { contexts.push_back(context); };
    TModifyDlg dialog(record(101, 1), nullptr, services);
    dialog.CmHelp();
    EXPECT_EQ(contexts, std::vector<int>{529});
    EXPECT_EQ(dialog.result(), 0);  // still open
}

TEST(ModifyObject, OkWithoutChangesKeepsTheRecordAndTheName)
{
    ScriptedObjectDialogs dialogs;
    for (int cls : {1, 2, 3, 4, 6, 7}) {
        Dpoint rec = record(cls == 6 ? 180 : 101, cls, "A");
        rec.set_text(cls == 6 ? "words" : "");
        const Dpoint before = rec;
        dialogs.push_edit(drive(nullptr));
        g_name_changed = 1;
        EXPECT_EQ(modify_object(dialogs, nullptr, rec), 1);
        EXPECT_EQ(g_name_changed, 0);
        EXPECT_EQ(rec.name_view(), before.name_view());
        EXPECT_EQ(rec.colour, before.colour);
        EXPECT_EQ(rec.size, before.size);
        EXPECT_EQ(rec.text_view(), before.text_view());
        EXPECT_EQ(rec.shown, before.shown);
        // Marks, texts and buttons keep no style.
        EXPECT_EQ(rec.pen_style, cls == 4 || cls == 6 || cls == 7 ? 6 : before.pen_style) << cls;
    }
}

TEST(ModifyObject, NameChangesSetTheFlag)
{
    ScriptedObjectDialogs dialogs;
    Dpoint rec = record(101, 1, "A");
    dialogs.push_edit(drive([](TModifyDlg& d) { d.name_field()->setText("Apex"); }));
    EXPECT_EQ(modify_object(dialogs, nullptr, rec), 1);
    EXPECT_EQ(rec.name_view(), "Apex");
    EXPECT_EQ(g_name_changed, 1);

    // An emptied name becomes "x"...
    dialogs.push_edit(drive([](TModifyDlg& d) { d.name_field()->setText(""); }));
    EXPECT_EQ(modify_object(dialogs, nullptr, rec), 1);
    EXPECT_EQ(rec.name_view(), "x");
    EXPECT_EQ(g_name_changed, 1);
    // ... which is no change for a point named "x" already.
    dialogs.push_edit(drive([](TModifyDlg& d) { d.name_field()->setText(""); }));
    EXPECT_EQ(modify_object(dialogs, nullptr, rec), 1);
    EXPECT_EQ(g_name_changed, 0);

    // The field takes at most nine characters.
    dialogs.push_edit(drive([](TModifyDlg& d) {
        EXPECT_EQ(d.name_field()->maxLength(), 9);
        d.name_field()->setText("ABCDEFGHIJKL");
    }));
    modify_object(dialogs, nullptr, rec);
    EXPECT_EQ(rec.name_view(), "ABCDEFGHI");
}

TEST(ModifyObject, CancelLeavesTheRecordAndClearsTheFlag)
{
    ScriptedObjectDialogs dialogs;
    Dpoint rec = record(101, 1, "A");
    dialogs.push_edit(drive(
        [](TModifyDlg& d) {
            d.name_field()->setText("B");
            d.colour_list()->activated(0);
        },
        false));
    g_name_changed = 1;
    EXPECT_EQ(modify_object(dialogs, nullptr, rec), 0);
    EXPECT_EQ(rec.name_view(), "A");
    EXPECT_EQ(rec.colour, kBlue);
    EXPECT_EQ(g_name_changed, 0);
}
