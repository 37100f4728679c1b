#!/usr/bin/env bash
# Shared harness of the end-to-end tests: a private X display, D-Bus session and accessibility bus,
# optionally a silent sound server that can be recorded, and the real program running on them.
# A test sources this file, calls e2e_setup and e2e_start_program "$1", then looks at the game
# only from outside: window geometry, screenshots, key presses and clicks, recorded sound, and
# the texts a screen reader reads. Everything started here is ended when the test exits.
#
# The main calls: e2e_setup, e2e_start_program, e2e_wait_window CAPTION (prints the window id),
# e2e_client_size ID, e2e_screenshot ID FILE, e2e_pixel FILE X Y, e2e_key ID KEYS...,
# e2e_press KEYS..., e2e_click ID X Y, e2e_close_window ID, e2e_stop_program,
# e2e_atspi windows|texts|states|value|press|events (see atspi_read.py),
# e2e_record_audio FILE / e2e_stop_recording, e2e_bet_sound_span ID,
# e2e_wait_until SECONDS COMMAND..., e2e_fail TEXT.
#
#   E2E_AUDIO=1       also start the sound server (before e2e_setup)
#   E2E_WM=1          also start a window manager, openbox (before e2e_setup)
#   E2E_SCREEN        the screen's size and depth, 1024x768x24 unless set
#   E2E_DEADLINE      seconds the whole test may take, 90 unless set (before sourcing this file)
#   E2E_KEEP=1        keep the work folder (screenshots, logs) after the test
#   E2E_WORK          the work folder; E2E_PROGRAM_PID the program's process

set -euo pipefail

E2E_LIB_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
E2E_WORK="$(mktemp -d "${TMPDIR:-/tmp}/quirvanto-e2e.XXXXXX")"
E2E_PIDS=()
E2E_PROGRAM_PID=""
E2E_RECORD_PID=""
# Debian's Python has the accessibility bindings and Debian's ImageMagick reads screenshots;
# tools of the same name found first on PATH may be other programs.
E2E_PYTHON="${E2E_PYTHON:-/usr/bin/python3}"
E2E_CONVERT="${E2E_CONVERT:-/usr/bin/convert}"

e2e_log() { printf 'e2e: %s\n' "$*" >&2; }

e2e_fail() {
    printf 'FAIL: %s\n' "$*" >&2
    if [ -n "$E2E_PROGRAM_PID" ] && [ -s "$E2E_WORK/program.log" ]; then
        e2e_log "program output:"
        sed 's/^/    /' "$E2E_WORK/program.log" >&2
    fi
    exit 1
}

e2e_cleanup() {
    local status=$?
    local pid
    if [ -n "$E2E_RECORD_PID" ]; then kill "$E2E_RECORD_PID" 2>/dev/null || true; fi
    if [ -n "$E2E_PROGRAM_PID" ]; then kill "$E2E_PROGRAM_PID" 2>/dev/null || true; fi
    # Newest first: the program, then the buses, then the display.
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid="${E2E_PIDS[i]}"
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}" $E2E_PROGRAM_PID $E2E_RECORD_PID; do
        wait "$pid" 2>/dev/null || true
    done
    kill "$E2E_WATCHDOG_PID" 2>/dev/null || true
    if [ "${E2E_KEEP:-0}" = 1 ] || [ "$status" -ne 0 ]; then
        e2e_log "work folder kept: $E2E_WORK"
    else
        rm -rf "$E2E_WORK"
    fi
    exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

# Sends a signal to a process and everything it started, the deepest first.
e2e_signal_tree() {
    local child
    for child in $(pgrep -P "$1"); do
        [ "$child" = "$BASHPID" ] || e2e_signal_tree "$child" "$2"
    done
    kill "-$2" "$1" 2>/dev/null || true
}

# Past the test's deadline, names the step the test was at and ends everything it started, the
# test included; what does not end within five seconds is killed.
e2e_watchdog() {
    local end=$((SECONDS + ${E2E_DEADLINE:-90}))
    while [ "$SECONDS" -lt "$end" ]; do sleep 1 2>/dev/null; done
    printf 'FAIL: no end within %s s; the test was at: %s\n' "${E2E_DEADLINE:-90}" \
        "$(cat "$E2E_WORK/step" 2>/dev/null)" >&2
    e2e_signal_tree $$ TERM
    sleep 5
    e2e_signal_tree $$ KILL
}
e2e_watchdog </dev/null >/dev/null &
E2E_WATCHDOG_PID=$!

