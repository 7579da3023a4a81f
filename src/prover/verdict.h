#pragma once
// The one verdict of a proof. Before a method runs, the dispatcher asks the
// statement's numeric figures what they say of the conclusion; the method
// then says its verdict through say_verdict, which prints the method's own
// words when the figures agree, and in their place a sentence that overrules
// the method, with the reason, when they do not. The LaTeX file of an
// overruled proof holds that sentence instead of the proof.

#include <string>
#include <string_view>

// What the proper figures of the statement say of the conclusion.
struct FigureJudgement {
    int told = 0;                // figures that can test the conclusion
    int failed = 0;              // of them, figures where it fails
    bool free_modelled = false;  // a point the figures place freely

    // A false conclusion fails in every figure, or in those of one choice
    // of root; one figure in eight is asked for, so that a figure that
    // happens to be special cannot decide alone.
    bool fails() const { return failed > 0 && 8 * failed >= told; }
};

// The sentence that overrules verdict (1 true, -1 false) under the
// judgement; empty when the figures agree with it.
std::string overruling(int verdict, const FigureJudgement& j);

// While it lives, say_verdict checks verdicts against the judgement; the
// check ends with it. Checks do not nest.
class VerdictCheck {
public:
    explicit VerdictCheck(const FigureJudgement& judgement);
    ~VerdictCheck();
    VerdictCheck(const VerdictCheck&) = delete;
    VerdictCheck& operator=(const VerdictCheck&) = delete;
};

// A method's verdict (1 true, -1 false) in its own words. Where no check
// runs or the figures agree: prints text, sets g_result to verdict and
// answers true. Otherwise prints the overruling sentence instead, sets
// g_result to "not solved" and answers false (the method then shows no proof).
bool say_verdict(int verdict, std::string_view text);

// Whether the running check has heard a verdict, and the sentence that
// overruled it (empty when none did).
bool verdict_said();
const std::string& overruling_sentence();
