#pragma once

#include <functional>
#include <string>

// How a screen reader reads a control where its caption, tool tip and visibility do not say it
// all. A window gives its controls their readings once it has created them; the Qt side follows.
namespace ui {

class Label;

struct Reading {
    // Read as the control's name instead of its caption: a tile's place and value.
    std::function<std::string()> name;
    // Only decorates, or says again what another control reads: left out of the tree.
    bool decorative = false;
    // A button that toggles: whether it is on now.
    std::function<bool()> checked;
    // A field, tile or row that the game lights: whether it is lit now.
    std::function<bool()> lit;
    // The caption that says what this value is: "Credits" for the credits.
    const Label* caption = nullptr;
    // A change of its caption is announced: the credits, the win, a game's result.
    bool announced = false;
    // While this says its visible flag blinks, it reads as shown all the while: a screen reader
    // is not told of it coming and going several times a second.
    std::function<bool()> blinking;
};

}  // namespace ui
