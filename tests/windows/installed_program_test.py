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

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "support"))
from window_on_screen import (APP_NAME, check, check_started_window, client_origin, failures, find_window,
                              wait_for, xdotool)

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\dosecalc"
# Inputs, at their centres: group box origin + the field's place in it.
EDT_BQ_I = (16 + 112 + 60, 80 + 71 + 10)
EDT_BQ_CS134 = (16 + 112 + 60, 80 + 109 + 10)
LBL_SV = (400 + 200, 240 + 12)


def wine(*args, timeout=120):
    return subprocess.run(["wine", *args], timeout=timeout, capture_output=True, text=True)


def registry_key(prefix, key):
    """The key as regedit exports it (Wine's console would mangle Japanese in a query), or ''."""
    exported = prefix / "drive_c/exported.reg"
    exported.unlink(missing_ok=True)
    wine("reg", "export", key, r"C:\exported.reg", "/y")
    return exported.read_text(encoding="utf-16") if exported.exists() else ""


def running_in(prefix):
    """Whether dosecalc.exe runs in this Wine prefix (other tests may run it in theirs)."""
    pids = subprocess.run(["pgrep", "-f", r"dosecalc\.exe"], capture_output=True, text=True).stdout.split()
    for pid in pids:
        try:
            if f"WINEPREFIX={prefix}".encode() in pathlib.Path(f"/proc/{pid}/environ").read_bytes().split(b"\0"):
                return True
        except OSError:
            pass  # ended meanwhile
    return False


def close_with_alt_f4(origin):
    xdotool("mousemove", origin[0] + EDT_BQ_I[0], origin[1] + EDT_BQ_I[1], "click", "1")
    xdotool("key", "alt+F4")


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

    # Wine's start opens a shortcut and returns at once, without a status of the program's.
    subprocess.run(["wine", "start", "/unix", str(shortcut)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = wait_for(find_window, 90)
    if not check(window is not None, "the window opens, titled with the program's name"):
        return
    origin = client_origin(window)
    check_started_window(origin)
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
    close_with_alt_f4(origin)
    # The uninstaller cannot delete the files of a program still running.
    check(wait_for(lambda: find_window() is None and not running_in(prefix), 30),
          "Alt+F4 closes the window and the program ends")

    # The program's status, started from its folder as the entry starts it.
    program = subprocess.Popen(["wine", str(folder / "dosecalc.exe")], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    window = wait_for(find_window, 90)
    if check(window is not None, "started from its folder, the program opens its window"):
        close_with_alt_f4(client_origin(window))
    try:
        status = program.wait(30)
        check(status == 0, f"closed with Alt+F4, the program ends with status 0 (got {status})")
    except subprocess.TimeoutExpired:
        check(False, "closed with Alt+F4, the program ends")

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