# Polls a command until it succeeds or the seconds run out.
e2e_wait_until() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

e2e_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || e2e_fail "$tool is not installed (make deps installs it)"
    done
}

# A private X server on a free display number, 24-bit colour.
e2e_start_display() {
    e2e_require Xvfb xdotool xwininfo
    local fifo="$E2E_WORK/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$fifo" \
        >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_PIDS+=($!)
    local number
    read -r -t 20 number <"$fifo" || e2e_fail "Xvfb did not start"
    export DISPLAY=":$number"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    e2e_wait_until 10 xwininfo -root || e2e_fail "display $DISPLAY does not answer"
}

# Openbox, a small window manager that follows EWMH and ICCCM, with its
# stock settings (a private home, so no user's settings apply). Ready once it names itself on the
# root window.
e2e_start_window_manager() {
    e2e_require openbox xprop
    mkdir -p "$E2E_WORK/wm-home"
    HOME="$E2E_WORK/wm-home" openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_until 10 e2e_window_manager_running || e2e_fail "openbox did not start"
}

e2e_window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# A D-Bus session and the accessibility bus behind it, so the program's widgets can be read as a
# screen reader reads them.
e2e_start_session_bus() {
    e2e_require dbus-daemon
    local address_file="$E2E_WORK/dbus-address"
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$address_file" \
        >"$E2E_WORK/dbus.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_until 10 test -s "$address_file" || e2e_fail "the D-Bus session did not start"
    DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$address_file")"
    export DBUS_SESSION_BUS_ADDRESS
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_WORK/atspi.log" 2>&1 &
    E2E_PIDS+=($!)
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    e2e_wait_until 10 dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
        org.a11y.Bus.GetAddress || e2e_fail "the accessibility bus did not start"
}

# A PulseAudio server of our own whose only sink, "null", plays into nothing; what the program
# plays can be recorded from null.monitor.
e2e_start_audio() {
    e2e_require pulseaudio parec pactl
    local runtime="$E2E_WORK/pulse"
    mkdir -p "$runtime"
    chmod 700 "$runtime"
    HOME="$runtime" XDG_RUNTIME_DIR="$runtime" pulseaudio --daemonize=no --system=false \
        --exit-idle-time=-1 --disallow-exit --use-pid-file=false --disable-shm=true -n \
        --load="module-null-sink sink_name=null" \
        --load="module-native-protocol-unix socket=$runtime/socket auth-anonymous=1" \
        >"$E2E_WORK/pulse.log" 2>&1 &
    E2E_PIDS+=($!)
    export PULSE_SERVER="unix:$runtime/socket"
    export SDL_AUDIODRIVER=pulseaudio
    e2e_wait_until 10 pactl info || e2e_fail "the sound server did not start"
}

# Starts recording the null sink into a raw file: 16-bit signed, mono, 22050 Hz.
e2e_record_audio() {
    parec -d null.monitor --format=s16le --channels=1 --rate=22050 --raw >"$1" \
        2>>"$E2E_WORK/pulse.log" &
    E2E_RECORD_PID=$!
}

e2e_stop_recording() {
    if [ -n "$E2E_RECORD_PID" ]; then
        kill "$E2E_RECORD_PID" 2>/dev/null || true
        wait "$E2E_RECORD_PID" 2>/dev/null || true
        E2E_RECORD_PID=""
    fi
}

# Records the machine while A and Z change the bet up and down three times a second apart, and
# prints when the sounds heard begin and end, in ms ("none" when nothing was heard). The null
# sink may pass a player's first sounds on late or not at all, so it listens to all of them.
e2e_bet_sound_span() {
    local capture="$E2E_WORK/bet.raw"
    e2e_record_audio "$capture"
    sleep 0.5
    for _ in 1 2 3; do
        e2e_key "$1" a z
        sleep 1
    done
    e2e_stop_recording
    "$E2E_PYTHON" "$E2E_LIB_DIR/tools/sound_capture.py" span "$capture" 22050
}

e2e_setup() {
    export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    e2e_start_display
    if [ "${E2E_WM:-0}" = 1 ]; then
        e2e_start_window_manager
    fi
    e2e_start_session_bus
    if [ "${E2E_AUDIO:-0}" = 1 ]; then
        e2e_start_audio
    fi
}

