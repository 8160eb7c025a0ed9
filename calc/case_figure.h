#pragma once
// A window case's solved triangle as the shared figure: what `--svg` draws
// and what the answer key and the problem sheet show.

#include "cases.h"
#include "figure.h"

namespace calc {

// Each side and angle with the text the answer gives it: values as read,
// results as the window writes them. With `roles`, the values are drawn as
// data and the results as results; without, all plain, as `--svg` draws.
Figure CaseFigure(const Case &kase, const Answer &answer, bool roles = false);

} // namespace calc
