"""The Windows installer and the installed program under Wine, as a person meets them.

Usage (in a fresh Wine prefix on an X display; see CMakeLists.txt):
    installed_program_test.py SETUP_EXE [SCREENSHOT_DIR]

Installs silently (/S), checks the installed folder, the Start-menu entry and the entry among the
installed programs, starts the program through its Start-menu entry, checks the window's pixels
(the start face in the panel, Japanese text drawn as glyphs, not as empty boxes), types a
calculation with the keyboard, reads the dose through the dose's own Copy menu, closes the window
and uninstalls silently. Screenshots go to SCREENSHOT_DIR (default: beside SETUP_EXE).
"""
import os
import pathlib
import subprocess
import sys
import time

from PIL import ImageGrab

APP_NAME = "1年間の被爆量 かんたん計算"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\dosecalc"
# The window's layout, in client pixels: the face panel and two labels' lines.
PANEL = (416, 0, 241, 177)
LABEL1 = (408, 222, 200, 16)  # "１年間の被曝線量は"
LABEL9 = (416, 270, 200, 26)  # "健康への影響"
# Inputs, at their centres: group box origin + the field's place in it.
EDT_BQ_I = (16 + 112 + 60, 80 + 71 + 10)
EDT_BQ_CS134 = (16 + 112 + 60, 80 + 109 + 10)
LBL_SV = (400 + 200, 240 + 12)

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def wine(*args, timeout=120):
    return subprocess.run(["wine", *args], timeout=timeout, capture_output=True, text=True)


def registry_key(prefix, key):
    """The key as regedit exports it (Wine's console would mangle Japanese in a query), or ''."""
    exported = prefix / "drive_c/exported.reg"
    exported.unlink(missing_ok=True)
    wine("reg", "export", key, r"C:\exported.reg", "/y")
    return exported.read_text(encoding="utf-16") if exported.exists() else ""


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


def main():
    setup = pathlib.Path(sys.argv[1]).resolve()
    shots = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else setup.parent)
    prefix = pathlib.Path(os.environ["WINEPREFIX"])

    installed = wine(str(setup), "/S")
    check(installed.returncode == 0, f"the installer ends with status 0 (got {installed.returncode})")
    [user] = [p for p in (prefix / "drive_c/users").iterdir() if p.name != "Public"]
    folder = user / "AppData/Local/Programs/dosecalc"
    shortcut = user / "AppData/Roaming/Microsoft/Windows/Start Menu/Programs" / f"{APP_NAME}.lnk"
    for relative in ["dosecalc.exe", "uninstall.exe", "qt.conf", "Qt6Core.dll", "libstdc++-6.dll",
                     "plugins/platforms/qwindows.dll", "translations/qtbase_ja.qm", "fonts/ipagp.ttf",
                     "licenses/IPA-fonts.txt"]:
        check((folder / relative).is_file(), f"installed for the user: {relative}")
    check(shortcut.is_file(), f"Start-menu entry 「{APP_NAME}」")
    check(f'"DisplayName"="{APP_NAME}"' in registry_key(prefix, UNINSTALL_KEY),
          "listed among the installed programs under its Japanese name")

    program = subprocess.Popen(["wine", "start", "/wait", "/unix", str(shortcut)],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = wait_for(find_window, 90)
    if not check(window is not None, "the window opens, titled with the program's name"):
        return
    origin = client_origin(window)
    shown = wait_for(lambda: start_face_shown(grab(origin, PANEL))[0], 30)
    face = start_face_shown(grab(origin, PANEL))
    check(shown, f"the start face fills the panel (corners {face[1]}, pixels {face[2]})")
    check_japanese_text(origin, LABEL1, 9, "「１年間の被曝線量は」")
    check_japanese_text(origin, LABEL9, 6, "「健康への影響」")
    ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).save(shots / "wine-window.png")

    # Food route (the start state): 500 Bq of I-131 and 10000 Bq of Cs-134 a kg, 1 kg a day.
    for place, text in [(EDT_BQ_I, "500"), (EDT_BQ_CS134, "10000")]:
        xdotool("mousemove", origin[0] + place[0], origin[1] + place[1], "click", "1")
        xdotool("key", "--clearmodifiers", "ctrl+a")
        xdotool("type", "--delay", "50", text)
    xdotool("key", "Return")
    time.sleep(1)
    xdotool("mousemove", origin[0] + LBL_SV[0], origin[1] + LBL_SV[1], "click", "3")
    time.sleep(1)
    xdotool("key", "c")  # the menu's コピー(&C)
    copied = wait_for(lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                                             text=True).stdout.strip(), 10)
    check(copied == "73.36", f"the typed calculation shows the dose 73.36 mSv (copied: {copied!r})")
    ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).save(shots / "wine-window-calculated.png")

    xdotool("mousemove", origin[0] + EDT_BQ_I[0], origin[1] + EDT_BQ_I[1], "click", "1")
    xdotool("key", "alt+F4")
    # The launcher may end before the program does (a shortcut is opened, not waited for), and
    # the uninstaller cannot delete the files of a program still running.
    running = lambda: subprocess.run(["pgrep", "-f", r"dosecalc\.exe"], capture_output=True).returncode == 0
    check(wait_for(lambda: find_window() is None and not running(), 30),
          "Alt+F4 closes the window and the program ends")
    try:
        check(program.wait(30) == 0, "the Start-menu entry's launch ends with status 0")
    except subprocess.TimeoutExpired:
        check(False, "the Start-menu entry's launch ends")

    wine(str(folder / "uninstall.exe"), "/S")
    # The uninstaller runs on from a copy of itself, so its end is seen in what it removes.
    gone = wait_for(lambda: not folder.exists() and not shortcut.exists(), 60)
    left = [str(p.relative_to(user)) for p in [folder, *folder.rglob("*"), shortcut] if p.exists()]
    check(gone, f"the uninstaller removes the folder and the Start-menu entry (left: {left})")
    check(registry_key(prefix, UNINSTALL_KEY) == "", "and the entry among the installed programs")


if __name__ == "__main__":
    main()
    print(f"{len(failures)} failed" if failures else "all checks passed")
    sys.exit(1 if failures else 0)
