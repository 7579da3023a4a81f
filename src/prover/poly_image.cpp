#include "prover/poly_image.h"

#include <algorithm>
#include <string_view>

#include "prover/poly_coef.h"

namespace {

// Decimal digits that a 64-bit value always holds.
constexpr std::size_t kChunkDigits = 18;

// The constant of the decimal text, built by inline steps so that it takes
// its big form exactly when it needs it.
xterm* constant_of(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    xterm* value = get_n(0);
    while (!text.empty()) {
        const std::size_t n = std::min(kChunkDigits, text.size());
        coef_t chunk = 0;
        coef_t scale = 1;
        for (char c : text.substr(0, n)) {
            chunk = chunk * 10 + (c - '0');
            scale *= 10;
        }
        text.remove_prefix(n);
        const PolyPtr factor(get_n(scale));
        const PolyPtr digits(get_n(chunk));
        coef_mul_to(value, factor.get());
        coef_add_to(value, digits.get());
    }
    if (negative)
        coef_negate(value);
    return value;
}

}  // namespace

PolyImage::PolyImage(const xterm* p)
{
    if (p)
        add(p, 0);
}

void PolyImage::add(const xterm* p, std::uint16_t deg)
{
    const std::size_t at = nodes_.size();
    nodes_.emplace_back();
    nodes_[at].deg = deg;
    if (pconstp(p)) {
        if (coef_is_big(p))
            nodes_[at].big = coef_text_big(p);
        else
            nodes_[at].value = p->value;
        return;
    }
    nodes_[at].has_var = true;
    nodes_[at].var = *p->var;
    std::uint32_t terms = 0;
    for (const dterm* t = p->terms; t; t = t->next, ++terms)
        add(t->coef, t->deg);
    nodes_[at].terms = terms;
}

xterm* PolyImage::build() const
{
    if (nodes_.empty())
        return nullptr;
    std::size_t at = 0;
    return build_from(at);
}

xterm* PolyImage::build_from(std::size_t& at) const
{
    const Node& n = nodes_[at++];
    if (!n.has_var)
        return n.big.empty() ? get_n(n.value) : constant_of(n.big);
    dterm* head = nullptr;
    dterm** link = &head;
    for (std::uint32_t i = 0; i < n.terms; ++i) {
        const int deg = nodes_[at].deg;
        *link = get_dt(deg, build_from(at), nullptr);
        link = &(*link)->next;
    }
    return get_x(intern_var(n.var), head);
}
