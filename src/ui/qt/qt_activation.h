#pragma once

class QWidget;

// When a game window takes the keyboard: also where no window manager gives it, but never from
// another program, nor from an open message box.
namespace ui::qt {

// A window just shown: with no window manager, show() does not activate it.
void activateShown(QWidget& window);

// Whether the program has the keyboard as the window is about to hide: it is the active one, or
// the keyboard is between two of the program's windows, as just after a message box over it
// closed.
[[nodiscard]] bool programHasTheKeyboard(const QWidget& window);

// The game window in front, that comes back when the one over it has gone, gets the keyboard.
void activateFrontWindow();

// The window asks for the keyboard: it gets it while the program is the active one, no message
// box is open and the window is shown.
void takeFocusIfFree(QWidget& window);

}  // namespace ui::qt
