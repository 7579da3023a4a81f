#include "construct/dialog_widgets.h"

#include <QDialog>
#include <QPainter>
#include <QPalette>

#include "construct/script_strings.h"
#include "platform/image_dc.h"
#include "platform/string_table.h"

namespace dlg {

QRect units(int x, int y, int w, int h)
{
    // 8 units down are 13 pixels of the 11-pixel dialog font; across, its
    // glyphs are wider than the forms were drawn for, so 4 units are 7 pixels.
    auto across = [](int v) { return v * 7 / 4; };
    auto down = [](int v) { return v * 13 / 8; };
    return QRect(across(x), down(y), across(w), down(h));
}

QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::string str(const QString& text) { return text.toStdString(); }

std::string str_limited(const QString& text, std::size_t max_bytes)
{
    std::string out = text.toStdString();
    if (out.size() <= max_bytes)
        return out;
    std::size_t end = max_bytes;
    // Step back over continuation bytes to the start of the cut character.
    while (end > 0 && (static_cast<unsigned char>(out[end]) & 0xC0) == 0x80)
        --end;
    out.resize(end);
    return out;
}

QLabel* make_label(QWidget* parent, std::string_view text, Qt::Alignment align, QRect where)
{
    auto* label = new QLabel(qs(text), parent);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(where);
    return label;
}

QComboBox* make_list(QWidget* parent, QRect where)
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setGeometry(where.x(), where.y(), where.width(), std::min(where.height(), 22));
    return list;
}

void fill_list(QComboBox* list, const std::vector<std::string>& entries)
{
    list->clear();
    for (const std::string& e : entries)
        list->addItem(qs(e));
}

void select_entry(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void use_dialog_face(QDialog* dialog)
{
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
    QFont font = dialog->font();
    font.setPixelSize(11);
    dialog->setFont(font);
}

}  // namespace dlg

SampleBox::SampleBox(QWidget* parent) : QWidget(parent) {}

void SampleBox::paint(const std::function<void(DeviceContext& dc, int w, int h)>& painter)
{
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    picture_ = Surface(w, h, kWhite);
    ImageDC dc(picture_);
    painter(dc, w, h);
    ++paint_count_;
    update();
}

void SampleBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (picture_.width() > 0)
        painter.drawImage(0, 0, picture_.image());
}

std::vector<std::string> fill_pattern_names()
{
    ensure_script_strings();
    return {"----------", "||||||||||", std::string(10, '\\'), "//////////",
            "++++++++++", "XXXXXXXXXX", load_string(ssid::kSolidStyle)};
}
