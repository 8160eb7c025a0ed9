#pragma once
// The working of a general solution: the steps it took for one triangle, in
// its order, each one rule applied, written as a textbook writes it in plain
// Unicode text (², √, ·, −, °) that reads the same in a terminal, a window or
// a web page.

#include "general.h"

#include <string>
#include <vector>

struct WorkingStep {
    std::string rule;         // "Teorema del coseno"
    std::string formula;      // "c² = a² + b² − 2·a·b·cos C"
    std::string substitution; // "c² = 3² + 4² − 2·3·4·cos 90°"
    std::string result;       // "c = 5"
};

// The steps of triangle `index` (0 or 1) of a solved solution, numbers with
// `decimals` places (DecimalText). Empty when the solution has no such triangle.
std::vector<WorkingStep> Working(const TriangleSolution &solution, int index, int decimals);
