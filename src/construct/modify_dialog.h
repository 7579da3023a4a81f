#pragma once
// "Modify A Geometric Object": edits the show flags, the name (points, marks,
// buttons) or the text (texts), the colour, and a size and style whose
// meaning follows the object's class, on a copy of one record. Type, class,
// parents and position are never touched.

#include <QDialog>

#include <array>
#include <string>

#include "construct/dialog_widgets.h"
#include "model/dpoint.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The colour list: White, Yellow, Magenta, Green, LtGray, Gray, Blue, Red,
// Black, then an empty entry that leaves the colour as it is.
struct NamedColour {
    int string_id;
    Colour colour;
};
inline constexpr std::array<NamedColour, 9> kColourList{{
    {1187, 0xFFFFFF},
    {1053, 0x00FFFF},
    {1054, 0xFF00FF},
    {1055, 0x00FF00},
    {1056, 0xC0C0C0},
    {1057, 0x808080},
    {1058, 0xFF0000},
    {1059, 0x0000FF},
    {1060, 0x000000},
}};
inline constexpr int kKeepColourEntry = 9;

// Entry of the colour in the colour list; Black (8) for any other colour.
int ColorIndex(Colour colour);

class TModifyDlg : public QDialog {
public:
    static constexpr int kHelpContext = 529;

    TModifyDlg(const Dpoint& rec, QWidget* parent, DialogServices services = {});

    // The record copy with the edits that OK stored (complete after accept).
    const Dpoint& record() const { return record_; }

    // OK: reads the fields back (CanClose), stores the edited values and closes.
    void accept() override;
    // Reads the check boxes and the name or text field into the record copy.
    bool CanClose();

    // The list handlers (a confirmed selection of the index).
    void ColourSelected(int index);
    void SizeSelected(int index);
    void StyleSelected(int index);
    void CmHelp();
    // Paints the colour sample from the edited values.
    void PaintSample();

    // Edited values.
    int edited_size() const { return size_; }
    int edited_style() const { return style_; }
    Colour edited_colour() const { return colour_; }

    // Controls, by their role.
    QLabel* heading() const { return heading_; }
    QCheckBox* show_box() const { return show_box_; }
    QCheckBox* show_name_box() const { return show_name_box_; }
    QCheckBox* subscripts_box() const { return subscripts_box_; }
    QLabel* colour_label() const { return colour_label_; }
    SampleBox* sample() const { return sample_; }
    QComboBox* colour_list() const { return colour_list_; }
    QLabel* name_label() const { return name_label_; }
    QLabel* type_label() const { return type_label_; }
    QLineEdit* name_field() const { return name_field_; }
    QLineEdit* text_field() const { return text_field_; }
    QComboBox* style_list() const { return style_list_; }
    QLabel* size_label() const { return size_label_; }
    QLabel* char_size_label() const { return char_size_label_; }
    QComboBox* size_list() const { return size_list_; }
    QLabel* point_size_label() const { return point_size_label_; }
    QComboBox* point_size_list() const { return point_size_list_; }
    QLabel* point_type_label() const { return point_type_label_; }
    QComboBox* point_type_list() const { return point_type_list_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }

private:
    void build_controls();
    void ShowRecord();
    void show_colour_row();

    DialogServices services_;
    int size_ = 1;
    int style_ = 0;
    std::string name_;
    int show_ = 1;
    int show_name_ = 1;
    int label_style_ = 1;
    Colour colour_ = 0;
    Dpoint record_;

    QLabel* heading_ = nullptr;
    QCheckBox* show_box_ = nullptr;
    QCheckBox* show_name_box_ = nullptr;
    QCheckBox* subscripts_box_ = nullptr;
    QLabel* colour_label_ = nullptr;
    SampleBox* sample_ = nullptr;
    QComboBox* colour_list_ = nullptr;
    QLabel* name_label_ = nullptr;
    QLabel* type_label_ = nullptr;
    QLineEdit* name_field_ = nullptr;
    QLineEdit* text_field_ = nullptr;
    QComboBox* style_list_ = nullptr;
    QLabel* size_label_ = nullptr;
    QLabel* char_size_label_ = nullptr;
    QComboBox* size_list_ = nullptr;
    QLabel* point_size_label_ = nullptr;
    QComboBox* point_size_list_ = nullptr;
    QLabel* point_type_label_ = nullptr;
    QComboBox* point_type_list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
};
