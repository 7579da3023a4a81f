#include "prover/verdict.h"

#include <optional>

#include "prover/prover.h"

namespace {

// The check of the running Prove.
struct RunningCheck {
    FigureJudgement judgement;
    bool said = false;
    std::string overruled;
};

std::optional<RunningCheck>& running()
{
    static std::optional<RunningCheck> check;
    return check;
}

}  // namespace

std::string overruling(int verdict, const FigureJudgement& j)
{
    const bool said_true = verdict == 1;
    const char* why = nullptr;
    if (j.told == 0)
        why = "no numeric figure can test the conclusion";
    else if (said_true && j.fails())
        why = "the conclusion fails in a numeric figure that meets the hypotheses";
    else if (!said_true && !j.fails())
        why = "no numeric figure that meets the hypotheses shows the conclusion failing";
    else if (!said_true && j.free_modelled)
        why = "a HARMONIC or SIM_TRIANGLE point is free in the numeric figures";
    if (!why)
        return {};
    return std::string("The method finds the statement ") + (said_true ? "true" : "false") + ", but " + why +
           ": the statement is not proved.";
}

VerdictCheck::VerdictCheck(const FigureJudgement& judgement) { running() = RunningCheck{judgement, false, {}}; }

VerdictCheck::~VerdictCheck() { running().reset(); }

bool say_verdict(int verdict, std::string_view text)
{
    auto& check = running();
    std::string overruled;
    if (check) {
        check->said = true;
        overruled = overruling(verdict, check->judgement);
        check->overruled = overruled;
    }
    if (overruled.empty()) {
        gprint(text);
        g_result = verdict;
        return true;
    }
    gprint("\r\n" + overruled + "\r\n");
    g_result = kResultNotSolved;
    return false;
}

bool verdict_said() { return running() && running()->said; }

const std::string& overruling_sentence()
{
    static const std::string none;
    return running() ? running()->overruled : none;
}
