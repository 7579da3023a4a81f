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

// Each class shows its own page: the chosen entry of its size list and the
// fields it offers, and what a choice in its lists writes back on OK.
TEST(ModifyDialog, PagesByClass)
{
    struct Case {
        int type, cls, size, style;
        const char* heading;
        const char* size_entry;  // the entry the record's size selects in the page's size list
        bool name, text, style_list;
        int pick_size, pick_style;  // list rows chosen, -1: none
        int size_after, style_after;
    };
    const Case cases[] = {
        {101, 1, 2, 1, "Object Type: Point", "2", true, false, false, 5, 1, 6, 1},
        {101, 1, 2, 3, "Object Type: Point", "2", true, false, false, -1, -1, 2, 3},
        {135, 2, 12, 1, "Object Type: Line andCircle", "<none>", false, false, true, -1, -1, 12, 1},
        {135, 2, 2, 1, "Object Type: Line andCircle", "2", false, false, true, 4, 4, 5, 4},
        {143, 3, 3, 6, "Object Type: Fill", "Xor", false, false, true, 0, 2, 1, 2},
        {182, 4, 3, 1, "Object Type: Mark", "20", true, false, false, 6, -1, 7, 6},
        {181, 4, 3, 1, "Object Type: Mark", "", true, false, false, -1, -1, 3, 6},
        {180, 6, 4, 1, "Object Type: Text", "18", false, true, false, 0, -1, 1, 6},
        {466, 7, 2, 1, "Object Type: Button", "", true, false, false, -1, -1, 2, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Dpoint rec = record(c.type, c.cls, "A");
        rec.size = c.size;
        rec.pen_style = c.style;
        TModifyDlg dialog(rec, nullptr);
        EXPECT_EQ(dialog.heading()->text().toStdString(), c.heading);
        QComboBox* sizes = c.cls == 1 ? dialog.point_size_list() : dialog.size_list();
        EXPECT_EQ(dlg::shown(sizes), *c.size_entry != '\0');
        if (*c.size_entry) {
            EXPECT_EQ(selected(sizes), c.size_entry);
        }
        EXPECT_EQ(dlg::shown(dialog.name_field()), c.name);
        EXPECT_EQ(dlg::shown(dialog.text_field()), c.text);
        EXPECT_EQ(dlg::shown(dialog.style_list()), c.style_list);
        EXPECT_EQ(dlg::shown(dialog.colour_list()), c.cls != 7);
        if (c.pick_size >= 0)
            sizes->activated(c.pick_size);
        if (c.pick_style >= 0)
            (c.cls == 1 ? dialog.point_type_list() : dialog.style_list())->activated(c.pick_style);
        dialog.name_field()->setText("Q");
        dialog.accept();
        EXPECT_EQ(dialog.record().size, c.size_after);
        EXPECT_EQ(dialog.record().pen_style, c.style_after);
        EXPECT_EQ(dialog.record().name_view(), c.name ? "Q" : "A");
        EXPECT_EQ(dialog.record().label_style, 0);  // the hidden subscripts box keeps it
    }
    // A hollow point shows as such.
    Dpoint hollow = record(101, 1);
    EXPECT_EQ(selected(TModifyDlg(hollow, nullptr).point_type_list()), "Hollow point");
}

TEST(ModifyDialog, TextPageWritesTheTextBack)
{
    Dpoint text = record(180, 6, "x");
    text.set_text("Given a triangle");
    TModifyDlg dialog(text, nullptr);
    EXPECT_EQ(dialog.text_field()->text().toStdString(), "Given a triangle");
    EXPECT_EQ(dialog.text_field()->maxLength(), 79);
    dialog.text_field()->setText("");
    dialog.accept();
    EXPECT_EQ(dialog.record().text_view(), "");
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
