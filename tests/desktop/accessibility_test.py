#!/usr/bin/python3
"""The calculator window as a screen reader meets it, read through AT-SPI from outside the process.

Starts the program with Qt's AT-SPI bridge on, finds its window on the accessibility bus, checks
that every input is there under its Japanese name, walks the tab order with real key presses,
types into the fields, presses 計算 and reads back the dose with its breakdown, the verdict headline,
the advice, the gauge's value and the message line, together with the change events a screen reader
hears.

Usage: accessibility_test.py PATH/TO/dosecalc [--no-gl]
  --no-gl  runs the program where Qt has no OpenGL: it must still calculate, and say once on
           stderr that the face panel stays empty.
It needs an X display and a D-Bus session started on that display (so that the accessibility
registry can send key presses), and Debian's python3-pyatspi, hence Debian's own Python.
"""

import json
import os
import pathlib
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

# The names and descriptions a screen reader finds, as the Windows test finds them too.
NAMES = json.loads((pathlib.Path(__file__).resolve().parents[1] / "support/accessible_names.json").read_text())
CONTROLS = NAMES["controls"]
WINDOW_TITLE = NAMES["window"]
PROMPT = CONTROLS["message"]["text"]
NOT_A_NUMBER = "数字以外の文字を入れないでください"
NO_GL_LINE = "dosecalc: no OpenGL context could be made for the face panel; it stays empty"

IODINE = CONTROLS["iodine"]["name"]
CAESIUM137 = CONTROLS["caesium137"]["name"]
INTAKE = CONTROLS["intake"]["name"]
CAESIUM134 = CONTROLS["caesium134"]["name"]
SIEVERT_RATE = CONTROLS["sievert_rate"]["name"]
GRAY_RATE = CONTROLS["gray_rate"]["name"]
SIEVERT_UNIT = CONTROLS["sievert_unit"]["description"]
GRAY_UNIT = CONTROLS["gray_unit"]["description"]
ADVICE = CONTROLS["advice"]["name"]
GAUGE = CONTROLS["gauge"]["name"]
DOSE_DESCRIPTION = CONTROLS["dose"]["description"]
HEADLINE_DESCRIPTION = CONTROLS["headline"]["description"]
MESSAGE_DESCRIPTION = CONTROLS["message"]["description"]
BREAKDOWN_525 = "内訳（1年間）\n空間線量率 (Sv/h) 525.60 mSv 100 %"

KEY_TAB = 0xFF09
KEY_DOWN = 0xFF54
KEY_SPACE = 0x0020

START_TIMEOUT = 30.0
EVENT_TIMEOUT = 10.0


class Failed(Exception):
    pass


def pump(seconds):
    """Runs the GLib main context (which delivers AT-SPI events) for a bounded time."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_until(condition, what, timeout=EVENT_TIMEOUT):
    """Polls condition while events are delivered; fails with what after timeout seconds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise Failed(f"timed out after {timeout:.0f} s waiting for {what}")
        if not context.iteration(False):
            time.sleep(0.01)


def descendants(root):
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        for index in range(node.childCount - 1, -1, -1):
            child = node.getChildAtIndex(index)
            if child is not None:
                stack.append(child)


def text_of(accessible):
    text = accessible.queryText()
    # Qt hands paragraph breaks over as U+2029.
    return text.getText(0, text.characterCount).replace("\u2029", "\n")


