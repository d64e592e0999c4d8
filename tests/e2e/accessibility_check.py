#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the running program as a screen reader sees it, through AT-SPI: the roles and names of
the window and its controls in reading order, a calculation done through the accessibility
interfaces alone, that the read-only output box refuses every change from outside, and that
the box reads line by line, and tells of its new text, as a plain read-only QPlainTextEdit of
the same size, font and text does (the program PLAIN_TEXT_BOX shows one).
Usage: accessibility_check.py PLAIN_TEXT_BOX"""
import functools
import os
import subprocess
import sys
import tempfile
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
    """Returns the first true value of condition() within the time, or None. Events that came
    in meanwhile are handed to their listeners."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


def find_child(parent, name):
    for index in range(parent.get_child_count()):
        child = parent.get_child_at_index(index)
        if child and child.get_name() == name:
            return child
    return None


def find_application():
    return find_child(Atspi.get_desktop(0), "Kvadrati")


class TextFromEvents:
    """The output box's text as a screen reader keeps it from the text-changed events alone."""

    def __init__(self, box):
        self.box = box
        self.text = ""
        self.faults = []
        self.listener = Atspi.EventListener.new(self.changed)
        for kind in ("insert", "delete"):
            self.listener.register(f"object:text-changed:{kind}")

    def changed(self, event):
        if event.source != self.box:
            return
        start, length = event.detail1, event.detail2
        if start < 0 or start > len(self.text):
            self.faults.append(f"{event.type} at {start} in a text of {len(self.text)}")
        elif event.type.endswith(":insert"):
            self.text = self.text[:start] + event.any_data + self.text[start:]
        else:
            self.text = self.text[:start] + self.text[start + length :]


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
    # a table of one column, whose size screen readers take from the table
    (Atspi.Role.TABLE, "нечетни числа"),
    ("text box", "Резултат"),
]
children = [window.get_child_at_index(i) for i in range(window.get_child_count())]
text_roles = (Atspi.Role.TEXT, Atspi.Role.ENTRY)
seen = [("text box" if c.get_role() in text_roles else c.get_role(), c.get_name()) for c in children]
if seen != expected:
    fail("the controls read as " + ", ".join(described(child) for child in children))
    sys.exit(1)
_, _, input_box, enter, _, _, odd_numbers, output = children
from_events = TextFromEvents(output)


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


# The output box read line by line, and what the text-changed events told of its new text.
# Atspi.Text.get_text_*_offset are deprecated for get_string_at_offset, which has no "after"
# and "before"; Orca still makes these calls.
warnings.filterwarnings("ignore", r"Atspi\.Text\.get_text_\w+_offset is deprecated")
LINE = Atspi.TextBoundaryType.LINE_START
READINGS = {
    "at": lambda box, offset: Atspi.Text.get_text_at_offset(box, offset, LINE),
    "after": lambda box, offset: Atspi.Text.get_text_after_offset(box, offset, LINE),
    "before": lambda box, offset: Atspi.Text.get_text_before_offset(box, offset, LINE),
}


def reading(box, how, offset):
    found = READINGS[how](box, offset)
    return found.content, found.start_offset, found.end_offset


def shortened(found):
    text, start, end = found
    if len(text) > 70:
        return f"{text[:30]!r}...{text[-30:]!r} ({len(text)} chars) [{start},{end})"
    return f"{text!r} [{start},{end})"


def first_difference(one, other):
    differing = (i for i, (a, b) in enumerate(zip(one, other)) if a != b)
    return next(differing, min(len(one), len(other)))


