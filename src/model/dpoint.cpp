#include "model/dpoint.h"

#include <algorithm>

namespace {

// Copies at most N-1 characters and NUL-fills the rest of the field.
template <std::size_t N>
void copy_bounded(std::array<char, N>& field, std::string_view value) {
    const std::size_t n = std::min(value.size(), N - 1);
    std::fill(field.begin(), field.end(), '\0');
    std::copy_n(value.begin(), n, field.begin());
}

template <std::size_t N>
std::string_view view_bounded(const std::array<char, N>& field) {
    return {field.data(), ::strnlen(field.data(), N)};
}

}  // namespace

void Aux::set_text(std::string_view text) {
    std::memset(s, 0, sizeof s);
    std::memcpy(s, text.data(), std::min(text.size(), sizeof s - 1));
}

Dpoint::Dpoint() : Dpoint(with_colour(kBlack, 1)) {}

Dpoint::Dpoint(int type_, std::string_view name_, int a1, int a2, int a3, int a4, int a5,
               int a6) {
    reinit(type_, name_, a1, a2, a3, a4, a5, a6);
}

Dpoint Dpoint::with_colour(Colour colour_, int size_) {
    Dpoint p(0, {});
    p.colour = 0;
    p.Reset();
    p.block = 1;
    p.colour = colour_;
    p.pen_style = 0;
    p.size = size_;
    return p;
}

Dpoint Dpoint::of_type(int type_, int block_) {
    Dpoint p(type_, {});
    p.block = static_cast<std::int8_t>(block_);
    return p;
}

Dpoint Dpoint::at_position(int type_, std::string_view name_, int x_, int y_, int a1, int a2,
                           int a3, int a4, int a5, int a6) {
    Dpoint p(type_, name_, a1, a2, a3, a4, a5, a6);
    p.x = x_;
    p.y = y_;
    return p;
}

void Dpoint::reinit(int type_, std::string_view name_, int a1, int a2, int a3, int a4, int a5,
                    int a6) {
    Reset();
    type = type_;
    set_name(name_);
    arg = {a1, a2, a3, a4, a5, a6, 0, 0};
}

void Dpoint::Reset() {
    type = 0;
    name.fill('\0');
    shown = 1;
    name_shown = 1;
    label_style = 1;
    arg.fill(0);
    text.fill('\0');
    x = 0.0;
    y = 0.0;
    name_dx = -3;
    name_dy = 3;
    aux1 = Aux(0.0);
    aux2 = Aux(0.0);
    hide_list.clear();
    samples.clear();
    polyline.clear();
}

void Dpoint::set_name(std::string_view value) { copy_bounded(name, value); }

std::string_view Dpoint::name_view() const { return view_bounded(name); }

void Dpoint::set_text(std::string_view value) { copy_bounded(text, value); }

std::string_view Dpoint::text_view() const { return view_bounded(text); }

std::size_t Dpoint::hide_entries() const {
    const std::int32_t last = aux1.as_int();
    if (last < 0) return 0;
    const std::size_t wanted = static_cast<std::size_t>(last) + 1;
    return std::min({wanted, hide_list.size(), kMaxHideList});
}

bool Dpoint::add_hide_entry(std::int32_t index) {
    const std::size_t used = hide_entries();
    if (used >= kMaxHideList) return false;
    hide_list.resize(used);
    hide_list.push_back(index);
    aux1.set_int(static_cast<std::int32_t>(used));
    return true;
}
