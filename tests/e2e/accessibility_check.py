#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the running program as a screen reader sees it, through AT-SPI: the roles and names of
the window and its controls in reading order, a calculation done through the accessibility
interfaces alone, and that the read-only output box refuses every change from outside."""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

failures = []


def fail(message):
    print("FAIL:", message)
    failures.append(message)


def wait_for(condition, seconds=10):
    """Returns the first true value of condition() within the time, or None."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


def find_application():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application and application.get_name() == "Kvadrati":
            return application
    return None


def described(accessible):
    return f"{accessible.get_role_name()} '{accessible.get_name()}'"


application = wait_for(find_application)
if application is None:
    print("FAIL: the program did not appear on the accessibility bus within 10 s")
    sys.exit(1)

window = wait_for(lambda: application.get_child_at_index(0))
if window.get_role() != Atspi.Role.FRAME:
    fail(f"the window is a {window.get_role_name()}, not a frame")
if not window.get_name().endswith("Математика, математическа индукция"):
    fail(f"the window is named '{window.get_name()}'")

# The controls in reading order: each label before its control, the rest in the tab order.
# A text box is a "text" or, in some Qt versions, an "entry".
title = "Математика - математическа индукция, квадрати"
expected = [
    (Atspi.Role.LABEL, title),
    (Atspi.Role.LABEL, "число N"),
    ("text box", "число N"),
    (Atspi.Role.PUSH_BUTTON, "Въведи"),
    (Atspi.Role.PUSH_BUTTON, "Чисти"),
    (Atspi.Role.LABEL, "нечетни числа"),
    (Atspi.Role.LIST, "нечетни числа"),
    ("text box", "Резултат"),
]
children = [window.get_child_at_index(i) for i in range(window.get_child_count())]
text_roles = (Atspi.Role.TEXT, Atspi.Role.ENTRY)
seen = [("text box" if c.get_role() in text_roles else c.get_role(), c.get_name()) for c in children]
if seen != expected:
    fail("the controls read as " + ", ".join(described(child) for child in children))
    sys.exit(1)
_, _, input_box, enter, _, _, _, output = children


def output_text():
    return Atspi.Text.get_text(output, 0, -1)


# A calculation through the interfaces alone: 5 typed into the input, "Въведи" pressed.
Atspi.EditableText.insert_text(input_box, 0, "5", 1)
with warnings.catch_warnings():  # the one call for an action's unlocalised name, deprecated
    warnings.simplefilter("ignore", DeprecationWarning)
    actions = [enter.get_action_name(i) for i in range(enter.get_n_actions())]
if "Press" not in actions:
    fail(f"'Въведи' offers the actions {actions}, not Press")
else:
    Atspi.Action.do_action(enter, actions.index("Press"))
five = "5*5 = 1 + ...+ 9\n25 = 1 + 3 + 5 + 7 + 9"
if not wait_for(lambda: output_text() == five, 5):
    fail(f"after 5 and Press on 'Въведи' the output reads '{output_text()}'")

# Nothing from outside changes the read-only output box.
before = output_text()
if "EditableText" in output.get_interfaces():
    fail("the read-only output box offers EditableText")
changes = {
    "insert_text(0, 'XYZ')": lambda: Atspi.EditableText.insert_text(output, 0, "XYZ", 3),
    "delete_text(0, 4)": lambda: Atspi.EditableText.delete_text(output, 0, 4),
    "set_text_contents('HACK')": lambda: Atspi.EditableText.set_text_contents(output, "HACK"),
}
for name, change in changes.items():
    try:
        change()
    except GLib.Error:
        pass  # refused outright
    if output_text() != before:
        fail(f"{name} changed the output box to '{output_text()}'")

print(f"accessibility check: {len(failures)} failure(s)")
sys.exit(1 if failures else 0)
