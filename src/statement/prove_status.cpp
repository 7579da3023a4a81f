// The status texts of the prover window and the input help.

#include <string>

#include "prover/keywords.h"
#include "prover/prover.h"
#include "prover/prover_strings.h"
#include "statement/prove.h"

namespace {

StatusSink& status_sink()
{
    static StatusSink s;
    return s;
}

std::string text(int id) { return std::string(stm_string(id)); }

}  // namespace

std::string_view method_name(int method)
{
    switch (method) {
    case kMethodArea: return stm_string(sid::kAreaMethod);
    case kMethodDatabase: return stm_string(sid::kGddMethod);
    case kMethodWu: return stm_string(sid::kWuMethod);
    case kMethodGroebner: return stm_string(sid::kGroebnerMethod);
    case kMethodFullAngle: return stm_string(sid::kAngleMethod);
    case kMethodVector: return stm_string(sid::kVectorMethod);
    default: return "";
    }
}

ProveStatus prove_status()
{
    ProveStatus s;
    s.method = method_name(g_method);
    switch (g_result) {
    case 0: break;
    case 1: s.result = text(sid::kProblemTrue); break;
    case -1: s.result = text(sid::kProblemFalse); break;
    default: s.result = text(sid::kNotSolved); break;
    }
    if (g_time >= 0)
        s.time = fmt("%s :%f", text(sid::kTime).c_str(), g_time * 0.001);
    if (g_maxterm > 0)
        s.maxterm = fmt("%s: %d", text(sid::kMaxterm).c_str(), g_maxterm);
    return s;
}

void set_status_sink(StatusSink sink) { status_sink() = std::move(sink); }

ProveStatus show_status()
{
    ProveStatus s = prove_status();
    if (status_sink())
        status_sink()(s);
    return s;
}

void select_method()
{
    g_result = 0;
    g_time = -1;
    g_maxterm = -1;
    show_status();
}

void show_input_help()
{
    clear_prover_window();
    for (int id = sid::kInputHelpFirst; id <= sid::kInputHelpLast; ++id)
        gprint(stm_string(id));
}
