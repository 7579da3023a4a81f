#include "construct/add_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <cstdio>

#include "construct/attribute_dialogs.h"
#include "construct/choosers.h"
#include "construct/script_strings.h"
#include "model/adding.h"
#include "model/object_types.h"
#include "platform/device_context.h"
#include "platform/dialogs.h"
#include "platform/string_table.h"

namespace {

constexpr Colour kPageBlue = rgb(0, 0, 255);
constexpr Colour kPageGreen = rgb(0, 255, 0);
constexpr Colour kPageGrey = rgb(128, 128, 128);
constexpr int kDefaultMarkSize = 30;
constexpr int kSolidStyle = 6;
constexpr int kMarkSizeSlot = 7;

const char* const kPointLabels[TAddDlg::kPointLists] = {"1st Point :", "2nd Point :", "3rd Point : ",
                                                        "4th Point :", "5th Point : ", "6th Point :",
                                                        "7th Point : ", "8th Point :"};
// Positions of the point lists and their labels, in dialog units.
constexpr int kListPlaces[TAddDlg::kPointLists][2] = {{67, 69},  {182, 69}, {67, 84},  {182, 84},
                                                      {67, 99},  {182, 99}, {67, 114}, {182, 114}};
constexpr int kLabelPlaces[TAddDlg::kPointLists][4] = {
    {23, 69, 36, 11}, {140, 71, 37, 11}, {24, 86, 36, 11}, {140, 86, 37, 11},
    {24, 101, 36, 11}, {140, 101, 37, 11}, {24, 116, 36, 11}, {140, 116, 37, 11}};

QCheckBox* left_text_box(QWidget* parent, const char* text, QRect where)
{
    auto* box = new QCheckBox(dlg::qs(text), parent);
    box->setLayoutDirection(Qt::RightToLeft);
    box->setGeometry(where);
    return box;
}

QLineEdit* make_field(QWidget* parent, QRect where, int length, const QString& allowed)
{
    auto* field = new QLineEdit(parent);
    field->setGeometry(where);
    // The field's buffer holds length - 1 characters and the terminator.
    field->setMaxLength(length - 1);
    if (!allowed.isEmpty())
        field->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), field));
    return field;
}

bool all_in_set(const std::string& text, std::string_view set)
{
    auto allowed = [set](char c) {
        if (c >= 'A' && c <= 'Z')
            return true;
        if (c >= 'a' && c <= 'z')
            return true;
        if (c >= '0' && c <= '9')
            return true;
        // The set after its ranges "A-Za-z0-9".
        return set.substr(9).find(c) != std::string_view::npos;
    };
    for (char c : text)
        if (!allowed(c))
            return false;
    return true;
}

bool digits_and_signs(const std::string& text)
{
    for (char c : text)
        if (!(c >= '0' && c <= '9') && c != '+' && c != '-')
            return false;
    return true;
}

