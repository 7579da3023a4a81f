#pragma once
// The computation list's part in point files. The owner of the list (the
// measurement subsystem) implements this; without it, files are written with
// an empty expression table and the entries of a file that is read are
// dropped.

#include <string>
#include <vector>

#include "model/diagram.h"

class FigExpressionStore {
public:
    virtual ~FigExpressionStore() = default;
    // One text per entry, 0 to the last, in the list's own form (any bytes).
    virtual std::vector<std::string> save_expressions(Diagram& d) = 0;
    // Whether a drawing of record_count records can take the entries; when it
    // cannot, the whole file is refused with `why`.
    virtual bool expressions_valid(const std::vector<std::string>& entries, int record_count,
                                   std::string& why) = 0;
    // Takes the entries into the drawing's new list and sets the quantity
    // count (record 2 arg[4]).
    virtual void load_expressions(Diagram& d, const std::vector<std::string>& entries) = 0;
};
