#include "prover_fixture.h"

#include <regex>

std::string mask_time(std::string text)
{
    static const std::regex time(R"(Time :[0-9]+\.[0-9]+)");
    return std::regex_replace(text, time, "Time :x.xxxxxx");
}
