#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads the output box with the Orca screen reader as a user would: Tab to it after a
calculation, then Down line by line; and the same text in a plain read-only QPlainTextEdit of
the same size and font (the program PLAIN_TEXT_BOX shows one). Orca must speak the same lines
for both. What Orca would speak is taken from its debug output, kept in orca-debug.out: no sound
is needed. Usage: orca_check.py PLAIN_TEXT_BOX   (with the program running)"""
import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

plain_text_box = sys.argv[1]
DOWNS = 5
debug_output = []  # Orca's debug output as it comes
spoken_at = 0  # how many of Orca's utterances have been taken


def start_orca(preferences):
    """Starts Orca with its debug output to a terminal, which Python writes line by line (to a
    file it would write in blocks of 8 KB), read here as it comes. Returns Orca, the reader of
    its output and the terminal's end Orca writes to, to be closed when Orca has ended."""
    terminal, orca_side = pty.openpty()
    orca = subprocess.Popen(["orca", "--user-prefs", preferences,
                             "--debug-file", os.ttyname(orca_side)],
                            stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)

    def read():
        while True:
            try:
                data = os.read(terminal, 65536)
            except OSError:  # the terminal is closed
                break
            debug_output.append(data.decode("utf-8", errors="replace"))

    reader = threading.Thread(target=read, daemon=True)
    reader.start()
    return orca, reader, orca_side


def utterances():
    return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{", "".join(debug_output))


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


def spoken(seconds=10):
    """What Orca speaks next: its utterances from the first new one until none has come for
    half a second."""
    global spoken_at
    if not wait_for(lambda: len(utterances()) > spoken_at, seconds):
        return []
    while True:
        count = len(utterances())
        time.sleep(0.5)
        if len(utterances()) == count:
            break
    said = utterances()[spoken_at:]
    spoken_at += len(said)
    return said


class Failure(Exception):
    pass


def press(key):
    subprocess.run(["xdotool", "key", key], check=True)


def focus_window(title):
    found = wait_for(lambda: subprocess.run(["xdotool", "search", "--name", title],
                                            capture_output=True, text=True).stdout.split(), 10)
    if not found:
        raise Failure(f"no window named '{title}'")
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)
    spoken()  # what it says of the window and the control in focus


def read_down():
    """What Orca says at each Down."""
    said = []
    for _ in range(DOWNS):
        press("Down")
        said.append(" ".join(spoken()))
    return said


def output_text():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application and application.get_name() == "Kvadrati":
            window = application.get_child_at_index(0)
            box = window.get_child_at_index(window.get_child_count() - 1)
            return Atspi.Text.get_text(box, 0, -1)
    raise Failure("the program is not on the accessibility bus")


def read_output_box():
    """What Orca says at each Down in the output box after the calculation for 50, done by the
    keyboard; and the text of the box."""
    if not wait_for(lambda: "Screen reader on." in utterances(), 30):
        raise Failure("Orca did not start within 30 s")
    spoken()
    # The caption's Latin part: without a locale, xdotool matches no Cyrillic.
    focus_window("kvadrati.example")
    # 50, "Въведи", then past "Чисти" and the list to the output box. Each key once Orca has
    # echoed the one before: Qt waits for Orca's answer to a key for a short time only, and
    # keys that come faster are lost under load.
    said = []
    for key in ("5", "0", "Tab", "space", "Tab", "Tab", "Tab"):
        press(key)
        said += spoken()
    while not any(u.startswith("Резултат") for u in said):
        more = spoken(10)
        if not more:
            raise Failure(f"Orca did not come to the output box; it said {said}")
        said += more
    return read_down(), output_text()


def read_plain_box(text):
    """What Orca says at each Down in the plain box showing TEXT."""
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as file:
        file.write(text)
    plain = subprocess.Popen([plain_text_box, file.name], stderr=subprocess.DEVNULL,
                             env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        focus_window("plain text box")
        return read_down()
    finally:
        plain.terminate()
        plain.wait()
        os.unlink(file.name)


with tempfile.TemporaryDirectory() as preferences:
    orca, reader, orca_side = start_orca(preferences)
    try:
        kvadrati, text = read_output_box()
        plain = read_plain_box(text)
    except Failure as failure:
        sys.exit(f"FAIL: {failure}")
    finally:
        orca.terminate()
        try:
            orca.wait(10)
        except subprocess.TimeoutExpired:
            orca.kill()
            orca.wait()
        os.close(orca_side)
        reader.join(5)
        with open("orca-debug.out", "w", encoding="utf-8") as file:
            # with the line ends the terminal made CR LF back to LF
            file.write("".join(debug_output).replace("\r\n", "\n"))


def shortened(said):
    return repr(said) if len(said) <= 80 else f"{said[:50]!r}...{said[-20:]!r} ({len(said)} chars)"


for key, (got, expected) in enumerate(zip(kvadrati, plain), 1):
    print(f"Down {key}: {shortened(got)}"
          + ("" if got == expected else f", in a plain box {shortened(expected)}"))
if not all(plain):
    sys.exit("FAIL: Orca said nothing at some Down in the plain box")
if kvadrati != plain:
    sys.exit("FAIL: Orca reads the output box otherwise than a plain box")
