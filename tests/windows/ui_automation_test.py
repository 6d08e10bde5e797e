"""The window as a Windows screen reader meets it: read through UI Automation from outside the
process, driven with the keyboard as a user drives it, under Wine.

Usage (in a fresh Wine prefix on an X display; see CMakeLists.txt):
    ui_automation_test.py DOSECALC_EXE UI_AUTOMATION_CLIENT_EXE

With the client (ui_automation_client.cpp): every control the Linux AT-SPI test checks is there
under the same Japanese words and the matching role (tests/support/accessible_names.json), and
nothing a user can reach is unnamed. Then, keys only, from the first field where the window puts
the focus: 60 µSv/h typed into the dose-rate field and Return, after which the dose, headline
and message line read 525.60, 健康に害 and the prompt; a letter typed into the next field and
Return, after which the message line reads the refusal and the dose stays; Tab to 項目クリア and
Space, after which the prompt is back and the last result stays. Where UI Automation gives no
description, value or button press (Wine answers E_NOTIMPL or has no such interface), the test
says so in one line and finds the labels by their text.
"""
import json
import pathlib
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "support"))
from window_on_screen import check, failures, find_window, wait_for, xdotool  # noqa: E402

NAMES = json.loads((pathlib.Path(__file__).resolve().parents[1] / "support/accessible_names.json").read_text())
CONTROLS = NAMES["controls"]
# The UI Automation control type of each role in the table.
CONTROL_TYPES = {"edit": "Edit", "combo box": "ComboBox", "radio button": "RadioButton", "button": "Button",
                 "progress bar": "ProgressBar", "label": "Text"}
# What a user reaches with the keyboard or the mouse, and so must hear named.
REACHABLE = {"Button", "CheckBox", "ComboBox", "Edit", "List", "ListItem", "ProgressBar", "RadioButton"}
UNAVAILABLE = ("E_NOTIMPL", "0x80004002")  # not implemented; no such interface


def elements(client):
    listed = subprocess.run(["wine", client, NAMES["window"]], capture_output=True, text=True, encoding="utf-8",
                            timeout=60)
    return [dict(zip(("type", "name", "description", "value"), line.split("\t"))) for line in listed.stdout.splitlines()]


def index_of(found, control, by_text):
    """Where the table's control is in the element list: its role, its name or description (a
    label by its start text where no description can be read), or None."""
    words = control.get("name") or control["description"]
    for index, element in enumerate(found):
        if element["type"] == CONTROL_TYPES[control["role"]] and (
                words in (element["name"], element["description"]) or by_text and element["name"] == control.get("text")):
            return index
    return None


def keys(*pressed):
    for key in pressed:
        xdotool("key", "--delay", "100", key)


def main():
    program, client = sys.argv[1:3]
    subprocess.Popen(["wine", program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not check(wait_for(find_window, 90) is not None, "the window opens"):
        return
    # The whole window, once Qt's accessibility has answered for it.
    found = wait_for(lambda: len(listed := elements(client)) > len(CONTROLS) and listed, 30) or []
    no_descriptions = all(e["description"] in UNAVAILABLE for e in found)
    if no_descriptions:
        print("UI Automation gives no descriptions here (no IUIAutomationElement6): labels are found by their text")
    if all(e["value"] in UNAVAILABLE for e in found):
        print("UI Automation gives no Value or RangeValue pattern here (E_NOTIMPL): field texts and the gauge's "
              "value are not read")
    places = {key: index_of(found, control, no_descriptions) for key, control in CONTROLS.items()}
    for key, control in CONTROLS.items():
        check(places[key] is not None, f"{key}: a {CONTROL_TYPES[control['role']]} "
              f"「{control.get('name') or control['description']}」 among the {len(found)} elements")
    unnamed = [e["type"] for e in found if e["type"] in REACHABLE and not e["name"]]
    check(not unnamed, f"every control a user reaches has a name (unnamed: {unnamed})")
    if None in places.values():
        return

    def shows(what, **expected):
        """Waits until one listing shows each control of expected with its text as name, and checks."""
        read = {}

        def listing_matches():
            listed = elements(client)
            read.update({key: listed[places[key]]["name"] if places[key] < len(listed) else None for key in expected})
            return read == expected

        check(wait_for(listing_matches, 15), f"{what}: {expected} (read {read})")

    # Keys only: the focus starts in the I-131 field; four Tabs to the dose rate in µSv/h.
    keys("Tab", "Tab", "Tab", "Tab")
    xdotool("type", "--delay", "100", "60")
    keys("Return")
    shows("60 µSv/h and Return", dose="525.60", headline="健康に害", message=CONTROLS["message"]["text"])
    gauge = elements(client)[places["gauge"]]["value"]
    if gauge not in UNAVAILABLE:
        check(gauge == "16", f"the gauge's value reads {gauge!r}")
    keys("Tab")
    xdotool("type", "--delay", "100", "x")
    keys("Return")
    shows("a letter in the gray rate and Return", dose="525.60", message="数字以外の文字を入れないでください")
    # The unit lists, 計算, then 項目クリア; Space presses it.
    keys("Tab", "Tab", "Tab", "Tab", "space")
    shows("項目クリア", dose="525.60", headline="健康に害", message=CONTROLS["message"]["text"])

    pressed = subprocess.run(["wine", client, NAMES["window"], "press", CONTROLS["calculate"]["name"]],
                             capture_output=True, text=True, timeout=60).stdout.strip()
    if pressed in UNAVAILABLE:
        print(f"UI Automation gives no Invoke pattern here ({pressed}): buttons are pressed with the keyboard")
    else:
        check(pressed == "pressed", f"計算 is pressed through UI Automation ({pressed})")
        shows("計算 pressed through UI Automation", dose="  0.00")


if __name__ == "__main__":
    main()
    print(f"{len(failures)} failed" if failures else "all checks passed")
    sys.exit(1 if failures else 0)
