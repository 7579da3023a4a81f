#include "construct/modify_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "construct/script_strings.h"
#include "construct/text_format.h"
#include "model/object_types.h"
#include "platform/device_context.h"
#include "platform/string_table.h"

namespace {

// Marks, texts and buttons keep no style of their own.
constexpr int kNoStyle = 6;
constexpr int kHollowPointStyle = 1;

std::string w(int id) { return load_string(id); }

std::vector<std::string> numbers(int first, int step, int count)
{
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        out.push_back(std::to_string(first + i * step));
    return out;
}

QCheckBox* left_text_box(QWidget* parent, const char* text, QRect where)
{
    auto* box = new QCheckBox(dlg::qs(text), parent);
    box->setLayoutDirection(Qt::RightToLeft);
    box->setGeometry(where);
    return box;
}

}  // namespace

int ColorIndex(Colour colour)
{
    for (std::size_t i = 0; i < kColourList.size(); ++i)
        if (kColourList[i].colour == colour)
            return static_cast<int>(i);
    return 8;
}

TModifyDlg::TModifyDlg(const Dpoint& rec, QWidget* parent, DialogServices services)
    : QDialog(parent), services_(std::move(services)), record_(rec)
{
    ensure_script_strings();
    setWindowTitle(QStringLiteral("Modify A Geometric Object"));
    setModal(true);
    dlg::use_dialog_face(this);
    const QRect frame = dlg::units(9, 63, 194, 128);
    setFixedSize(frame.size());
    build_controls();
    ShowRecord();
}

void TModifyDlg::build_controls()
{
    using dlg::units;
    ok_ = new QPushButton(QStringLiteral("Okay"), this);
    ok_->setGeometry(units(12, 106, 50, 14));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setGeometry(units(72, 106, 50, 14));
    help_ = new QPushButton(QStringLiteral("Help"), this);
    help_->setGeometry(units(132, 106, 50, 14));
    connect(ok_, &QPushButton::clicked, this, &TModifyDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &TModifyDlg::reject);
    connect(help_, &QPushButton::clicked, this, &TModifyDlg::CmHelp);

    heading_ = dlg::make_label(this, "Draw Type: Point", Qt::AlignHCenter, units(8, 4, 180, 12));
    show_box_ = left_text_box(this, "Show Object", units(21, 24, 52, 15));
    show_name_box_ = left_text_box(this, "Show Object Name", units(92, 24, 72, 15));
    colour_label_ = dlg::make_label(this, "Color :", Qt::AlignRight, units(16, 47, 57, 12));
    sample_ = new SampleBox(this);
    sample_->setGeometry(units(80, 44, 32, 12));
    colour_list_ = dlg::make_list(this, units(115, 42, 51, 45));
    name_label_ = dlg::make_label(this, "Name :", Qt::AlignRight, units(16, 69, 40, 12));
    name_label_->hide();
    type_label_ = dlg::make_label(this, "Type :", Qt::AlignRight, units(16, 69, 57, 12));
    type_label_->hide();
    name_field_ = new QLineEdit(this);
    name_field_->setGeometry(units(60, 66, 50, 12));
    name_field_->setMaxLength(Dpoint::kNameSize - 1);
    name_field_->hide();
    text_field_ = new QLineEdit(this);
    text_field_->setGeometry(units(80, 66, 88, 12));
    text_field_->setMaxLength(Dpoint::kTextSize - 1);
    text_field_->hide();
    style_list_ = dlg::make_list(this, units(80, 66, 88, 44));
    style_list_->hide();
    // The point's subscript box and type list run on to the dialog's edge so
    // that their texts fit the font.
    subscripts_box_ = left_text_box(this, "Use Subscripts:", units(118, 66, 72, 15));
    // The size labels reach up to their list, so that the longest fits.
    size_label_ = dlg::make_label(this, "Wide :", Qt::AlignRight, units(0, 85, 77, 14));
    char_size_label_ = dlg::make_label(this, "Character Wide : ", Qt::AlignRight, units(0, 85, 77, 14));
    size_list_ = dlg::make_list(this, units(80, 84, 88, 40));
    point_size_label_ = dlg::make_label(this, "Point Size: ", Qt::AlignRight, units(0, 87, 57, 12));
    point_size_list_ = dlg::make_list(this, units(60, 83, 31, 41));
    point_type_label_ = dlg::make_label(this, "Point Type: ", Qt::AlignRight, units(92, 87, 46, 14));
    point_type_list_ = dlg::make_list(this, units(140, 83, 50, 40));

    connect(colour_list_, &QComboBox::activated, this, &TModifyDlg::ColourSelected);
    connect(size_list_, &QComboBox::activated, this, &TModifyDlg::SizeSelected);
    connect(point_size_list_, &QComboBox::activated, this, &TModifyDlg::SizeSelected);
    connect(style_list_, &QComboBox::activated, this, &TModifyDlg::StyleSelected);
    connect(point_type_list_, &QComboBox::activated, this, &TModifyDlg::StyleSelected);
}

