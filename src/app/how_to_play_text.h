#pragma once

#include <QString>

namespace quirvanto {

// The How to play window's text, as HTML: the keys, the rules, what each game pays, and the odds
// of the default odds report.
[[nodiscard]] QString howToPlayHtml();

}  // namespace quirvanto
