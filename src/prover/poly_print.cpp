// Text and LaTeX forms of polynomials, size lines and polynomial lists.

#include "prover/poly.h"
#include "prover/poly_coef.h"
#include "prover/prover.h"

int g_pcol = 0;

namespace {

constexpr int kLineWidth = 60;

// Whether the printed form of a non-constant c starts with a minus sign.
bool starts_negative(const xterm* c)
{
    const xterm* init = pinit(c);
    if (pconstp(init))
        return coef_sign(init) < 0;
    return nterms(init) == 1 && lnum(init) < 0;
}

class Printer {
public:
    explicit Printer(int latex) : latex_(latex) {}

    std::string take() { return std::move(out_); }

    void poly(const xterm* p)
    {
        if (!p) {
            out_ += "NULL";
            return;
        }
        if (pconstp(p)) {
            number(p);
            return;
        }
        const dterm* t = p->terms;
        first_term(t->coef);
        variable(p->var, t->deg);
        for (t = t->next; t; t = t->next) {
            if (g_pcol >= kLineWidth) {
                out_ += "\r\n  ";
                g_pcol = 0;
            }
            later_term(t->coef, t->deg);
            if (t->deg > 0)
                variable(p->var, t->deg);
        }
    }

private:
    void text(const char* s, int columns)
    {
        out_ += s;
        g_pcol += columns;
    }

    // A constant node; the column count is its digits and sign (none for 0).
    void number(const xterm* c)
    {
        const std::string digits = coef_text(c);
        out_ += digits;
        g_pcol += pzerop(c) ? 0 : static_cast<int>(digits.size());
    }

    void variable(const var_rec* v, int deg)
    {
        out_ += var_text(v, latex_);
        if (deg > 1) {
            out_ += fmt("^{%d}", deg);
            g_pcol += 6;
        } else {
            g_pcol += 2;
        }
    }

    void first_term(const xterm* c)
    {
        if (!pconstp(c)) {
            if (pndts(c) > 1) {
                text("(", 2);
                poly(c);
                text(")", 0);
            } else {
                poly(c);
            }
        } else if (pmonep(c)) {
            text("-", 1);
        } else if (!ponep(c)) {
            number(c);
        }
    }

    void later_term(const xterm* c, int deg)
    {
        if (pconstp(c)) {
            if (ponep(c))
                text(deg == 0 ? "+1" : "+", 2);
            else if (pmonep(c))
                text(deg == 0 ? "-1" : "-", 2);
            else if (coef_sign(c) < 0)
                number(c);
            else {
                text("+", 1);
                number(c);
            }
        } else if (deg == 0) {
            if (!starts_negative(c))
                text("+", 1);
            poly(c);
        } else if (nterms(c) == 1) {
            if (lnum(c) >= 0)
                text("+", 1);
            poly(c);
        } else if (pndts(c) == 1) {
            text("+", 1);
            poly(c);
        } else {
            text("+(", 3);
            poly(c);
            text(")", 0);
        }
    }

    int latex_;
    std::string out_;
};

}  // namespace

std::string poly_text(const xterm* p, int latex)
{
    g_pcol = 0;
    Printer printer(latex);
    printer.poly(p);
    return printer.take();
}

void pprint(const xterm* p, int latex) { gprint(poly_text(p, latex)); }

void pprint_ln(const xterm* p)
{
    pprint(p, 0);
    gprint("\r\n");
}

void pprint_eq0(const xterm* p)
{
    pprint(p, 0);
    gprint("=0\r\n");
}

std::string index_text(const xterm* p)
{
    static const char* const kIndex = "Index";
    if (!p)
        return "()";
    if (pconstp(p))
        return std::string(kIndex) + (pzerop(p) ? ": (0,0,0) " : ": (0,0,1) ");
    const var_rec* v = p->var;
    if (v->type == kVarNamed || v->type == kVarParam)
        return fmt("%s: (%s, %d, %d) ", kIndex, v->name.c_str(), ldeg(p), nterms(p));
    return std::string(kIndex) + ": (" + var_text(v, 0) + fmt(", %d, %d) ", ldeg(p), nterms(p));
}

void pprint_index(const xterm* p) { gprint(index_text(p)); }

void print_plist(const dterm* list)
{
    if (!list) {
        gprint("NULL\r\n");
        return;
    }
    // Large polynomials are listed by their size line only.
    constexpr int kLongestListed = 20;
    for (; list; list = list->next) {
        gprint("\r\n");
        pprint_index(list->coef);
        gprint("\r\n");
        if (nterms(list->coef) < kLongestListed)
            pprint_ln(list->coef);
    }
}
