// Pictures of the Script Manager and of each dialog page for review, written
// under the test output folder (script_*.png).

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include "construct/add_dialog.h"
#include "construct/list_window.h"
#include "construct/modify_dialog.h"
#include "script_fixture.h"

using script_test::ScriptHost;

namespace {

void save(QWidget& widget, const std::string& name)
{
    QDir().mkpath(QString::fromUtf8(PLEXATOR_TEST_OUTPUT));
    const QPixmap picture = widget.grab();
    EXPECT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QString::fromStdString(script_test::output_path(name))));
}

}  // namespace

TEST(ScriptPictures, ScriptManagerListingADrawing)
{
    ScriptHost host("Diagram 1");
    host.point(100, 100, "A");
    host.point(300, 100, "B");
    host.point(200, 250, "C");
    host.object(103, 1, {20, 21}, "M");
    host.object(135, 2, {20, 22});
    host.object(136, 2, {23, 20});
    host.object(116, 1, {20, 22, 21, 23}, "X");
    host.object(143, 3, {20, 21, 22});
    ScriptedMessageBoxes boxes;
    ScriptedObjectDialogs dialogs;
    ListWindow& list = *open_script_manager(nullptr, &host, boxes, dialogs);
    list.resize(220, 200);
    list.setCurrentRow(3);
    save(list, "script_manager.png");
    EXPECT_EQ(list.count(), 8);
    delete g_script_mgr;
}

TEST(ScriptPictures, ModifyDialogPages)
{
    const struct {
        int type;
        int cls;
        const char* file;
    } pages[] = {{101, 1, "script_modify_point.png"}, {135, 2, "script_modify_line.png"},
                 {143, 3, "script_modify_fill.png"},  {182, 4, "script_modify_mark.png"},
                 {180, 6, "script_modify_text.png"},  {466, 7, "script_modify_button.png"}};
    for (const auto& page : pages) {
        Dpoint rec(page.type, page.cls == 7 ? "Hide" : "A");
        rec.cls = static_cast<std::int8_t>(page.cls);
        rec.colour = 0x0000FF;
        rec.size = 3;
        rec.pen_style = page.cls == 3 ? 4 : 1;
        rec.set_text("Given a triangle");
        TModifyDlg dialog(rec, nullptr);
        save(dialog, page.file);
    }
}

TEST(ScriptPictures, AddDialogPages)
{
    ScriptHost host;
    host.point(100, 100, "A");
    host.point(300, 100, "B");
    host.point(200, 250, "C");
    const struct {
        int row;
        const char* file;
    } pages[] = {{0, "script_add_free_point.png"}, {7, "script_add_construction.png"},
                 {3, "script_add_line.png"},       {30, "script_add_fill.png"},
                 {36, "script_add_angle_mark.png"}, {39, "script_add_text.png"}};
    for (const auto& page : pages) {
        TAddDlg dialog(nullptr, host.d);
        dialog.type_list()->setCurrentIndex(page.row);
        dialog.TypeChanged(page.row);
        save(dialog, page.file);
    }
}