// A number as "%G" writes it.
std::string g_format(double v)
{
    const int n = std::snprintf(nullptr, 0, "%G", v);
    std::string text(static_cast<std::size_t>(std::max(n, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, "%G", v);
    return text;
}

void set_shown(QWidget* w, bool shown) { w->setVisible(shown); }

}  // namespace

TAddDlg::TAddDlg(QWidget* parent, Diagram& drawing, DialogServices services)
    : QDialog(parent), services_(std::move(services)), record_(Dpoint::with_colour(kBlack, 1))
{
    ensure_script_strings();
    setWindowTitle(QStringLiteral("Add a object"));
    setModal(true);
    dlg::use_dialog_face(this);
    setFixedSize(dlg::units(9, 30, 250, 162).size());
    build_controls();
    SetupWindow(drawing);
}

void TAddDlg::build_controls()
{
    using dlg::units;
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setGeometry(units(28, 137, 50, 14));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setGeometry(units(108, 137, 50, 14));
    help_ = new QPushButton(QStringLiteral("Help"), this);
    help_->setGeometry(units(176, 137, 50, 14));
    connect(ok_, &QPushButton::clicked, this, &TAddDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &TAddDlg::reject);
    connect(help_, &QPushButton::clicked, this, &TAddDlg::CmHelp);

    dlg::make_label(this, "Type : ", Qt::AlignRight, units(13, 8, 28, 12));
    type_list_ = dlg::make_list(this, units(45, 8, 76, 72));
    name_label_ = dlg::make_label(this, "Name : ", Qt::AlignRight, units(133, 8, 39, 12));
    // The filter lists the name characters; '-' last stands for itself.
    name_field_ = make_field(this, units(175, 6, 60, 12), Dpoint::kNameSize,
                             QStringLiteral("[A-Za-z0-9:;<>,.!@#$%^&*()\\[\\]{}|+=?_-]*"));
    name_field_->installEventFilter(this);
    size_list_ = dlg::make_list(this, units(175, 6, 60, 56));
    size_list_->hide();
    text_field_ = make_field(this, units(175, 6, 60, 12), 40, {});
    show_box_ = left_text_box(this, "Show Object", units(58, 25, 56, 10));
    show_name_box_ = left_text_box(this, "Show Object name", units(154, 25, 76, 10));
    x_label_ = dlg::make_label(this, "x : ", Qt::AlignRight, units(13, 43, 28, 12));
    x_field_ = make_field(this, units(44, 41, 76, 12), 10, QStringLiteral("[0-9+-]*"));
    sample_ = new SampleBox(this);
    sample_->setGeometry(units(44, 41, 36, 12));
    sample_->hide();
    change_ = new QPushButton(QStringLiteral("Change..."), this);
    change_->setGeometry(units(82, 41, 38, 12));
    change_->hide();
    y_label_ = dlg::make_label(this, "y : ", Qt::AlignRight, units(129, 43, 43, 12));
    y_field_ = make_field(this, units(175, 41, 60, 12), 20, QStringLiteral("[0-9+-]*"));
    style_list_ = dlg::make_list(this, units(175, 41, 60, 56));
    style_list_->hide();
    mark_size_list_ = dlg::make_list(this, units(175, 41, 60, 56));
    mark_size_list_->hide();
    group_ = new QGroupBox(QStringLiteral("Select relaxted point"), this);
    group_->setGeometry(units(12, 58, 226, 72));
    group_->lower();
    for (int i = 0; i < kPointLists; ++i) {
        const auto* l = kLabelPlaces[i];
        point_labels_[static_cast<std::size_t>(i)] =
            dlg::make_label(this, kPointLabels[i], Qt::AlignRight, units(l[0], l[1], l[2], l[3]));
        point_lists_[static_cast<std::size_t>(i)] =
            dlg::make_list(this, units(kListPlaces[i][0], kListPlaces[i][1], 49, 56));
    }

    connect(type_list_, &QComboBox::activated, this, &TAddDlg::TypeChanged);
    connect(size_list_, &QComboBox::activated, this, &TAddDlg::SizeChanged);
    connect(style_list_, &QComboBox::activated, this, &TAddDlg::StyleChanged);
    connect(change_, &QPushButton::clicked, this, &TAddDlg::CmChangeColor);
}

void TAddDlg::SetupWindow(Diagram& drawing)
{
    for (const AddType& row : add_type_table)
        type_list_->addItem(dlg::qs(row.name));
    type_list_->setCurrentIndex(0);

    // Every point of the drawing, constructed or free, in table order.
    for (int k = 0; const Dpoint* obj = get_obj(drawing, k + rec::kFirstObject); ++k)
        if (obj->cls == oclass::kPoint)
            points_.push_back({k, std::string(obj->name_view())});
    for (QComboBox* list : point_lists_)
        for (const PointItem& item : points_)
            list->addItem(dlg::qs(item.name));
    SetPage(0);
}

void TAddDlg::SetPage(int row)
{
    const AddType& type = add_type_table[static_cast<std::size_t>(std::clamp(row, 0, kAddTypeRows - 1))];
    show_box_->setChecked(true);
    show_name_box_->setChecked(true);
    colour_ = kPageBlue;
    size_ = 1;
    style_ = 0;
    show_ = show_name_ = 1;
    x_ = y_ = 0.0;
    name_label_->setText(QStringLiteral("Name : "));
    name_label_->show();
    name_field_->show();
    text_field_->hide();

    auto position_fields = [this](bool shown) {
        x_label_->setText(QStringLiteral("X : "));
        y_label_->setText(QStringLiteral("Y : "));
        set_shown(x_label_, shown);
        set_shown(y_label_, shown);
        set_shown(x_field_, shown);
        set_shown(y_field_, shown);
        if (shown) {
            x_field_->setText(dlg::qs(g_format(x_)));
            y_field_->setText(dlg::qs(g_format(y_)));
        }
    };
    auto colour_fields = [this](bool shown, const char* y_text) {
        x_label_->setText(QStringLiteral("Color : "));
        y_label_->setText(dlg::qs(y_text));
        x_label_->show();
        y_label_->show();
        x_field_->hide();
        y_field_->hide();
        set_shown(sample_, shown);
        set_shown(change_, shown);
    };
    auto hide_all = [](std::initializer_list<QWidget*> controls) {
        for (QWidget* c : controls)
            c->hide();
    };

    switch (type.page) {
    case kPageFreePoint:
        position_fields(true);
        hide_all({size_list_, sample_, change_, style_list_, mark_size_list_});
        break;
    case kPageConstruction:
        name_field_->clear();
        position_fields(false);
        hide_all({size_list_, sample_, change_, style_list_, mark_size_list_});
        break;
    case kPageLine:
        name_label_->setText(QStringLiteral("Size : "));
        name_field_->hide();
        dlg::fill_list(size_list_, {"1", "2", "3", "4", "5", "6", "7"});
        dlg::select_entry(size_list_, size_ - 1);
        size_list_->show();
        colour_fields(true, "Style : ");
        dlg::fill_list(style_list_, {"Solid Line", "Dashed Line", "Dotted Line", "-.-.-.-.-", "-..-..-..-"});
        dlg::select_entry(style_list_, style_);
        style_list_->show();
        mark_size_list_->hide();
        break;
    case kPageFill:
        colour_ = kPageGreen;
        style_ = kSolidStyle;
        name_label_->hide();
        name_field_->hide();
        size_list_->hide();
        colour_fields(true, "Style : ");
        dlg::fill_list(style_list_, fill_pattern_names());
        dlg::select_entry(style_list_, style_);
        style_list_->show();
        mark_size_list_->hide();
        break;
    case kPageAngleMark:
        colour_ = kPageGrey;
        size_ = kDefaultMarkSize;
        style_ = kSolidStyle;
        size_list_->hide();
        colour_fields(true, "Mark Size : ");
        style_list_->hide();
        dlg::fill_list(mark_size_list_, {"20", "25", "30", "35"});
        dlg::select_entry(mark_size_list_, (size_ - 20) / 5);
        mark_size_list_->show();
        break;
    case kPageText:
        name_label_->setText(QStringLiteral("Text : "));
        name_field_->hide();
        text_field_->show();
        position_fields(true);
        hide_all({size_list_, sample_, change_, style_list_, mark_size_list_});
        break;
    case kPageBlank:
        // Nothing of its own: the controls stay as the page before left them.
        break;
    }

    for (int i = 1; i <= kPointLists; ++i) {
        const bool shown = i <= type.points;
        set_shown(point_list(i), shown);
        set_shown(point_label(i), shown);
        if (shown)
            dlg::select_entry(point_list(i), i - 1);
    }
}

void TAddDlg::TypeChanged(int row)
{
    row_ = std::clamp(row, 0, kAddTypeRows - 1);
    SetPage(row_);
    PaintSample();
}

void TAddDlg::SizeChanged(int index)
{
    size_ = index + 1;
    PaintSample();
}

void TAddDlg::StyleChanged(int index)
{
    style_ = index;
    PaintSample();
}

void TAddDlg::CmChangeColor()
{
    if (!services_.colours)
        return;
    CustomColourTable& custom = custom_colour_table();
    custom.fill_once();
    if (const std::optional<Colour> chosen = services_.colours->choose(this, colour_, custom.colours))
        colour_ = *chosen;
    PaintSample();
}

void TAddDlg::NameSetFocus() { name_field_->selectAll(); }

bool TAddDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == name_field_) {
        if (event->type() == QEvent::FocusIn) {
            NameSetFocus();
            // The click that brought the focus places the cursor after this;
            // the whole text is selected again when the button comes up.
            name_clicked_into_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        } else if (event->type() == QEvent::MouseButtonRelease && name_clicked_into_) {
            name_clicked_into_ = false;
            NameSetFocus();
        } else if (event->type() == QEvent::FocusOut) {
            name_clicked_into_ = false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAddDlg::CmHelp()
{
    if (services_.help)
        services_.help(kHelpContext);
}

void TAddDlg::PaintSample()
{
    const AddPage page = add_type_table[static_cast<std::size_t>(row_)].page;
    const Colour colour = colour_;
    const int size = size_;
    const int style = style_;
    sample_->paint([&](DeviceContext& dc, int width, int height) {
        if (page == kPageLine) {
            dc.select_pen(Pen{colour, size, pen_style_from_int(style)});
            dc.move_to(4, height / 2);
            dc.line_to(width - 4, height / 2);
            dc.restore_objects();
        } else if (page == kPageFill || page == kPageAngleMark) {
            dc.fill_rect({0, 0, width, height}, fill_brush(style, colour));
        }
    });
}

bool TAddDlg::refuse(QWidget* field, const std::string& message)
{
    if (services_.boxes)
        services_.boxes->ok(load_string(ssid::kError), message, MessageIcon::Warning);
    field->setFocus();
    return false;
}

bool TAddDlg::check_range(QLineEdit* field, long low, long high)
{
    const std::string text = dlg::str(field->text());
    const long value = atoi_like(text);
    if (digits_and_signs(text) && value >= low && value <= high)
        return true;
    return refuse(field, "Value is not in the range " + std::to_string(low) + " to " + std::to_string(high) + ".");
}

bool TAddDlg::check_name()
{
    if (all_in_set(dlg::str(name_field_->text()), kNameCharacters))
        return true;
    return refuse(name_field_, "Invalid character in input");
}

bool TAddDlg::CanClose()
{
    // Every field is checked, shown or hidden, in the order of the form.
    if (!check_name() || !check_range(x_field_, kMinX, kMaxX) || !check_range(y_field_, kMinY, kMaxY))
        return false;
    // A shown point list must name a point of the drawing: the construction
    // engine takes its parents from these indices.
    for (int i = 1; i <= kPointLists; ++i) {
        QComboBox* list = point_list(i);
        const int entry = list->currentIndex();
        if (dlg::shown(list) && (entry < 0 || entry >= static_cast<int>(points_.size()))) {
            std::string label = kPointLabels[i - 1];
            label = label.substr(0, label.find(" :"));
            return refuse(list, "Please select the " + label);
        }
    }

    const AddType& type = add_type_table[static_cast<std::size_t>(row_)];
    record_.colour = colour_;
    record_.size = size_;
    record_.pen_style = style_;
    record_.type = type.command;
    record_.x = dlg::shown(x_field_) ? atoi_like(dlg::str(x_field_->text())) : 0.0;
    record_.y = dlg::shown(y_field_) ? atoi_like(dlg::str(y_field_->text())) : 0.0;
    show_ = show_box_->isChecked() ? 1 : 0;
    show_name_ = show_name_box_->isChecked() ? 1 : 0;
    record_.shown = show_;
    record_.name_shown = show_name_;
    record_.set_name(dlg::shown(name_field_) ? dlg::str_limited(name_field_->text(), Dpoint::kNameSize - 1)
                                             : std::string());
    for (int i = 0; i < kPointLists; ++i) {
        QComboBox* list = point_list(i + 1);
        record_.arg[static_cast<std::size_t>(i)] =
            dlg::shown(list) ? points_[static_cast<std::size_t>(list->currentIndex())].position + rec::kFirstObject
                             : 0;
    }
    if (dlg::shown(text_field_))
        record_.set_text(dlg::str_limited(text_field_->text(), 39));
    if (dlg::shown(mark_size_list_))
        record_.arg[kMarkSizeSlot] = std::max(0, mark_size_list_->currentIndex()) * 5 + 20;
    return true;
}

void TAddDlg::accept()
{
    if (CanClose())
        QDialog::accept();
}
