#pragma once

namespace ui::qt {

// Labels reach screen readers with their caption as name; a clickable label reads as a button
// whose press action clicks it and whose description is its tool tip; a game window reads as a
// window named by its caption. Safe to call repeatedly.
void installAccessibility();

}  // namespace ui::qt
