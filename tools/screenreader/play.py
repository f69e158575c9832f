#!/usr/bin/python3
"""Plays Quorvanella as a player who cannot see the screen: through the
accessibility bus only (AT-SPI), and prints what a screen reader is told: every
focus change and every news line, with the time it came.

First match (1:00): on X11 the "Jogo" menu is opened 40 times with xdotool while
the clock runs, and each opening must keep the focus in the menu; then the clock
runs out, with its warnings. Second match (3:00): the whole board is played from
what the news says, up to its last pair and the end.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

START = time.monotonic()
heard = []  # (seconds, kind, text)


def now():
    return round(time.monotonic() - START, 2)


def on_event(event):
    try:
        role = event.source.getRoleName()
        name = event.source.name
    except Exception:  # the object is gone
        return
    if event.type.startswith("object:state-changed:focused") and event.detail1:
        heard.append((now(), "focus", f"{name} ({role})"))
        print(f"{now():7.2f} focus  {name} ({role})", flush=True)
    elif event.type.startswith("object:state-changed:showing") and event.detail1 and \
            role == "notification":
        heard.append((now(), "news", name))
        print(f"{now():7.2f} news   {name}", flush=True)


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if test(node):
            return node
        for child in node:
            found = find(child, test, depth + 1)
            if found:
                return found
    except Exception:
        return None
    return None


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app and app.name == "quorvanella":
            return app
    return None


def named(app, name, role=None):
    return find(app, lambda n: n.name == name and (role is None or n.getRoleName() == role))


def press(node):
    node.queryAction().doAction(0)


def steps():
    """The player's moves; each yield waits that many milliseconds."""
    app = None
    while app is None:
        app = game()
        yield 300
    press(named(app, "1:00 min", "menu item"))
    yield 200
    press(named(app, "JOGAR"))
    yield 1500
    lost = 0
    if os.environ.get("WAYLAND_DISPLAY") is None:
        for opening in range(40):
            subprocess.run(["xdotool", "key", "alt+j"], check=False)
            mark = len(heard)
            yield 600
            stolen = [h for h in heard[mark:] if h[1] == "focus" and "menu" not in h[2]]
            if stolen:
                lost += 1
            subprocess.run(["xdotool", "key", "Escape"], check=False)
            yield 300
        print(f"MENU: focus left the open menu in {lost} of 40 openings", flush=True)
    # The clock runs out: 0:30, 0:10 and the end.
    while not any(h[2].startswith("Fim da partida") for h in heard):
        yield 500
    yield 1000
    # Second match, played from what the news tells.
    press(named(app, "3:00 min", "menu item"))
    yield 200
    second = len(heard)
    press(named(app, "JOGAR"))
    yield 800

    def ended():
        return any(kind == "news" and text.startswith("Fim da partida")
                   for _, kind, text in heard[second:])

    known = {}  # block -> figure
    gone = set()
    read = 0

    def learn():
        nonlocal read
        for _, kind, text in heard[read:]:
            for block, figure in re.findall(r"Bloco (\d+): ([^.]+)\.", text):
                known[int(block)] = figure
        read = len(heard)

    def turn(k):
        node = named(app, f"Bloco {k}, fechado", "push button")
        if node:
            press(node)

    while not ended():
        learn()
        pair = None
        figures = {}
        for k, figure in known.items():
            if k in gone:
                continue
            if figure in figures:
                pair = (figures[figure], k)
                break
            figures[figure] = k
        if pair:
            turn(pair[0])
            yield 400
            turn(pair[1])
            gone.update(pair)
            yield 900
            learn()
            continue
        unknown = [k for k in range(1, 25) if k not in known and k not in gone]
        if not unknown:
            yield 500
            continue
        turn(unknown[0])
        yield 400
        learn()
        figure = known.get(unknown[0])
        partner = next((k for k, f in known.items()
                        if f == figure and k != unknown[0] and k not in gone), None)
        if partner:
            turn(partner)
            gone.update({partner, unknown[0]})
        elif len(unknown) > 1:
            turn(unknown[1])
        yield 1000
    yield 1500
    news = [text for _, kind, text in heard if kind == "news"]
    warnings = [text for text in news if text.startswith("Atenção")]
    print(f"WARNINGS: {warnings}", flush=True)
    end = next((i for i in range(len(news) - 1, -1, -1) if news[i].startswith("Fim")), None)
    if end:
        print(f"LAST PAIR: {news[end - 1]!r} before {news[end]!r}; the end said "
              f"{news.count(news[end])} time(s)", flush=True)
    pyatspi.Registry.stop()


def main():
    # Name changes keep the bus client's copy of each name up to date, as a
    # screen reader listening to everything has it.
    for kind in ("object:state-changed:focused", "object:state-changed:showing",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    moves = steps()

    def step():
        try:
            GLib.timeout_add(next(moves), step)
        except StopIteration:
            pass
        return False

    GLib.timeout_add(500, step)
    GLib.timeout_add(240000, lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()


if __name__ == "__main__":
    sys.exit(main())
