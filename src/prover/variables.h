#pragma once
// Variables of the prover's polynomials. Every variable is an interned record,
// so polynomials compare variables by pointer. The total order vless decides
// the main variable of every polynomial and with it the order in which the
// algebraic methods eliminate: the greatest variable goes first.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct xterm;

// Variable kinds (var_rec::type).
constexpr std::int8_t kVarNamed = 0;        // a named variable
constexpr std::int8_t kVarParam = 'c';      // a named parameter (e.g. w with w^2 = 3)
constexpr std::int8_t kVarCoord = 'd';      // coordinate x_i, a1 = i >= 1
constexpr std::int8_t kVarU = -100;         // independent coordinate parameter u_i, a1 = i >= 0
constexpr std::int8_t kVarRatio = 1;        // ratio of two directed segments a1a2 / a3a4
constexpr std::int8_t kVarArea = 2;         // signed area S
constexpr std::int8_t kVarPyth = 3;         // Pythagoras difference P
constexpr std::int8_t kVarVector = 4;       // vector a1a2 (a2 = 0: the point a1)
constexpr std::int8_t kVarSegment = 5;      // two-point quantity, printed in brackets
constexpr std::int8_t kVarSine2 = 6;        // two-point sine
constexpr std::int8_t kVarCosine2 = 7;      // two-point cosine
constexpr std::int8_t kVarFullAngle = 10;   // full angle of lines a1a2 and a3a4
constexpr std::int8_t kVarSine1 = 16;       // one-point sine
constexpr std::int8_t kVarCosine1 = 17;     // one-point cosine

// One interned variable. Named kinds (0 and 'c') use name; the others use
// the four arguments (point numbers, or the index for 'd' and -100).
struct var_rec {
    std::int8_t type = kVarNamed;
    std::string name;
    std::array<std::int32_t, 4> a{};
};

// Returns the record equal to key, appending a copy of key when there is none.
// Named kinds are equal when their names are (a type-0 and a 'c' variable of
// one name are one record); other kinds when type and arguments are.
var_rec* intern_var(const var_rec& key);
var_rec* mk_var(int type, int a1, int a2, int a3, int a4);
var_rec* mk_var_name(std::string_view name);
var_rec* mk_cvar(std::string_view name);
// i >= 1: coordinate x_i; i <= 0: parameter u_(-i).
var_rec* mk_ivar(int i);

// Empties the variable table; every earlier record becomes invalid.
void reset_vars();
std::size_t var_count();

// Highest point a quantity mentions.
int var_maxpt(const var_rec* v);
// Strict order: true when a is below b.
bool vless(const var_rec* a, const var_rec* b);

// The distinct variables of p: its main variable first, then those of each
// coefficient in turn. Empty for a constant.
std::vector<var_rec*> vars2(const xterm* p);

// Text (latex 0) or LaTeX (latex 1) form of a variable; print_var sends it
// through gprint.
std::string var_text(const var_rec* v, int latex);
void print_var(const var_rec* v, int latex);

// Text form of the full angle of lines a1a2 and a3a4, the shared point first.
std::string fangle_text(int a1, int a2, int a3, int a4);
void print_fangle(int a1, int a2, int a3, int a4);