# Starts the real program, as a player would, with its output kept for failures; any further
# arguments go to the program.
e2e_start_program() {
    local program
    program="$(realpath -e "$1" 2>/dev/null)" || e2e_fail "no program at '$1'"
    [ -x "$program" ] || e2e_fail "no program at '$program'"
    (cd "$E2E_WORK" && exec "$program" "${@:2}") >"$E2E_WORK/program.log" 2>&1 &
    E2E_PROGRAM_PID=$!
}

# Ends the program the test started, so that another one can start on the same display.
e2e_stop_program() {
    if [ -n "$E2E_PROGRAM_PID" ]; then
        kill "$E2E_PROGRAM_PID" 2>/dev/null || true
        wait "$E2E_PROGRAM_PID" 2>/dev/null || true
        E2E_PROGRAM_PID=""
    fi
}

e2e_program_running() {
    [ -n "$E2E_PROGRAM_PID" ] && kill -0 "$E2E_PROGRAM_PID" 2>/dev/null
}

# Waits until the program has ended by itself, then gives its exit status.
e2e_wait_program_end() {
    local seconds="${1:-10}"
    e2e_wait_until "$seconds" bash -c "! kill -0 $E2E_PROGRAM_PID" || return 1
    local status=0
    wait "$E2E_PROGRAM_PID" || status=$?
    E2E_PROGRAM_PID=""
    echo "$status"
}

# Prints the id of a shown window whose caption is exactly this text.
e2e_find_window() {
    e2e_windows_named "$1" | head -n1
}

e2e_wait_window() {
    local caption="$1" seconds="${2:-20}"
    local deadline=$((SECONDS + seconds)) id=""
    while [ -z "$id" ]; do
        e2e_program_running || e2e_fail "the program ended before its window '$caption' appeared"
        [ "$SECONDS" -lt "$deadline" ] || e2e_fail "no window '$caption' within $seconds s"
        id="$(e2e_find_window "$caption")"
        [ -n "$id" ] || sleep 0.1
    done
    echo "$id"
}

# "WIDTH HEIGHT" of a window's client area, in pixels.
e2e_client_size() {
    xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}'
}

# "X Y" of a window's client area on the screen.
e2e_client_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'
}

# A PNG of what a window shows, as on the screen (lets the display settle a moment first).
e2e_screenshot() {
    local id="$1" file="$2"
    sleep 0.3
    import -window "$id" "$file" 2>>"$E2E_WORK/import.log" ||
        xwd -silent -id "$id" | "$E2E_CONVERT" xwd:- "$file"
}

# "R G B" of one pixel of a picture, 0 to 255 each.
e2e_pixel() {
    "$E2E_CONVERT" "$1" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | head -n1
}

# How many different colours a picture has.
e2e_colour_count() {
    "$E2E_CONVERT" "$1" -format %k info:
}

# Gives a window the keyboard focus and presses keys on the keyboard, as a player does
# (xdotool's key names: Return, space, Escape, KP_Enter, KP_5, 1, a ...).
e2e_key() {
    local id="$1"
    shift
    xdotool windowfocus --sync "$id"
    e2e_press "$@"
}

# Presses keys on the keyboard, whatever window has the focus.
e2e_press() {
    xdotool key --delay 60 "$@"
}

# Ids of the shown windows with this caption, one a line (a message box has the caption
# "Quirvanto" too).
e2e_windows_named() {
    local pattern
    pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')\$"
    xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true
}

# Clicks at a point of a window's client area.
e2e_click() {
    local id="$1" x="$2" y="$3"
    xdotool mousemove --window "$id" "$x" "$y" click 1
}