void TModifyDlg::show_colour_row()
{
    std::vector<std::string> entries;
    for (const NamedColour& c : kColourList)
        entries.push_back(w(c.string_id));
    entries.emplace_back();
    dlg::fill_list(colour_list_, entries);
    dlg::select_entry(colour_list_, ColorIndex(colour_));
    colour_list_->show();
    colour_label_->show();
    sample_->show();
}

void TModifyDlg::ShowRecord()
{
    size_ = record_.size;
    style_ = record_.pen_style;
    name_ = std::string(record_.name_view());
    show_ = record_.shown;
    show_name_ = record_.name_shown;
    label_style_ = record_.label_style;
    colour_ = record_.colour;

    show_box_->setChecked(show_ != 0);
    show_name_box_->setChecked(show_name_ != 0);
    subscripts_box_->setChecked(label_style_ != 0);

    subscripts_box_->hide();
    name_label_->setText(dlg::qs(w(ssid::kNameLabel)));
    name_label_->show();
    name_field_->setText(dlg::qs(name_));
    name_field_->show();
    for (QWidget* c : std::initializer_list<QWidget*>{text_field_, char_size_label_, point_size_label_,
                                                      point_size_list_, point_type_label_, point_type_list_})
        c->hide();

    show_colour_row();

    const std::string object_type = w(ssid::kObjectType);
    auto set_heading = [this](const std::string& text) { heading_->setText(dlg::qs(text)); };
    switch (record_.cls) {
    case oclass::kPoint:
        set_heading(fill_template("%s: %s", {object_type, w(ssid::kPoint)}));
        subscripts_box_->show();
        dlg::fill_list(point_size_list_, numbers(1, 1, 10));
        point_size_list_->show();
        point_size_label_->show();
        dlg::fill_list(point_type_list_, {w(ssid::kSolidPoint), w(ssid::kHollowPoint)});
        point_type_list_->show();
        point_type_label_->show();
        size_list_->hide();
        size_label_->hide();
        style_list_->hide();
        dlg::select_entry(point_size_list_, size_ - 1);
        point_type_list_->setCurrentIndex(style_ == kHollowPointStyle ? 1 : 0);
        break;
    case oclass::kLine:
        set_heading(fill_template("%s: %s%s%s", {object_type, w(ssid::kLine), w(ssid::kAnd), w(ssid::kCircle)}));
        dlg::fill_list(size_list_, numbers(1, 1, 7));
        size_label_->setText(dlg::qs(w(ssid::kLineSize)));
        size_list_->show();
        size_label_->show();
        dlg::fill_list(style_list_, {w(ssid::kSolidLine), w(ssid::kDashedLine), w(ssid::kDottedLine),
                                     "_._._._._", "_.._.._.._"});
        style_list_->show();
        type_label_->show();
        name_label_->hide();
        name_field_->hide();
        text_field_->hide();
        dlg::select_entry(size_list_, size_ - 1);
        dlg::select_entry(style_list_, style_);
        break;
    case oclass::kFill:
        set_heading(fill_template("%s: %s", {object_type, w(ssid::kFill)}));
        dlg::fill_list(style_list_, fill_pattern_names());
        style_list_->show();
        type_label_->show();
        dlg::fill_list(size_list_, {w(ssid::kCombination), w(ssid::kCopy), w(ssid::kXor), w(ssid::kMerge)});
        size_label_->setText(dlg::qs(w(ssid::kFillModeLabel)));
        size_list_->show();
        size_label_->show();
        name_label_->hide();
        name_field_->hide();
        text_field_->hide();
        dlg::select_entry(style_list_, style_);
        dlg::select_entry(size_list_, size_ - 1);
        break;
    case oclass::kMark:
        set_heading(fill_template("%s: %s", {object_type, w(ssid::kMark)}));
        style_ = kNoStyle;
        if (record_.type == otype::kAngleMark || record_.type == otype::kFilledAngleMark) {
            dlg::fill_list(size_list_, numbers(10, 5, 7));
            size_label_->setText(dlg::qs(w(ssid::kMarkSize)));
            size_list_->show();
            size_label_->show();
            dlg::select_entry(size_list_, size_ - 1);
        } else {
            size_list_->hide();
            size_label_->hide();
        }
        style_list_->hide();
        type_label_->hide();
        text_field_->hide();
        break;
    case oclass::kText:
        set_heading(fill_template("%s: %s", {object_type, w(ssid::kTextWord)}));
        style_ = kNoStyle;
        name_label_->setText(dlg::qs(w(ssid::kTextLabel)));
        name_field_->hide();
        text_field_->setText(dlg::qs(record_.text_view()));
        text_field_->show();
        dlg::fill_list(size_list_, numbers(12, 2, 10));
        size_list_->show();
        size_label_->hide();
        char_size_label_->show();
        dlg::select_entry(size_list_, size_ - 1);
        break;
    case oclass::kButton:
        // The template's heading would call a button a point.
        set_heading(fill_template("%s: %s", {object_type, w(ssid::kButtonWord)}));
        style_ = kNoStyle;
        name_field_->show();
        for (QWidget* c : std::initializer_list<QWidget*>{text_field_, size_list_, char_size_label_,
                                                          size_label_, colour_list_, colour_label_, sample_})
            c->hide();
        break;
    default:
        break;
    }
    PaintSample();
}

