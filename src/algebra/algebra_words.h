#pragma once
// Texts of the algebraic provers' output (string-table entries of the prover).

namespace alg_words {
inline constexpr const char* kAlgebraicForm = "\r\nThe Algebraic Form \r\n";                          // 2030
inline constexpr const char* kEquationalHypotheses = "\r\nTHE EQUATIONAL HYPOTHESES:\r\n";            // 2031
inline constexpr const char* kConclusionHead = "\r\nTHE CONCLUSION:\r\n\r\n ";                       // 2032
inline constexpr const char* kTriangulized = "\r\nThe Triangulized Hypotheses:\r\n\r\n TS = \r\n\r\n";  // 2033
inline constexpr const char* kGroebnerBasis = "\r\nThe Groebner Basis:\r\n\r\n GB = \r\n\r\n";         // 2034
inline constexpr const char* kProblemTrue = "Problem Is True";                                        // 2050
inline constexpr const char* kProblemFalse = "Problem Is False";                                      // 2051
inline constexpr const char* kReducible = "This statement is reducible. \r\nStatement is not proved";  // 2056
inline constexpr const char* kLgb = "\r\nLinear polynomials of terms less than three\r\n\r\n  LGB = \r\n";  // 2820
inline constexpr const char* kGbWrtLgb = "\r\nThe pseudo remainders of GB wrt to LGB\r\n";              // 2821
inline constexpr const char* kConcWrtLgb = "\r\nThe pseudo remainders of CONC wrt to LGB\r\n";          // 2822
inline constexpr const char* kConcWrtGb = "\r\nSuccessive pseudo remainder of CONC wrt to GB\r\n";      // 2823
inline constexpr const char* kLts = "\r\nLinear polynomials of terms less than three \r\n  LTS = \r\n";   // 2830
inline constexpr const char* kTsWrtLts = "\r\n The pseudo remainders of TS wrt to LTS \r\n";           // 2831
inline constexpr const char* kConcWrtLts = "\r\n The pseudo remainders of CONC wrt to LTS \r\n";       // 2832
inline constexpr const char* kConcWrtTs = "\r\nSuccessive pseudo remainder of CONC wrt to TS \r\n";     // 2833
inline constexpr const char* kCoordinates = "\r\nThe coordinates \r\n";                                 // 2834
// Machine proof of the area, vector and full-angle methods.
inline constexpr const char* kMachineProof = "The Machine Proof";                                     // 2072
inline constexpr const char* kLatexSaved = "The Proof in LaTex format has been saved in";             // 2071
inline constexpr const char* kNoProof = "\r\nThere exists no proof.\r\n";                             // 2220
inline constexpr const char* kConclusionIs = "The conclusion is: ";                                   // 2221
inline constexpr const char* kEquivalentTo = "This is equivalent to: ";                               // 2222
inline constexpr const char* kEliminatingFactors = "Eliminating the common factors: ";                // 2223
inline constexpr const char* kBecause = "because ";                                                   // 2224
inline constexpr const char* kEliminateVariables = "Eliminate variables";                             // 2226
// Outcomes this system adds to the verdicts.
inline constexpr const char* kInconsistent =
    "The hypotheses contradict each other for general positions of the free points.\r\n"
    "Statement is not proved";
}  // namespace alg_words
