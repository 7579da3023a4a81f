#pragma once
// Pieces the object dialogs share: their controls placed by dialog units,
// visibility as the dialog sets it (also before the dialog is shown), UTF-8
// text conversion, the light grey face and the white sample box that shows a
// chosen colour, width or pattern.

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

class QDialog;
class DeviceContext;

// What the object dialogs use of the desktop: message boxes for refusals,
// the colour chooser and the help pages. Pointers are not owned; a null one
// leaves that service out.
class MessageBoxes;
class ColourChooser;
struct DialogServices {
    MessageBoxes* boxes = nullptr;
    ColourChooser* colours = nullptr;
    std::function<void(int context)> help;
};

namespace dlg {

// A rectangle in dialog units of the dialogs' 8-point font, in pixels.
QRect units(int x, int y, int w, int h);

QString qs(std::string_view utf8);
std::string str(const QString& text);
// At most max_bytes of UTF-8, never cutting a character in two.
std::string str_limited(const QString& text, std::size_t max_bytes);

// Shown as the dialog set it, whether or not the dialog itself is on screen.
inline bool shown(const QWidget* w) { return w && !w->isHidden(); }

// A static text; alignment right, left or centred.
QLabel* make_label(QWidget* parent, std::string_view text, Qt::Alignment align, QRect where);
// A drop-down list (unsorted, entries in the order added).
QComboBox* make_list(QWidget* parent, QRect where);
void fill_list(QComboBox* list, const std::vector<std::string>& entries);
// Selects entry `index`, or none when it lies outside the list.
void select_entry(QComboBox* list, int index);

// The dialogs' light grey face.
void use_dialog_face(QDialog* dialog);

}  // namespace dlg

// A white rectangle that shows what a painter drew on its own picture.
class SampleBox : public QWidget {
public:
    explicit SampleBox(QWidget* parent);
    // Paints on a picture of the box's size (first filled white) and shows it.
    void paint(const std::function<void(DeviceContext& dc, int w, int h)>& painter);
    const Surface& picture() const { return picture_; }
    int paint_count() const { return paint_count_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Surface picture_;
    int paint_count_ = 0;
};

// The seven fill patterns of the style lists, entry k = fill style k.
std::vector<std::string> fill_pattern_names();
