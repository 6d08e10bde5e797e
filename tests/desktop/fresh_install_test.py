#!/usr/bin/python3
"""The Debian package as a new user gets it: installed with apt on a brand-new Debian, started there.

Usage: fresh_install_test.py DEB RELEASE...      (on an X display: tests/run-with-xvfb.sh)

For each RELEASE (bookworm, trixie): copies a minimal Debian of that release, made once per machine
by scripts/debian-root.sh into $DOSECALC_CACHE/debian-RELEASE-minimal and never changed, installs
DEB there as a user would (`apt-get install ./dosecalc_VERSION_amd64.deb`: its dependencies and
recommendations from Debian's archive, nothing else), starts dosecalc in it on the display and
checks its window: the start face in the panel and the Japanese labels drawn as glyphs. A
screenshot goes beside DEB (fresh-install-RELEASE.png). Needs root, or sudo.
"""
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "support"))
from PIL import ImageGrab  # noqa: E402
from window_on_screen import check, check_started_window, client_origin, failures, find_window, wait_for  # noqa: E402

TREE = pathlib.Path(__file__).resolve().parents[2]
DEBIAN_ROOT = TREE / "scripts/debian-root.sh"
CACHE = pathlib.Path(os.environ.get("DOSECALC_CACHE") or pathlib.Path.home() / ".cache/dosecalc")


def in_root(root, *command, **options):
    return subprocess.run([DEBIAN_ROOT, "run", root, "--root", *command], **options)


def try_release(deb, release, work):
    minimal = CACHE / f"debian-{release}-minimal"
    subprocess.run([DEBIAN_ROOT, "make", release, minimal], check=True)
    root = work / release
    subprocess.run(["cp", "-a", minimal, root], check=True)
    # What apt fetched before is offered to it again (as links), and what it fetches is kept.
    archives = CACHE / f"debian-{release}-apt-archives"
    archives.mkdir(exist_ok=True)
    for cached in archives.glob("*.deb"):
        os.link(cached, root / "var/cache/apt/archives" / cached.name)
    shutil.copy(deb, root / deb.name)
    installed = in_root(root, "sh", "-c", "cd / && export DEBIAN_FRONTEND=noninteractive && apt-get update -q "
                        f"&& apt-get install -y -q ./{deb.name}", cwd="/", capture_output=True, text=True)
    for fetched in (root / "var/cache/apt/archives").glob("*.deb"):
        if not (archives / fetched.name).exists():
            os.link(fetched, archives / fetched.name)
    if not check(installed.returncode == 0, f"{release}: apt-get installs {deb.name}"):
        print(installed.stdout[-3000:], installed.stderr[-3000:], sep="\n")
        return

    program = subprocess.Popen([DEBIAN_ROOT, "run", root, "--root", "dosecalc"], cwd="/", start_new_session=True,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = wait_for(find_window, 60)
        if check(window is not None, f"{release}: dosecalc opens its window"):
            check_started_window(client_origin(window))
            ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).save(deb.parent / f"fresh-install-{release}.png")
        check(program.poll() is None, f"{release}: the program runs until it is closed")
    finally:
        os.killpg(program.pid, signal.SIGTERM)
        program.wait(30)


def main():
    if len(sys.argv) < 3 or not sys.argv[1].endswith(".deb"):
        print(__doc__, file=sys.stderr)
        return 2
    if os.geteuid() != 0:
        os.execvp("sudo", ["sudo", "--preserve-env", sys.executable, *sys.argv])
    deb = pathlib.Path(sys.argv[1]).resolve()
    CACHE.mkdir(parents=True, exist_ok=True)
    # Beside the cache, on its disk (a root's files are linked from there), removed afterwards.
    with tempfile.TemporaryDirectory(dir=CACHE, prefix="fresh-install.") as work:
        for release in sys.argv[2:]:
            try_release(deb, release, pathlib.Path(work))
    print(f"{len(failures)} failed" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