class Window:
    """The program's process, its accessible window and the events its objects send."""

    def __init__(self, program, no_gl):
        self.events = []
        self.stderr = tempfile.TemporaryFile(mode="w+", encoding="utf-8")
        pyatspi.Registry.registerEventListener(
            self.events.append,
            "object:property-change:accessible-name",
            "object:state-changed:focused",
            "object:text-changed:insert",
            "object:property-change:accessible-value",
        )
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
        env.pop("QT_XCB_GL_INTEGRATION", None)
        if no_gl:
            # Qt's X11 platform without any OpenGL integration, as on a server with no GLX or EGL.
            env["QT_XCB_GL_INTEGRATION"] = "none"
        self.process = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=self.stderr)
        self.application = wait_until(self._find_application, "the program on the accessibility bus",
                                      START_TIMEOUT)
        self.frame = wait_until(self._find_frame, "the window", START_TIMEOUT)

    def _find_application(self):
        if self.process.poll() is not None:
            raise Failed(f"the program ended with exit code {self.process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            try:
                if application is not None and application.get_process_id() == self.process.pid:
                    return application
            except GLib.Error:
                continue  # an application that went away meanwhile
        return None

    def _find_frame(self):
        for index in range(self.application.childCount):
            child = self.application.getChildAtIndex(index)
            if child is not None and child.getRole() == pyatspi.ROLE_FRAME and child.name == WINDOW_TITLE:
                return child
        return None

    def activate(self):
        """Gives the window the keyboard, as a window manager does for a newly opened window."""
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.process.pid),
                                "--name", WINDOW_TITLE], capture_output=True, text=True, timeout=START_TIMEOUT,
                               check=True)
        # The top-level window comes first; the face panel's native window is its child.
        subprocess.run(["xdotool", "windowfocus", "--sync", found.stdout.split()[0]], timeout=START_TIMEOUT,
                       check=True)
        wait_until(lambda: self.frame.getState().contains(pyatspi.STATE_ACTIVE), "the window to become active")

    def find(self, role, name=None, description=None):
        for node in descendants(self.frame):
            if node.getRole() == role and (name is None or node.name == name) and (
                    description is None or node.description == description):
                return node
        raise Failed(f"no {role} named {name!r} described {description!r}")

    def focused(self):
        for node in descendants(self.frame):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
        return None

    def press_key(self, keysym):
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)

    def type_text(self, text):
        for character in text:
            # Latin-1 characters have the keysym of their code point.
            self.press_key(ord(character))

    def tab_to(self, expected):
        """Presses Tab and waits for the focus to arrive at expected."""
        self.press_key(KEY_TAB)
        wait_until(lambda: self.has_focus(expected), f"Tab to move the focus to {describe(expected)}")

    @staticmethod
    def has_focus(accessible):
        return accessible.getState().contains(pyatspi.STATE_FOCUSED)

    def name_changes_of(self, accessible):
        return [event.source.name for event in self.events
                if event.type == "object:property-change:accessible-name" and event.source == accessible]

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.stderr.seek(0)
        return self.stderr.read()


def describe(accessible):
    return f"{accessible.getRoleName()} {accessible.name!r}"


def press_button(button):
    action = button.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    if "Press" not in names:
        raise Failed(f"{describe(button)} offers no Press action: {names}")
    action.doAction(names.index("Press"))


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def expect(self, condition, what):
        if condition:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL: {what}", file=sys.stderr)


