#pragma once
// "Add a object": one object described in a form instead of clicked
// together. The chosen type decides the page of fields: name and position of
// a free point or text, the points of a construction, or colour, width and
// style of lines, fills and angle marks. On OK it hands back a complete
// record for the construction engine; it builds nothing itself.

#include <QDialog>

#include <array>
#include <string>
#include <vector>

#include "construct/add_types.h"
#include "construct/dialog_widgets.h"
#include "model/diagram.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// One point of the drawing offered in the point lists.
struct PointItem {
    int position = -1;  // object index minus 20
    std::string name;
};

class TAddDlg : public QDialog {
public:
    static constexpr int kHelpContext = 530;
    static constexpr int kPointLists = 8;
    // Field bounds: the x and y fields take whole numbers within these.
    static constexpr long kMinX = -5234;
    static constexpr long kMaxX = 5234;
    static constexpr long kMinY = -5999;
    static constexpr long kMaxY = 5999;
    // Characters the name field accepts (no blank).
    static constexpr std::string_view kNameCharacters =
        "A-Za-z0-9:;<>,.!@#$%^&*()[]{}|+=?_-";

    // Lists the points of the drawing (read once, here).
    TAddDlg(QWidget* parent, Diagram& drawing, DialogServices services = {});

    // The record OK completed.
    const Dpoint& record() const { return record_; }

    // OK: closes only when CanClose agrees.
    void accept() override;
    // Checks the fields (a refusal shows its message and keeps the dialog
    // open) and fills the result record.
    bool CanClose();

    // Sets up the page of a type row.
    void SetPage(int row);
    // The handlers of the lists and buttons.
    void TypeChanged(int row);
    void SizeChanged(int index);
    void StyleChanged(int index);
    void CmChangeColor();
    void CmHelp();
    // The name field selects its whole text when it gets the focus, so that
    // typing replaces the name.
    void NameSetFocus();
    void PaintSample();

    int selected_row() const { return row_; }
    Colour colour() const { return colour_; }
    int size() const { return size_; }
    int style() const { return style_; }
    const std::vector<PointItem>& points() const { return points_; }

    QComboBox* type_list() const { return type_list_; }
    QLabel* name_label() const { return name_label_; }
    QLineEdit* name_field() const { return name_field_; }
    QComboBox* size_list() const { return size_list_; }
    QLineEdit* text_field() const { return text_field_; }
    QCheckBox* show_box() const { return show_box_; }
    QCheckBox* show_name_box() const { return show_name_box_; }
    QLabel* x_label() const { return x_label_; }
    QLineEdit* x_field() const { return x_field_; }
    SampleBox* sample() const { return sample_; }
    QPushButton* change_button() const { return change_; }
    QLabel* y_label() const { return y_label_; }
    QLineEdit* y_field() const { return y_field_; }
    QComboBox* style_list() const { return style_list_; }
    QComboBox* mark_size_list() const { return mark_size_list_; }
    QComboBox* point_list(int i) const { return point_lists_[static_cast<std::size_t>(i - 1)]; }
    QLabel* point_label(int i) const { return point_labels_[static_cast<std::size_t>(i - 1)]; }
    QPushButton* ok_button() const { return ok_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    void SetupWindow(Diagram& drawing);
    bool check_range(QLineEdit* field, long low, long high);
    bool check_name();
    bool refuse(QWidget* field, const std::string& message);

    DialogServices services_;
    int row_ = 0;
    Colour colour_ = rgb(0, 0, 255);
    int size_ = 1;
    int style_ = 0;
    int show_ = 1;
    int show_name_ = 1;
    double x_ = 0.0;
    double y_ = 0.0;
    bool name_clicked_into_ = false;
    Dpoint record_;
    std::vector<PointItem> points_;

    QComboBox* type_list_ = nullptr;
    QLabel* name_label_ = nullptr;
    QLineEdit* name_field_ = nullptr;
    QComboBox* size_list_ = nullptr;
    QLineEdit* text_field_ = nullptr;
    QCheckBox* show_box_ = nullptr;
    QCheckBox* show_name_box_ = nullptr;
    QLabel* x_label_ = nullptr;
    QLineEdit* x_field_ = nullptr;
    SampleBox* sample_ = nullptr;
    QPushButton* change_ = nullptr;
    QLabel* y_label_ = nullptr;
    QLineEdit* y_field_ = nullptr;
    QComboBox* style_list_ = nullptr;
    QComboBox* mark_size_list_ = nullptr;
    QGroupBox* group_ = nullptr;
    std::array<QComboBox*, kPointLists> point_lists_{};
    std::array<QLabel*, kPointLists> point_labels_{};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
};