void TModifyDlg::ColourSelected(int index)
{
    if (index >= 0 && index < static_cast<int>(kColourList.size()))
        colour_ = kColourList[static_cast<std::size_t>(index)].colour;
    PaintSample();
}

void TModifyDlg::SizeSelected(int index)
{
    size_ = index + 1;
    PaintSample();
}

void TModifyDlg::StyleSelected(int index)
{
    style_ = index;
    PaintSample();
}

void TModifyDlg::CmHelp()
{
    if (services_.help)
        services_.help(kHelpContext);
}

void TModifyDlg::PaintSample()
{
    const int cls = record_.cls;
    const Colour colour = colour_;
    const int size = size_;
    const int style = style_;
    sample_->paint([&](DeviceContext& dc, int width, int height) {
        switch (cls) {
        case oclass::kPoint:
        case oclass::kText:
            dc.set_text_colour(colour);
            dc.text_out(4, height / 5, "ABCD");
            break;
        case oclass::kLine:
            dc.select_pen(Pen{colour, size, pen_style_from_int(style)});
            dc.move_to(4, height / 2);
            dc.line_to(width - 4, height / 2);
            break;
        case oclass::kFill:
            dc.fill_rect({0, 0, width, height}, fill_brush(style, colour));
            break;
        case oclass::kMark:
            dc.fill_rect({0, 0, width, height}, solid_brush(colour));
            break;
        default:
            break;
        }
        dc.restore_objects();
    });
}

bool TModifyDlg::CanClose()
{
    show_ = show_box_->isChecked() ? 1 : 0;
    show_name_ = show_name_box_->isChecked() ? 1 : 0;
    // Read even while hidden, so it keeps its set-up state.
    label_style_ = subscripts_box_->isChecked() ? 1 : 0;
    if (dlg::shown(name_field_)) {
        name_ = dlg::str_limited(name_field_->text(), Dpoint::kNameSize - 1);
        record_.set_name(name_.empty() ? std::string("x") : name_);
        name_ = std::string(record_.name_view());
    }
    if (dlg::shown(text_field_))
        record_.set_text(dlg::str_limited(text_field_->text(), Dpoint::kTextSize - 1));
    return true;
}

void TModifyDlg::accept()
{
    if (!CanClose())
        return;
    record_.colour = colour_;
    record_.size = size_;
    record_.pen_style = style_;
    record_.shown = show_;
    record_.name_shown = show_name_;
    record_.label_style = label_style_;
    QDialog::accept();
}
