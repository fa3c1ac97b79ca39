#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as a screen reader meets it, through the real AT-SPI stack: a
# private Xvfb with openbox, a D-Bus session with the accessibility bus, and
# the game with Qt's AT-SPI bridge on. It checks the names and roles a reader
# hears, that Tab puts the focus on an edge whose name says where it is and
# whose it is, and that a played turn is told in one event.
#
# Usage: AccessibilityTest.py QUADLO   (exit 77 when a needed tool is missing)
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def missing_tools():
    tools = ["Xvfb", "openbox", "xdotool", "xprop", "dbus-run-session", "dbus-send"]
    gone = [t for t in tools if shutil.which(t) is None]
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        gone.append("at-spi2-core")
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        gone.append("python3-pyatspi")
    return gone


def start_display():
    # A number of its own, away from the low ones that other servers on the
    # machine take first.
    for number in random.sample(range(200, 900), 20):
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        server = subprocess.Popen(
            ["Xvfb", f":{number}", "-noreset", "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = f"/tmp/.X11-unix/X{number}"
        end = time.monotonic() + 10
        while time.monotonic() < end and server.poll() is None and not os.path.exists(socket):
            time.sleep(0.05)
        if os.path.exists(socket) and server.poll() is None:
            return server, f":{number}"
        server.terminate()
    raise AssertionError("no X server could be started")


def wait_for(what, predicate, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = predicate()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def inner(program):
    import pyatspi
    from gi.repository import GLib

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("quadlo"):
                return app
        return None

    try:
        app = wait_for("the game on the accessibility bus", application)
    except AssertionError:
        print("on the bus:", [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None])
        with open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "game.log")) as log:
            print("the game said:", log.read())
        raise
    nodes = wait_for("the board", lambda: [n for n in descendants(app) if n.name == "Board"] and
                     list(descendants(app)))
    board = next(n for n in nodes if n.name == "Board")
    names = [n.name for n in nodes]
    print("board:", board.getRoleName(), "children:", board.childCount)
    print("first edges:", [board.getChildAtIndex(i).name for i in range(2)])
    print("score labels:", [n for n in names if "score" in n])
    assert board.childCount == 60, board.childCount
    assert "Human score 0" in names and "Computer score 0" in names, names

    heard = []

    def listen(event):
        if event.type.startswith("object:property-change:accessible-description"):
            heard.append(("description", event.source.name, event.source.description))
        elif event.type.startswith("object:state-changed:focused") and event.detail1:
            heard.append(("focus", event.source.name, event.source.getRoleName()))

    pyatspi.Registry.registerEventListener(
        listen, "object:property-change:accessible-description", "object:state-changed:focused")

    def run_until(predicate, seconds):
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while not predicate() and time.monotonic() < end:
            context.iteration(False)
            time.sleep(0.01)

    def edge_focused():
        return any(e[0] == "focus" and e[1].startswith("Horizontal edge") for e in heard)

    subprocess.run(["xdotool", "search", "--sync", "--class", "Quadlo", "windowactivate", "--sync"],
                   check=True, stdout=subprocess.DEVNULL, timeout=20)
    run_until(lambda: False, 0.5)
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    run_until(edge_focused, 10)
    subprocess.run(["xdotool", "key", "space"], check=True)
    run_until(lambda: any(e[0] == "description" for e in heard), 10)
    for entry in heard:
        print("event:", entry)
    focused = [e for e in heard if e[0] == "focus" and e[1].startswith("Horizontal edge")]
    assert focused and focused[0][1] == "Horizontal edge in row 1 between columns 1 and 2, open", \
        heard
    told = [e for e in heard if e[0] == "description"]
    assert told and told[-1][2] == "Computer drew an edge. Your move.", heard
    print("passed")


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--inner":
        inner(sys.argv[2])
        return 0
    gone = missing_tools()
    if gone:
        print("skipped: missing " + ", ".join(gone))
        return SKIP
    program = sys.argv[1]
    work = tempfile.mkdtemp()
    server, display = start_display()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=work,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", NO_AT_BRIDGE="0")
    env.pop("WAYLAND_DISPLAY", None)
    script = (
        # The server takes connections (it does not reset between clients),
        # then the window manager is up.
        "for i in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; "
        "sleep 0.1; done; "
        "/usr/libexec/at-spi-bus-launcher --launch-immediately & openbox & "
        "for i in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null "
        "| grep -q window && break; sleep 0.1; done; "
        # Qt looks for the accessibility bus once, as it starts.
        "for i in $(seq 100); do dbus-send --session --dest=org.a11y.Bus --print-reply "
        "/org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break; sleep 0.1; done; "
        "sleep 0.5; "
        f"'{program}' --instant >'{work}/game.log' 2>&1 & game=$!; "
        f"'{sys.executable}' '{os.path.abspath(__file__)}' --inner '{program}'; status=$?; "
        "kill $game; exit $status")
    try:
        return subprocess.run(["dbus-run-session", "--", "sh", "-c", script], env=env,
                              timeout=60).returncode
    finally:
        server.terminate()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