# Asks a window to close as a window manager does when its close box is clicked: a
# WM_DELETE_WINDOW message. Under a bare X server nothing else delivers one.
e2e_close_window() {
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

# Reads the program's accessible tree as a screen reader does; see atspi_read.py.
e2e_atspi() {
    "$E2E_PYTHON" "$E2E_LIB_DIR/atspi_read.py" "$@"
}

# A headless Wayland compositor (sway, drawing in memory) on a screen of E2E_SCREEN's size, on
# which the program then starts as a native Wayland client; the X display stays for the buses.
# Sway refuses to run as root, so a root test runs it as nobody, with a runtime folder of its
# own. The compositor gives a window the focus when it asks for it with a valid activation token,
# as the common desktops do. Takes the program's path, beside which the virtual mouse is built.
# Calls: swaymsg, e2e_sway_windows, e2e_wayland_type (wtype), e2e_wayland_pointer move X Y | click,
# e2e_wayland_screenshot FILE.
e2e_start_wayland() {
    e2e_require sway swaymsg wtype grim setpriv
    local runtime="$E2E_WORK/wayland" config="$E2E_WORK/sway.config" screen="${E2E_SCREEN:-1024x768x24}"
    local as_user=()
    mkdir -p -m 700 "$runtime"
    printf '%s\n' "output HEADLESS-1 resolution ${screen%x*} position 0 0" "xwayland disable" \
        "focus_on_window_activation focus" >"$config"
    if [ "$(id -u)" -eq 0 ]; then
        chmod 711 "$E2E_WORK"
        chmod 644 "$config"
        chown nobody "$runtime"
        as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
    fi
    env -u DISPLAY -u WAYLAND_DISPLAY HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${as_user[@]}" sway --config "$config" >"$E2E_WORK/sway.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_until 10 compgen -G "$runtime/wayland-[0-9]" && e2e_wait_until 10 compgen -G "$runtime/sway-ipc.*.sock" ||
        e2e_fail "sway did not start: $(cat "$E2E_WORK/sway.log")"
    SWAYSOCK="$(compgen -G "$runtime/sway-ipc.*.sock")"
    WAYLAND_DISPLAY="$(compgen -G "$runtime/wayland-[0-9]" | head -n1)"
    export SWAYSOCK WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
    # A keyboard and a mouse stay plugged in, as on a desktop: without a keyboard the compositor
    # gives no window the keyboard focus, and a program takes a mouse plugged in later only after
    # a moment.
    wtype -s 3600000 &
    E2E_PIDS+=($!)
    coproc E2E_POINTER { exec "$(dirname "$1")/wayland_pointer"; }
    E2E_PIDS+=("$E2E_POINTER_PID")
}

# The shown windows as the compositor stacks them, back to front, one a line:
# "FOCUSED APP_ID X Y WIDTH HEIGHT CAPTION", FOCUSED being 1 for the window with the keyboard,
# X Y WIDTH HEIGHT its client area in the compositor's logical pixels.
e2e_sway_windows() {
    swaymsg -t get_tree | "$E2E_PYTHON" -c '
import json, sys
def walk(node):
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from walk(child)
    if node.get("type") in ("con", "floating_con") and node.get("pid"):
        yield node
for window in walk(json.load(sys.stdin)):
    outer, client = window["rect"], window["window_rect"]
    print(int(window["focused"]), window.get("app_id"), outer["x"] + client["x"],
          outer["y"] + client["y"], client["width"], client["height"], window["name"])
'
}

# Types text, or keys with wtype's options (-k Return, -M shift 5 -m shift), on a virtual
# keyboard with a keymap of its own. Each call plugs in a new keyboard: the program is given a
# moment to take it before the first key.
e2e_wayland_type() {
    wtype -s 300 "$@"
}

# Moves the virtual mouse, "move X Y" in the compositor's logical pixels, or clicks, "click".
e2e_wayland_pointer() {
    local command="$*" answer
    if [ "$1" = move ]; then
        command+=" $(swaymsg -t get_outputs | "$E2E_PYTHON" -c '
import json, sys
rect = json.load(sys.stdin)[0]["rect"]
print(rect["width"], rect["height"])')"
    fi
    echo "$command" >&"${E2E_POINTER[1]}"
    read -r -t 5 answer <&"${E2E_POINTER[0]}" && [ "$answer" = ok ] || e2e_fail "the virtual mouse did not $*"
}

# A PNG of the whole screen in its physical pixels, the pointer drawn in (lets the screen settle
# a moment first).
e2e_wayland_screenshot() {
    sleep 0.3
    grim "$1" 2>>"$E2E_WORK/grim.log"
}

# The step of the test that runs now, for the watchdog: each command of the test's own script
# (the commands inside functions do not count).
trap 'printf "%s\n" "$BASH_COMMAND" >"$E2E_WORK/step" 2>/dev/null || true' DEBUG
