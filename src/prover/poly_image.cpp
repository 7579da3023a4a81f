#include "prover/poly_image.h"

#include "prover/poly_coef.h"

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
        return n.big.empty() ? get_n(n.value) : coef_from_text(n.big);
    dterm* head = nullptr;
    dterm** link = &head;
    for (std::uint32_t i = 0; i < n.terms; ++i) {
        const int deg = nodes_[at].deg;
        *link = get_dt(deg, build_from(at), nullptr);
        link = &(*link)->next;
    }
    return get_x(intern_var(n.var), head);
}
