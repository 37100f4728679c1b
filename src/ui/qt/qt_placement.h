#pragma once

class QWidget;

namespace ui::qt {

// Makes a game window stand over the window that owns it (a bonus window over the machine):
// modal to it, set before it is shown, and transient for it, which Qt tells the window manager
// (WM_TRANSIENT_FOR) only for a dialog, kept in front of its owner. It is centred on its owner,
// then moved inside the available area of the owner's screen, frame and all, the title bar last
// so that it stays within reach; the frame is taken to be the owner's.
void standOver(QWidget& window, QWidget& owner);

}  // namespace ui::qt
