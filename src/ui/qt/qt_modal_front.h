#pragma once

namespace ui::qt {

// Keeps a modal window within the player's reach: when a window that a modal window blocks is
// activated (the player clicked it, or the desktop raised it), the modal window in front of it
// is raised and activated instead, through xdg-activation on Wayland where the compositor offers
// it. Many window managers and compositors do not keep a window above the one it belongs to, and
// the blocked window takes no key or click: without this, the game would look frozen with its
// box out of sight. Safe to call repeatedly.
void keepModalWindowsInFront();

}  // namespace ui::qt
