#!/usr/bin/env python3
"""Reads a running Tarrowin's accessibility tree from outside, as a screen
reader does over AT-SPI, and checks the section picker: its name, its list of
19 entries in catalogue order, the collapsed and expanded states, the actions
that open and close the list, and the focus landing on the current entry when
the list opens. Given NAME=TEXT pairs instead, checks that the window captioned
TarrowinV1.0 shows each box named NAME holding TEXT, as after opening a
stringer file.

    probe-accessibility.py PID [NAME=TEXT...]

Needs the accessibility bus of the session the program runs in (pyatspi,
from python3-pyatspi). Prints what it found; exits with status 1 on the first
check that fails.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

PICKER_NAME = "选择截面"
CAPTION = "TarrowinV1.0"
DESIGNATIONS = [
    "[14a", "[14b", "[16a", "[16b", "[18a", "[18b", "[20a", "[20b", "[22a", "[22b", "[25a", "[25b",
    "HN200x100", "HN250x125", "HN300x150", "HN350x175",
    "口150x100x3", "口200x100x4", "口250x150x5",
]
# How long the program may take to appear on the bus, and to answer an action.
APPEAR_SECONDS = 20
ANSWER_SECONDS = 5


def fail(message):
    print(f"accessibility probe: {message}", file=sys.stderr)
    sys.exit(1)


def say(message):
    print(f"accessibility probe: {message}")


def application(pid):
    deadline = time.monotonic() + APPEAR_SECONDS
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.2)
    fail(f"no application with process {pid} on the accessibility bus within {APPEAR_SECONDS} s")


def find(node, matches):
    if matches(node):
        return node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        found = child is not None and find(child, matches)
        if found:
            return found
    return None


def states(node):
    # Qt sends no change event for the expanded state, so a copy that
    # libatspi cached earlier may be stale: ask the program afresh.
    node.clear_cache()
    return node.getState()


def wait_for(condition, what):
    """Runs the event loop, so that events are heard, until the condition holds.
    `what` says what went wrong: a text, or a function that writes it then."""
    deadline = time.monotonic() + ANSWER_SECONDS
    outcome = {"met": False}

    def poll():
        outcome["met"] = condition()
        if outcome["met"] or time.monotonic() >= deadline:
            pyatspi.Registry.stop()
            return False
        return True

    GLib.timeout_add(50, poll)
    pyatspi.Registry.start()
    if not outcome["met"]:
        fail(f"{what() if callable(what) else what} within {ANSWER_SECONDS} s")


def focused_entries(entries):
    return [entries.getChildAtIndex(i).name for i in range(entries.childCount)
            if states(entries.getChildAtIndex(i)).contains(pyatspi.STATE_FOCUSED)]


def check(pid):
    app = application(pid)
    say(f"found {app.name!r}, process {pid}")
    picker = find(app, lambda node: node.getRole() == pyatspi.ROLE_COMBO_BOX)
    if picker is None:
        fail("no combo box in the tree")
    if picker.name != PICKER_NAME:
        fail(f"the combo box is named {picker.name!r}, not {PICKER_NAME!r}")

    if picker.childCount < 1:
        fail("the picker has no children")
    entries = picker.getChildAtIndex(0)
    if entries.getRole() != pyatspi.ROLE_LIST:
        fail(f"the picker's first child is a {entries.getRoleName()}, not a list")
    names = [entries.getChildAtIndex(i).name for i in range(entries.childCount)]
    roles = {entries.getChildAtIndex(i).getRole() for i in range(entries.childCount)}
    if names != DESIGNATIONS or roles != {pyatspi.ROLE_LIST_ITEM}:
        fail(f"the list holds {names}")
    say(f"{PICKER_NAME}: a list of {len(names)} items, {names[0]} to {names[-1]}")

    if not states(picker).contains(pyatspi.STATE_COLLAPSED) or states(picker).contains(pyatspi.STATE_EXPANDED):
        fail("the picker is not collapsed at start")

    actions = picker.queryAction()
    action_names = [actions.getName(i) for i in range(actions.nActions)]
    for needed in ("ShowMenu", "Press"):
        if needed not in action_names:
            fail(f"the picker has no {needed} action, only {action_names}")

    focus_heard = []

    def heard(event):
        if event.source.getRole() == pyatspi.ROLE_LIST_ITEM:
            focus_heard.append(event.source.name)

    # The focus event is what makes a screen reader speak the entry.
    pyatspi.Registry.registerEventListener(heard, "focus:")
    actions.doAction(action_names.index("ShowMenu"))
    wait_for(lambda: states(picker).contains(pyatspi.STATE_EXPANDED), "the picker did not become expanded")
    if states(picker).contains(pyatspi.STATE_COLLAPSED):
        fail("the open picker is still collapsed")
    wait_for(lambda: "[14a" in focus_heard, f"no focus event for the entry [14a (heard {focus_heard})")
    if focused_entries(entries) != ["[14a"]:
        fail(f"the focused entries are {focused_entries(entries)}, not [14a")
    say("ShowMenu opened the list: expanded, focus event for [14a, which has the focus")

    actions.doAction(action_names.index("Press"))
    wait_for(lambda: states(picker).contains(pyatspi.STATE_COLLAPSED)
             and not states(picker).contains(pyatspi.STATE_EXPANDED), "the picker did not collapse")
    say("Press closed the list: collapsed")
    pyatspi.Registry.deregisterEventListener(heard, "focus:")


def box_text(node):
    # Asked afresh each time: the texts change once the file is read.
    node.clear_cache()
    text = node.queryText()
    return text.getText(0, text.characterCount)


def check_texts(pid, expected):
    app = application(pid)
    say(f"found {app.name!r}, process {pid}")
    # The window is a top-level child of the application, whatever its role.
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
    captions = [window.name for window in windows if window is not None]
    if CAPTION not in captions:
        fail(f"no window captioned {CAPTION!r}, only {captions}")
    window = windows[captions.index(CAPTION)]
    for name, wanted in expected:
        box = find(window, lambda node: node.name == name and "Text" in pyatspi.listInterfaces(node))
        if box is None:
            fail(f"no box named {name!r} with a text in the window")
        shown = {"text": None}

        def shows_it():
            shown["text"] = box_text(box)
            return shown["text"] == wanted

        wait_for(shows_it, lambda: f"the box {name!r} shows {shown['text']!r}, not {wanted!r},")
        say(f"{name}: {wanted!r}")


if __name__ == "__main__":
    if len(sys.argv) < 2 or any("=" not in pair for pair in sys.argv[2:]):
        sys.exit(__doc__)
    if len(sys.argv) == 2:
        check(int(sys.argv[1]))
    else:
        check_texts(int(sys.argv[1]), [tuple(pair.split("=", 1)) for pair in sys.argv[2:]])