def run(program, no_gl):
    checks = Checks()
    window = Window(program, no_gl)
    try:
        window.activate()

        # Every input, under its Japanese name; the unit lists name their text field (their own
        # name is their current text) and say what they are for in their description.
        fields = {name: window.find(pyatspi.ROLE_TEXT, name)
                  for name in (IODINE, CAESIUM137, INTAKE, CAESIUM134, SIEVERT_RATE, GRAY_RATE)}
        units = {name: window.find(pyatspi.ROLE_COMBO_BOX, description=name) for name in (SIEVERT_UNIT, GRAY_UNIT)}
        for name, unit_list in units.items():
            checks.expect(any(node.getRole() == pyatspi.ROLE_TEXT and node.name == name
                              for node in descendants(unit_list)), f"the text field of {name} is named")
        air = window.find(pyatspi.ROLE_RADIO_BUTTON, CONTROLS["air"]["name"])
        food = window.find(pyatspi.ROLE_RADIO_BUTTON, CONTROLS["food"]["name"])
        calculate = window.find(pyatspi.ROLE_PUSH_BUTTON, CONTROLS["calculate"]["name"])
        clear = window.find(pyatspi.ROLE_PUSH_BUTTON, CONTROLS["clear"]["name"])
        advice = window.find(pyatspi.ROLE_TEXT, ADVICE)
        gauge = window.find(pyatspi.ROLE_PROGRESS_BAR, GAUGE)
        for control in [*fields.values(), *units.values(), air, food, calculate, clear, advice]:
            checks.expect(control.getState().contains(pyatspi.STATE_FOCUSABLE), f"{describe(control)} takes focus")

        # The changing labels are read by their current text; what they are is their description.
        dose = window.find(pyatspi.ROLE_LABEL, description=DOSE_DESCRIPTION)
        headline = window.find(pyatspi.ROLE_LABEL, description=HEADLINE_DESCRIPTION)
        message = window.find(pyatspi.ROLE_LABEL, description=MESSAGE_DESCRIPTION)
        checks.expect(dose.name == "0", f"the dose reads {dose.name!r} at start")
        checks.expect(dose.description == DOSE_DESCRIPTION, f"the dose is described as {dose.description!r} at start")
        checks.expect(headline.name == "健康への影響", f"the headline reads {headline.name!r} at start")
        checks.expect(message.name == PROMPT, f"the message line reads {message.name!r} at start")

        # The keyboard alone goes round the window in the layout's order, from the first field.
        wait_until(lambda: window.has_focus(fields[IODINE]), "the focus in the I-131 field at start")
        unit_stops = [next((node for node in descendants(units[name]) if node.getRole() == pyatspi.ROLE_TEXT),
                           units[name]) for name in (SIEVERT_UNIT, GRAY_UNIT)]
        tab_order = [fields[CAESIUM137], fields[INTAKE], fields[CAESIUM134], fields[SIEVERT_RATE],
                     fields[GRAY_RATE], *unit_stops, calculate, clear, advice, food, fields[IODINE]]
        for stop in tab_order:
            window.tab_to(stop)

        # A refused input: only the message line changes, and it says so as it changes.
        window.type_text("x1")  # Tab selected the field's text, so this replaces it
        wait_until(lambda: text_of(fields[IODINE]) == "x1", "the typed text in the I-131 field")
        press_button(calculate)
        wait_until(lambda: NOT_A_NUMBER in window.name_changes_of(message), "the error message to be announced")
        checks.expect(message.name == NOT_A_NUMBER, f"the message line reads {message.name!r}")
        checks.expect(dose.name == "0", f"a refused input leaves the dose at {dose.name!r}")

        press_button(clear)
        wait_until(lambda: message.name == PROMPT, "Clear to put the prompt back")
        checks.expect(text_of(fields[IODINE]) == "0", "Clear puts 0 back into the I-131 field")

        # A calculation by keyboard alone: 0.06 mSv/h (chosen with the arrow key) is 525.60 mSv a year.
        for stop in tab_order[:4]:
            window.tab_to(stop)
        window.type_text("0.06")
        wait_until(lambda: text_of(fields[SIEVERT_RATE]) == "0.06", "the typed dose rate")
        window.tab_to(fields[GRAY_RATE])
        window.tab_to(unit_stops[0])
        window.press_key(KEY_DOWN)
        wait_until(lambda: text_of(unit_stops[0]) == " mSv /h", "the arrow key to choose mSv /h")
        window.tab_to(unit_stops[1])
        window.tab_to(calculate)
        window.press_key(KEY_SPACE)

        wait_until(lambda: "525.60" in window.name_changes_of(dose), "the new dose to be announced")
        wait_until(lambda: "健康に害" in window.name_changes_of(headline), "the new headline to be announced")
        checks.expect(dose.name == "525.60", f"the dose reads {dose.name!r}")
        # Its description says what it is and which input makes it.
        wait_until(lambda: dose.description != DOSE_DESCRIPTION, "the dose's description to take the breakdown")
        checks.expect(dose.description == DOSE_DESCRIPTION + "\n" + BREAKDOWN_525,
                      f"the dose is described as {dose.description!r}")
        checks.expect(headline.name == "健康に害", f"the headline reads {headline.name!r}")
        wait_until(lambda: "リンパ球減少" in text_of(advice), "the advice")
        checks.expect(text_of(advice) == "浴びてはいけません!すべての基準を超えています。\n健康に害があります（リンパ球減少)",
                      f"the advice reads {text_of(advice)!r}")
        checks.expect(any(event.type.startswith("object:text-changed:insert") and event.source == advice
                          for event in window.events), "the new advice is announced as inserted text")
        wait_until(lambda: gauge.queryValue().currentValue == 16, "the gauge's value")
        value = gauge.queryValue()
        checks.expect((value.minimumValue, value.maximumValue) == (0, 110),
                      f"the gauge runs from {value.minimumValue} to {value.maximumValue}")
        checks.expect(message.name == PROMPT, "a calculation puts the prompt back")
    finally:
        stderr = window.close()

    lines = [line for line in stderr.splitlines() if line.startswith("dosecalc:")]
    if no_gl:
        checks.expect(lines == [NO_GL_LINE], f"without GL the program says so once on stderr: {lines}")
    else:
        checks.expect(lines == [], f"with GL the program writes nothing of its own on stderr: {lines}")
    return checks


def main():
    if len(sys.argv) not in (2, 3) or (len(sys.argv) == 3 and sys.argv[2] != "--no-gl"):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        checks = run(sys.argv[1], no_gl=len(sys.argv) == 3)
    except (Failed, GLib.Error, subprocess.SubprocessError, NotImplementedError) as error:
        print(f"FAIL: {error}", file=sys.stderr)
        return 1
    print(f"{checks.passed} passed, {checks.failed} failed")
    return 0 if checks.failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
