"""Walks the program as a screen reader does and prints what it finds.

Run through scripts/accessibility-tree, which gives it an X server, a D-Bus
session and the AT-SPI bus. Moves between screens with the elements' own
press actions and builds the cell with key presses, as a keyboard user would.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
SHOTS = sys.argv[2] if len(sys.argv) > 2 else ""


def pump(seconds=0.4):
    end = time.time() + seconds
    ctx = GLib.MainContext.default()
    while time.time() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.02)


def find_app():
    for _ in range(150):
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name == "mirosuta":
                return a
        time.sleep(0.2)
    sys.exit("the program did not appear on the accessibility bus")


def open_window(app):
    for _ in range(50):
        for w in app:
            if w is not None and w.getState().contains(pyatspi.STATE_SHOWING):
                return w
        pump(0.1)
    sys.exit("no window is showing")


def line(acc, depth):
    states = acc.getState()
    mark = "*" if states.contains(pyatspi.STATE_FOCUSED) else " "
    text = f"{'  ' * depth}{mark} [{acc.getRoleName()}] {acc.name}"
    if acc.description:
        text += f"  -- {acc.description}"
    return text


def walk(acc, depth=0):
    print(line(acc, depth))
    if acc.getRoleName() in ("list", "list box", "push button"):
        if acc.getRoleName() != "push button":
            print(f"{'  ' * (depth + 1)}  ({acc.childCount} rows)")
        return
    for child in acc:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            walk(child, depth + 1)


def find(acc, name):
    for child in acc:
        if child is None:
            continue
        if child.name == name and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
        found = find(child, name)
        if found is not None:
            return found
    return None


def press(app, name):
    target = find(open_window(app), name)
    if target is None:
        sys.exit(f"nothing named {name} is showing")
    action = target.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)
            break
    else:
        action.doAction(0)
    pump()


def key(sym):
    pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)
    pump()


def show(app, title):
    pump()
    print(f"\n== {title}")
    walk(open_window(app))


def shoot(name):
    if SHOTS:
        subprocess.run(["import", "-window", "root", os.path.join(SHOTS, name + ".png")], check=True)


SPACE, TAB = 0x20, 0xFF09

env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen([PROGRAM], env=env)
try:
    app = find_app()
    pump(1.0)
    names = []
    pyatspi.Registry.registerEventListener(
        lambda e: names.append(f"{e.source.name}"), "object:property-change:accessible-name")

    press(app, "メニュー")
    show(app, "メニュー")

    press(app, "体心立方")
    for _ in range(3):
        press(app, "実行")
    key(SPACE)  # 実行 has the focus
    key(SPACE)  # the first marker
    key(SPACE)  # the second
    show(app, "体心内部, two pieces in, keys only")
    shoot("体心内部-keyboard")

    press(app, "メニュー")
    press(app, "まとめ")
    show(app, "まとめ")
    shoot("まとめ")
    key(TAB)
    key(TAB)
    shoot("まとめ-keyboard")

    press(app, "メニュー")
    press(app, "ドリル")
    press(app, "実行")
    show(app, "ドリル")
    names.clear()
    press(app, "2")
    press(app, "4")
    show(app, "ドリル after 2 and 4")
    print("\nname changes announced:", ", ".join(names))
finally:
    program.terminate()
    program.wait(10)