def plain_box_showing(text):
    """Starts the plain box with TEXT; returns its process and its text on the bus."""
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as file:
        file.write(text)
    # What it prints (Qt's warnings too) is shown only if it does not come up.
    process = subprocess.Popen([sys.argv[1], file.name], stderr=subprocess.PIPE, text=True,
                               env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

    def text_box():
        application = find_child(Atspi.get_desktop(0), "plain_text_box")
        return application and find_child(application, "plain text box")

    wait_for(lambda: process.poll() is not None or text_box(), 10)
    os.unlink(file.name)
    return process, process.poll() is None and text_box()


def lines(read, start, count, length):
    """COUNT lines (all to the end if None) as (start, end), from the line at START on, by
    read("at", offset)."""
    found = []
    _, begin, end = read("at", start)
    while begin >= 0 and (count is None or len(found) < count):
        found.append((begin, end))
        offset = end + 1  # past the blank or line break the line ends at
        while offset <= length and read("at", offset)[1] == begin:
            offset += 1
        if offset > length:
            break
        _, begin, end = read("at", offset)
    return found


def offsets_to_read(read, length, stretches):
    """Each line's start, middle and end, which at a wrap point is the blank the line is broken
    at, over the stretches of lines; and the end of the text."""
    offsets = {length}
    for start, count in stretches:
        for begin, end in lines(read, start, count, length):
            offsets.update({begin, (begin + end) // 2, end})
    return sorted(offsets)


def check_lines(number, stretches):
    """Presses the calculation for NUMBER and compares the output box with the plain box, line
    by line over stretches(length of the text): (offset, number of lines or None to the end)."""
    Atspi.EditableText.delete_text(input_box, 0, Atspi.Text.get_character_count(input_box))
    Atspi.EditableText.insert_text(input_box, 0, number, len(number))
    wait_for(lambda: False, 0.2)  # the events so far
    from_events.text = output_text()
    Atspi.Action.do_action(enter, actions.index("Press"))
    head = f"{float(number):.0f}*"
    if not wait_for(lambda: output_text().startswith(head), 20):
        fail(f"after {number} and Press the output reads '{output_text()[:60]}'")
        return
    shown = output_text()
    if not wait_for(lambda: from_events.text == shown, 5):
        at = first_difference(from_events.text, shown)
        separators = [i for i, c in enumerate(from_events.text) if c == "\u2029"]
        fail(f"at N = {number} the text-changed events give a text of {len(from_events.text)} "
             f"characters, the box {len(shown)}; they differ first at {at}: "
             f"{from_events.text[at:at + 16]!r} against {shown[at:at + 16]!r}; "
             f"{len(separators)} U+2029, at {separators[:5]}")
    for fault in from_events.faults:
        fail(f"at N = {number} the event {fault}")
    from_events.faults.clear()

    process, plain = plain_box_showing(shown)
    try:
        if plain:
            compare_lines(number, shown, plain, stretches)
    finally:
        process.terminate()
        _, errors = process.communicate()
    if not plain:
        fail(f"the plain box did not appear on the accessibility bus at N = {number}: {errors}")


def compare_lines(number, shown, plain, stretches):
    if Atspi.Text.get_text(plain, 0, -1) != shown:
        fail(f"at N = {number} the plain box shows another text")
        return
    # Each different answer once, at the first offset that gets it.
    differences = {}
    plain_reading = functools.cache(lambda how, offset: reading(plain, how, offset))
    offsets = offsets_to_read(plain_reading, len(shown), stretches(len(shown)))
    for offset in offsets:
        for how in READINGS:
            expected = plain_reading(how, offset)
            got = reading(output, how, offset)
            if got != expected:
                differences.setdefault((how, got, expected), offset)
        if len(differences) >= 10:  # enough to tell, and quick when every line differs
            break
    if differences:
        fail(f"at N = {number} the box reads lines otherwise than a plain box; first of "
             f"{len(offsets)} offsets:" + "".join(
                 f"\n  {how} {offset}: {shortened(got)}, plain {shortened(expected)}"
                 for (how, got, expected), offset in list(differences.items())[:5]))


check_lines("50", lambda length: [(0, None)])
# About 4,000 lines, nearly all of one line of text: the first ones, some in the middle, the
# last ones. Qt takes 10 to 50 ms to answer on such a line.
check_lines("3e4", lambda length: [(0, 40), (length // 2, 6), (length - 360, None)])



def read_list(entries):
    """Reads the list as Orca does: its size from the table, the entry made current by End from
    the focus events, which name it and its row."""
    rows, columns = Atspi.Table.get_n_rows(odd_numbers), Atspi.Table.get_n_columns(odd_numbers)
    if (rows, columns, odd_numbers.get_child_count()) != (entries, 1, entries):
        fail(f"the list is a table of {rows} rows and {columns} columns with "
             f"{odd_numbers.get_child_count()} children, not of {entries} entries in one column")
    focused = []
    listener = Atspi.EventListener.new(lambda event: event.detail1 and focused.append(event.source))
    listener.register("object:state-changed:focused")
    window_id = subprocess.run(["xdotool", "search", "--name", "kvadrati.example"],
                               capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)
    Atspi.Component.grab_focus(odd_numbers)
    wait_for(lambda: focused and focused[-1].get_role() == Atspi.Role.TABLE_CELL, 5)
    subprocess.run(["xdotool", "key", "End"], check=True)
    last = str(2 * 30000 - 1)
    cell = wait_for(lambda: focused and focused[-1].get_name() == last and focused[-1], 5)
    listener.deregister("object:state-changed:focused")
    if not cell:
        fail(f"after End the focus events name {[c.get_name() for c in focused]}, not {last}")
    elif (Atspi.Table.get_row_at_index(odd_numbers, cell.get_index_in_parent()),
          cell.get_role()) != (entries - 1, Atspi.Role.TABLE_CELL):
        fail(f"after End the focus is on the {cell.get_role_name()} at index "
             f"{cell.get_index_in_parent()}, not on the cell of the last row, {entries - 1}")


# The entries of 5, 50 and 3e4, piled up.
read_list(4 + 49 + 29999)

print(f"accessibility check: {len(failures)} failure(s)")
sys.exit(1 if failures else 0)
