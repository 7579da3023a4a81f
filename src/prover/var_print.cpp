// Text and LaTeX forms of variables.

#include "prover/prover.h"
#include "prover/variables.h"

namespace {

// The angle sign in front of a full angle.
constexpr const char* kAngleSign = "\u2220";

std::string pt(int i)
{
    if (i < 1 || i >= kProPointCount)
        return {};
    return g_pro_points[static_cast<std::size_t>(i)].name;
}

bool vector_method() { return g_method == kMethodVector; }

// body in the LaTeX macro or in the text form's parentheses.
std::string enclose(int latex, const char* macro, const char* prefix, const std::string& body)
{
    return latex ? std::string(macro) + "{" + body + "}" : std::string(prefix) + "(" + body + ")";
}

}  // namespace

std::string fangle_text(int a1, int a2, int a3, int a4)
{
    // A point shared by the two lines goes first in both pairs.
    int q[4] = {a1, a2, a3, a4};
    if (a4 == a1)
        q[0] = a1, q[1] = a2, q[2] = a1, q[3] = a3;
    else if (a2 == a3)
        q[0] = a2, q[1] = a1, q[2] = a2, q[3] = a4;
    else if (a4 == a2)
        q[0] = a2, q[1] = a1, q[2] = a2, q[3] = a3;
    return fmt("%s[%s%s,%s%s]", kAngleSign, pt(q[0]).c_str(), pt(q[1]).c_str(),
               pt(q[2]).c_str(), pt(q[3]).c_str());
}

void print_fangle(int a1, int a2, int a3, int a4) { gprint(fangle_text(a1, a2, a3, a4)); }

std::string var_text(const var_rec* v, int latex)
{
    const int a1 = v->a[0], a2 = v->a[1], a3 = v->a[2], a4 = v->a[3];
    switch (v->type) {
    case kVarNamed:
    case kVarParam:
        return v->name;
    case kVarU:
        return fmt("u%d", a1);
    case kVarCoord:
        return fmt("x%d", a1);
    case kVarRatio:
    case -kVarRatio:
        if (latex)
            return "\\oo{" + pt(a2) + pt(a1) + "}{" + pt(a4) + pt(a3) + "}";
        return pt(a2) + pt(a1) + "/" + pt(a4) + pt(a3);
    case kVarArea:
    case -kVarArea:
        if (vector_method())
            return latex ? "\\vp{" + pt(a1) + pt(a3) + "}{" + pt(a2) + pt(a4) + "}"
                         : "[" + pt(a1) + pt(a3) + "," + pt(a2) + pt(a4) + "]";
        return enclose(latex, "\\t", "S", pt(a1) + pt(a2) + pt(a3) + (a4 != a3 ? pt(a4) : ""));
    case kVarPyth:
    case -kVarPyth:
        if (vector_method())
            return latex ? "\\ip{" + pt(a1) + pt(a3) + "}{" + pt(a2) + pt(a4) + "}"
                         : "[" + pt(a1) + pt(a3) + "," + pt(a2) + pt(a4) + "]";
        return enclose(latex, "\\g", "P", pt(a1) + pt(a2) + (a3 != a2 ? pt(a3) : "") + pt(a4));
    case kVarVector:
        return enclose(latex, "\\vec", "V", a2 == 0 ? pt(a1) : pt(a2) + pt(a1));
    case kVarSegment:
        return latex ? "(\\o{" + pt(a1) + pt(a2) + "})" : "[" + pt(a1) + pt(a2) + "]";
    case kVarSine2:
        return std::string(latex ? "\\" : "") + "sin(" + pt(a1) + pt(a2) + ")";
    case kVarCosine2:
        return std::string(latex ? "\\" : "") + "cos(" + pt(a1) + pt(a2) + ")";
    case kVarFullAngle:
        if (latex)
            return "\\fa{" + pt(a1) + pt(a2) + "}{" + pt(a3) + pt(a4) + "}";
        return fangle_text(a1, a2, a3, a4);
    case kVarSine1:
        return std::string(latex ? "\\" : "") + "sin(" + pt(a1) + ")";
    case kVarCosine1:
        return std::string(latex ? "\\" : "") + "cos(" + pt(a1) + ")";
    default:
        return "x";
    }
}

void print_var(const var_rec* v, int latex) { gprint(var_text(v, latex)); }
