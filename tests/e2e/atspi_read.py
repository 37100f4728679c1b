#!/usr/bin/python3
"""Reads Quirvanto's windows through the accessibility bus, as a screen reader does.

    atspi_read.py windows                 one line per shown window: role, name, and text
    atspi_read.py texts CAPTION           one line per shown control of that window:
                                          role <TAB> name <TAB> description
    atspi_read.py press CAPTION NAME      presses the shown button (or check box) named NAME
                  [--covered]             ... or one that is there but not on show
    atspi_read.py states CAPTION          one line per control of that window, shown or not:
                                          role <TAB> name <TAB> description <TAB> states
                                          (showing, checkable, checked, comma-separated)
    atspi_read.py value CAPTION LABEL     the name of the shown control labelled by LABEL
    atspi_read.py content CAPTION         the whole text of each shown text of that window, as
                                          a screen reader reads it line by line
    atspi_read.py events SECONDS          listens that long, then prints how many events of
                                          each kind the program sent: kind <TAB> count

It waits up to ten seconds for the program, the window or the button to appear; exit status 1
with a message on stderr when it is not found.
"""

import signal
import sys
import time

import pyatspi

APP = "Quirvanto"
TIMEOUT = 10.0


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == name:
            return app
    return None


def shown_windows(app):
    return [window for window in (app.getChildAtIndex(i) for i in range(app.childCount))
            if window is not None and showing(window)]


def descendants(accessible, everything=False):
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is None or not (everything or showing(child)):
            continue
        yield child
        yield from descendants(child, everything)


BUTTONS = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX)
STATE_NAMES = [("showing", pyatspi.STATE_SHOWING), ("checkable", pyatspi.STATE_CHECKABLE),
               ("checked", pyatspi.STATE_CHECKED)]


def states_of(accessible):
    states = accessible.getState()
    return ",".join(name for name, state in STATE_NAMES if states.contains(state))


def labelled_by(accessible):
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for index in range(relation.getNTargets()):
                yield relation.getTarget(index).name


def count_events(seconds):
    """Listens to the program's events for a while: what a screen reader would be told."""
    import threading
    counts = {}

    def heard(event):
        if event.host_application is not None and event.host_application.name == APP:
            kind = event.type if isinstance(event.type, str) else str(event.type)
            counts[kind] = counts.get(kind, 0) + 1

    kinds = ["object:state-changed", "object:property-change", "object:children-changed"]
    pyatspi.Registry.registerEventListener(heard, *kinds)
    threading.Timer(seconds, pyatspi.Registry.stop).start()
    pyatspi.Registry.start()
    return counts


def text_of(accessible):
    """The name, or for an alert the texts of its labels, as a screen reader announces it."""
    parts = [accessible.name] if accessible.name else []
    if accessible.getRole() == pyatspi.ROLE_ALERT:
        parts += [child.name for child in descendants(accessible)
                  if child.getRole() == pyatspi.ROLE_LABEL and child.name]
    return " | ".join(parts)


def find(lookup, what):
    deadline = time.monotonic() + TIMEOUT
    while True:
        try:
            found = lookup()
        except Exception:  # the program may be starting or ending: try again
            found = None
        if found is not None:
            return found
        if time.monotonic() >= deadline:
            sys.exit(f"atspi_read: {what} not found")
        time.sleep(0.2)


def window_named(caption):
    def lookup():
        app = application(APP)
        return None if app is None else next(
            (w for w in shown_windows(app) if w.name == caption), None)
    return find(lookup, f"window '{caption}'")


def main():
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # a reader that stops early is no error
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    command, args = sys.argv[1], sys.argv[2:]
    if command == "windows":
        for window in shown_windows(find(lambda: application(APP), f"application '{APP}'")):
            print(f"{window.getRoleName()}\t{text_of(window)}")
    elif command == "texts":
        for control in descendants(window_named(args[0])):
            print(f"{control.getRoleName()}\t{control.name}\t{control.description}")
    elif command == "content":
        for control in descendants(window_named(args[0])):
            try:
                text = control.queryText()
            except NotImplementedError:
                continue
            print(text.getText(0, text.characterCount))
    elif command == "states":
        for control in descendants(window_named(args[0]), everything=True):
            print(f"{control.getRoleName()}\t{control.name}\t{control.description}"
                  f"\t{states_of(control)}")
    elif command == "value":
        window = window_named(args[0])
        print(find(lambda: next((c.name for c in descendants(window)
                                 if args[1] in labelled_by(c)), None),
                   f"a value labelled '{args[1]}'"))
    elif command == "events":
        for kind, count in sorted(count_events(float(args[0])).items()):
            print(f"{kind}\t{count}")
    elif command == "press":
        window, name = window_named(args[0]), args[1]
        target = find(lambda: next((c for c in descendants(window, everything="--covered" in args)
                                    if c.getRole() in BUTTONS and c.name == name), None),
                      f"button '{name}'")
        actions = target.queryAction()
        for index in range(actions.nActions):
            if actions.getName(index) in ("press", "Press", "click"):
                actions.doAction(index)
                return
        sys.exit(f"atspi_read: button '{name}' has no press action")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
