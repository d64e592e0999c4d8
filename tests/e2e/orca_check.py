#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Walks a blind student's way through the program with the Orca screen reader, at N = 3e4:
types N, presses "Въведи" and hears the answer; tabs to the list and hears its name and size,
then End, Home and Down; reads the output box line by line, as Orca reads the same text in a
plain read-only QPlainTextEdit of the same size and font (the program PLAIN_TEXT_BOX shows one);
goes back to the input and hears the messages for a bad and a too large input. Each step must
be spoken within its time, from the key press to the speech. What Orca would speak, and when,
is taken from its debug output, kept in orca-debug.out: no sound is needed.
Usage: orca_check.py PLAIN_TEXT_BOX   (with the program running)"""
import datetime
import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time

plain_text_box = sys.argv[1]
DOWNS = 5
ANSWER_WITHIN = 1.0  # seconds from the key press to the speech
LIST_WITHIN = 0.5
debug_output = []  # Orca's debug output as it comes
spoken_at = 0  # how many of Orca's utterances have been taken
failures = []


class Failure(Exception):
    pass


def fail(message):
    print("FAIL:", message)
    failures.append(message)


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


def clock_time(hours, minutes, seconds):
    """The time.time() of a time of day in Orca's debug output, the latest not in the future."""
    midnight = datetime.datetime.combine(datetime.date.today(), datetime.time()).timestamp()
    at = midnight + int(hours) * 3600 + int(minutes) * 60 + float(seconds)
    return at - 86400 if at > time.time() + 60 else at


def utterances():
    """Everything Orca has spoken so far: (when, what)."""
    return [(clock_time(h, m, s), said) for h, m, s, said in re.findall(
        r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{", "".join(debug_output))]


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


def press(key):
    """Presses KEY and waits for what Orca says of it; returns when it was pressed and that."""
    pressed = time.time()
    subprocess.run(["xdotool", "key", key], check=True)
    return pressed, spoken()


def entry(text):
    """An utterance that is the list entry TEXT alone."""
    return re.compile(re.escape(text) + r"\.?")


def step(key, expected, within, seconds=40):
    """Presses KEY; Orca must speak an utterance containing EXPECTED (or matching it, for an
    entry) within WITHIN seconds of the press. Waits up to SECONDS for it, so that a slow
    answer is measured, not cut off."""
    def heard_it(text):
        return expected in text if isinstance(expected, str) else expected.fullmatch(text.strip())

    pressed, said = press(key)
    while not any(heard_it(text) for _, text in said):
        more = spoken(max(0.0, pressed + seconds - time.time()))
        if not more:
            break
        said += more
    heard = [text for _, text in said]
    came = next((at - pressed for at, text in said if heard_it(text)), None)
    expected = expected if isinstance(expected, str) else expected.pattern
    print(f"{key}: {came if came is None else round(came, 2)} s: {heard}")
    if came is None:
        fail(f"after {key} Orca never said '{expected}'; it said {heard}")
    elif came > within:
        fail(f"after {key} Orca said '{expected}' {came:.2f} s after the key press, "
             f"not within {within} s")
    return heard


def type_keys(keys):
    for key in keys:
        press(key)


def focus_window(title):
    found = wait_for(lambda: subprocess.run(["xdotool", "search", "--name", title],
                                            capture_output=True, text=True).stdout.split(), 10)
    if not found:
        raise Failure(f"no window named '{title}'")
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)
    spoken()  # what it says of the window and the control in focus


def read_down():
    """What Orca says at each Down."""
    return [" ".join(text for _, text in press("Down")[1]) for _ in range(DOWNS)]


def students_way():
    """The way through the program; returns what Orca says at each Down in the output box."""
    if not wait_for(lambda: any(text == "Screen reader on." for _, text in utterances()), 30):
        raise Failure("Orca did not start within 30 s")
    spoken()
    # The caption's Latin part: without a locale, xdotool matches no Cyrillic.
    focus_window("kvadrati.example")
    # Each key once Orca has spoken of the one before, as a student who listens.
    type_keys(["3", "e", "4"])
    step("Tab", "Въведи", ANSWER_WITHIN)
    step("space", "30000*30000 = 1 + ...+ 59999", ANSWER_WITHIN)
    step("Tab", "Чисти", ANSWER_WITHIN)
    heard = step("Tab", "29999", LIST_WITHIN)
    if not any("нечетни числа" in text for text in heard):
        fail(f"the list's name was not spoken on entry: {heard}")
    step("End", entry("59999"), LIST_WITHIN)
    step("Home", entry("3"), LIST_WITHIN)
    step("Down", entry("5"), LIST_WITHIN)
    step("Tab", "Резултат", ANSWER_WITHIN)
    lines = read_down()
    step("Tab", "най-много три знака", ANSWER_WITHIN)  # the input, its limit told
    type_keys(["a", "5"])  # over the text selected on the way in
    step("Tab", "Въведи", ANSWER_WITHIN)
    step("space", "Некоректни входни данни!", ANSWER_WITHIN)
    step("shift+Tab", "число N", ANSWER_WITHIN)
    type_keys(["4", "e", "4"])
    step("Tab", "Въведи", ANSWER_WITHIN)
    step("Return", "Твърде голямо число!", ANSWER_WITHIN)
    return lines


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
        kvadrati = students_way()
        sum_line = " + ".join(str(odd) for odd in range(1, 60000, 2))
        plain = read_plain_box(f"30000*30000 = 1 + ...+ 59999\n900000000 = {sum_line}")
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
    fail("Orca said nothing at some Down in the plain box")
elif kvadrati != plain:
    fail("Orca reads the output box otherwise than a plain box")
print(f"Orca check: {len(failures)} failure(s)")
sys.exit(1 if failures else 0)
