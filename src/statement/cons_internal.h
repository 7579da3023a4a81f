#pragma once
// Helpers shared by the files of the construction semantics.

#include <initializer_list>
#include <string>
#include <string_view>

#include "prover/keywords.h"
#include "prover/point_names.h"
#include "prover/prover.h"
#include "statement/text_fill.h"
#include "statement/tokenizer.h"

namespace cons {

inline const Pro_point& record(int no) { return g_pro_points[static_cast<std::size_t>(no)]; }
inline int kind_of(int no) { return static_cast<int>(record(no).kind); }
// Point k (1..8) of record no: its k-th argument.
inline int arg(int no, int k) { return static_cast<int>(record(no).pots[static_cast<std::size_t>(k - 1)]); }
inline std::string_view word(int id) { return stm_string(id); }

// An argument of a line format: a string-table word (id > 0), the record's
// own point (kX) or its k-th argument point (-k).
constexpr int kX = -100;
inline std::string_view item(int no, int a)
{
    if (a == kX)
        return record(no).name;
    if (a < 0)
        return pt_name(arg(no, -a));
    return word(a);
}

// format filled with the items of args.
std::string line(int no, std::string_view format, std::initializer_list<int> args);

// The parser's keyword of a hypothesis predicate record's kind, and its
// number of points; {"", 0} for another kind.
struct PredicateForm {
    std::string_view keyword;
    int points;
};
PredicateForm hyp_predicate_form(int kind);

// "KEYWORD p1 p2 ..." of a hypothesis predicate record, as the reader takes it.
std::string predicate_record_line(int no);

// The CIRCLE line a record belongs to as one of its points or as the centre
// the reader made for it; "" when none. *first tells whether the record is
// the point the line is printed at.
std::string circle_line_of(int no, bool* first = nullptr);

// "LRATIO X A B" of a ratio record (LRATIO, MRATIO, PRATIO): the keyword,
// the record's point and its arguments.
std::string ratio_head(int no);

// The line the reader rewrote into a perpendicular, line-circle or
// circle-circle record for some methods (ON_BLINE, INTERSECTION_TC, _LS,
// _SS), as the statement wrote it, without ";"; "" for other records.
std::string rewritten_line(int no);

// "name name ..." of the first n arguments of record no, each preceded by a blank.
std::string arg_names(int no, int n);

}  // namespace cons
