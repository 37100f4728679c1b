#!/usr/bin/env bash
# The whole cycle from outside: the machine window is closed the way a window manager closes it,
# the title window takes three coins from the real keyboard, key 1 brings back the machine with
# 30 credits, a click on the continue prompt does the same with 20, and leaving the title window
# with ESC ends the program. Read as a screen reader reads the windows.
#   title_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly MACHINE="Quirvanto"
readonly TITLE="Quirvanto - Quirvanto Team 2026 - www.quirvanto.example"

# Asks a window to close as a window manager does when its close box is clicked: a
# WM_DELETE_WINDOW message. Under a bare X server nothing else delivers one.
close_by_window_manager() {
    "$E2E_PYTHON" - "$1" <<'PYTHON'
import ctypes
import sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]


display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
event = Event()
event.message.type = 33  # ClientMessage
event.message.window = window
event.message.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.message.format = 32
event.message.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("the close request was not sent")
x11.XFlush(display)
x11.XCloseDisplay(display)
PYTHON
}

reads() { e2e_atspi texts "$1" | grep -xF "$2" >/dev/null; }
gone() { [ -z "$(e2e_find_window "$1")" ]; }

e2e_setup
e2e_start_program "$1"
machine="$(e2e_wait_window "$MACHINE")"
e2e_wait_until 10 reads "$MACHINE" $'label\t10\t' || e2e_fail "the machine does not show 10 credits"

close_by_window_manager "$machine" || e2e_fail "could not ask the machine window to close"
title="$(e2e_wait_window "$TITLE")"
e2e_wait_until 5 gone "$MACHINE" || e2e_fail "the machine window is still shown"
ticker_line() {
    e2e_atspi texts "$TITLE" | grep $'^label\t.* - You have a good day and enjoy\t' >/dev/null
}
e2e_wait_until 10 ticker_line || e2e_fail "the title window shows no ticker line"
e2e_screenshot "$title" "$E2E_WORK/title.png"
[ "$(e2e_colour_count "$E2E_WORK/title.png")" -gt 16 ] || e2e_fail "the title window looks empty"

e2e_key "$title" 5 5 5
three_coins() {
    reads "$TITLE" $'label\t30\t' &&
        e2e_atspi texts "$TITLE" | grep $'\tClick here to continue or press 1\t' >/dev/null
}
e2e_wait_until 5 three_coins || e2e_fail "three presses of 5 did not show 30 and the prompt"

e2e_key "$title" 1
machine="$(e2e_wait_window "$MACHINE")"
back_with_thirty() { reads "$MACHINE" $'label\tCredits\t' && reads "$MACHINE" $'label\t30\t'; }
e2e_wait_until 10 back_with_thirty || e2e_fail "the machine came back without the 30 credits"
e2e_wait_until 5 gone "$TITLE" || e2e_fail "the title window is still shown"

# The continue prompt answers the mouse, at the middle of where the layout puts it.
close_by_window_manager "$machine" || e2e_fail "could not ask the machine window to close"
title="$(e2e_wait_window "$TITLE")"
e2e_key "$title" 5 5
e2e_wait_until 5 reads "$TITLE" $'label\t20\t' || e2e_fail "two more coins were not counted"
e2e_click "$title" $(((720 + 5145 / 2) / 15)) $(((5280 + 405 / 2) / 15))
machine="$(e2e_wait_window "$MACHINE")"
e2e_wait_until 10 reads "$MACHINE" $'label\t20\t' || e2e_fail "the click did not bring 20 credits"

close_by_window_manager "$machine" || e2e_fail "could not ask the machine window to close"
title="$(e2e_wait_window "$TITLE")"
e2e_key "$title" 5 Escape
status="$(e2e_wait_program_end 10)" || e2e_fail "ESC on the title window did not end the program"
[ "$status" = 0 ] || e2e_fail "the program ended with status $status"
e2e_log "title: ok"
