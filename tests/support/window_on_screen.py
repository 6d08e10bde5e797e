"""The program's window on an X display, as the tests that start it see it: found by its title, its
panel and labels grabbed from the screen and checked as a person would look at them (the start face
in the panel, Japanese text drawn as glyphs, not as empty boxes). Used by the installed-program
tests of the Debian package (tests/desktop/) and of the Windows installer (tests/windows/).
"""
import os
import subprocess
import time

from PIL import ImageGrab

APP_NAME = "1年間の被爆量 かんたん計算"
# The window's layout, in client pixels: the face panel and two labels' lines.
PANEL = (416, 0, 241, 177)
LABEL1 = (408, 222, 200, 16)  # "１年間の被曝線量は"
LABEL9 = (416, 270, 200, 26)  # "健康への影響"

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, check=True).stdout


def wait_for(predicate, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = predicate()
        if result:
            return result
        time.sleep(0.5)
    return predicate()


def find_window():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", APP_NAME],
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def client_origin(window):
    geometry = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).split())
    return int(geometry["X"]), int(geometry["Y"])


def grab(origin, rect):
    x, y, width, height = rect
    return ImageGrab.grab(bbox=(origin[0] + x, origin[1] + y, origin[0] + x + width, origin[1] + y + height),
                          xdisplay=os.environ["DISPLAY"]).convert("RGB")


def colour_counts(image):
    counts = {"white": 0, "orange": 0, "red": 0}
    for r, g, b in image.getdata():
        if min(r, g, b) > 200:
            counts["white"] += 1
        elif r > 200 and 70 < g < 170 and b < 60:
            counts["orange"] += 1
        elif r > 120 and g < 40 and b < 40:
            counts["red"] += 1
    return counts


def start_face_shown(image):
    """Face type 1 on the black backdrop: white eyes, orange nose and mouth, red lips."""
    width, height = image.size
    corners = [image.getpixel((x, y)) for x in (3, width - 4) for y in (3, height - 4)]
    counts = colour_counts(image)
    return all(max(c) < 16 for c in corners) and min(counts.values()) >= 30, corners, counts


def glyphs(image):
    """The text's ink cut into glyph-like runs of inked columns, each as a tuple of its columns."""
    width, height = image.size
    ink = [[max(image.getpixel((x, y))) < 110 for y in range(height)] for x in range(width)]
    runs, current = [], []
    for column in ink + [[False] * height]:
        if any(column):
            current.append(tuple(column))
        elif current:
            runs.append(tuple(current))
            current = []
    return runs


def check_japanese_text(origin, rect, characters, name):
    """Drawn as glyphs, the distinct characters make distinct shapes; as missing-glyph boxes
    they would all be the same box."""
    runs = glyphs(grab(origin, rect))
    distinct = len(set(runs))
    check(len(runs) >= characters - 1 and distinct >= characters - 1,
          f"{name}: {len(runs)} inked shapes, {distinct} distinct, for {characters} distinct characters")


def check_started_window(origin):
    """The window as it opens: the start face fills the panel, the labels are Japanese glyphs."""
    shown = wait_for(lambda: start_face_shown(grab(origin, PANEL))[0], 30)
    face = start_face_shown(grab(origin, PANEL))
    check(shown, f"the start face fills the panel (corners {face[1]}, pixels {face[2]})")
    check_japanese_text(origin, LABEL1, 9, "「１年間の被曝線量は」")
    check_japanese_text(origin, LABEL9, 6, "「健康への影響」")
