#!/usr/bin/env python3
"""How smoothly the browser build turns a drawing: frames a second while the
ball-and-stick drawing of 体心内部 is dragged, in headless Chromium.

    bench/browser_turn.py [--site build/browser/site] [--against SITE] [--runs 5]
                          [--seconds 3]

A mouse drag by DevTools' input events (sent through Selenium), one move
every 16 ms (a mouse's 60 Hz), back and forth across the drawing, at pixel
ratios 1 and 2 side by side. The page counts its own frame callbacks (requestAnimationFrame) during
the drag, the frames the program puts on its canvas (putImageData) and the
pointer moves that reach the page; the same page at rest gives the browser's
own rate to hold them against. With --against, another site (an older build)
is measured in the same runs, the two taking turns.
Prints numbers and asserts nothing.
"""

import argparse
import statistics
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "browser"))
import support as bt  # noqa: E402  (the browser tests' server, browser and driver)

GOAL_FPS = 30
SCREEN = "体心内部"

# Counts the page's frame callbacks and the program's canvas updates while on.
COUNTERS = r"""
(() => {
  const c = (globalThis.__mtFrames = { on: false, frames: 0, puts: 0, moves: 0, longest: 0,
                                       last: 0 });
  addEventListener('pointermove', () => { if (c.on) ++c.moves; }, { capture: true });
  const tick = (t) => {
    if (c.on) {
      ++c.frames;
      if (c.last) c.longest = Math.max(c.longest, t - c.last);
      c.last = t;
    }
    requestAnimationFrame(tick);
  };
  requestAnimationFrame(tick);
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    if (c.on) ++c.puts;
    return put.apply(this, args);
  };
})();
"""


def start_counting(page):
    page.eval("Object.assign(__mtFrames, {frames: 0, puts: 0, moves: 0, longest: 0, last: 0, "
              "on: true, since: performance.now()}), true")


def stop_counting(page):
    return page.eval("(() => { const c = __mtFrames; c.on = false; "
                     "return {frames: c.frames, puts: c.puts, moves: c.moves, longest: c.longest, "
                     "ms: performance.now() - c.since}; })()")


def rates(counted):
    seconds = counted["ms"] / 1000
    return (counted["frames"] / seconds, counted["puts"] / seconds, counted["longest"],
            counted["moves"] / seconds)


def measure(site, layout, ratio, runs, seconds):
    server = bt.Server(bt.Site(site))
    rest, dragged = [], []
    try:
        with bt.Browser(bt.CHROMEBOOK) as browser:
            page = browser.new_page(ratio=ratio)
            page.before_each_document(COUNTERS)
            p = bt.Program(page, layout, server.url)
            p.open()
            p.click("Command1", "メニュー")
            p.click("Command1", "体心開始")
            p.through_stages(SCREEN)
            drawing = layout.rect(SCREEN, "Image1")
            left = p.geometry.point(drawing["x"] + 40, drawing["y"] + drawing["height"] / 2)
            right = p.geometry.point(drawing["x"] + drawing["width"] - 40,
                                     drawing["y"] + drawing["height"] / 2 - 30)
            for _ in range(runs):
                start_counting(page)
                time.sleep(1)
                rest.append(rates(stop_counting(page)))

                # Back and forth, one move every 16 ms, for the given time.
                page.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": left[0],
                                                       "y": left[1]})
                page.call("Input.dispatchMouseEvent", {
                    "type": "mousePressed", "x": left[0], "y": left[1], "button": "left",
                    "buttons": 1, "clickCount": 1})
                start_counting(page)
                t0 = time.monotonic()
                moves = 0
                while time.monotonic() - t0 < seconds:
                    phase = ((time.monotonic() - t0) / 1.0) % 2  # one second each way
                    f = phase if phase < 1 else 2 - phase
                    x = left[0] + f * (right[0] - left[0])
                    y = left[1] + f * (right[1] - left[1])
                    page.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y,
                                                           "button": "left", "buttons": 1})
                    moves += 1
                    time.sleep(max(0.0, t0 + moves * 0.016 - time.monotonic()))
                counted = stop_counting(page)
                page.call("Input.dispatchMouseEvent", {
                    "type": "mouseReleased", "x": left[0], "y": left[1], "button": "left",
                    "buttons": 0, "clickCount": 1})
                dragged.append(rates(counted) + (moves / (counted["ms"] / 1000),))
                fps, puts, longest, received, sent = dragged[-1]
                print(f"  ratio {ratio}: dragging {fps:5.1f} frames/s, {puts:5.1f} canvas "
                      f"updates/s, longest frame {longest:.0f} ms ({sent:.0f} moves/s sent, "
                      f"{received:.0f} reached the page); at rest {rest[-1][0]:.1f} frames/s",
                      flush=True)
                page.settle(0.5)
    finally:
        server.stop()
    return rest, dragged


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--site", default=str(ROOT / "build/browser/site"))
    ap.add_argument("--against", help="another site to measure in the same runs")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--seconds", type=float, default=3)
    ap.add_argument("--layout", help="the screenshot tool's --layout file (the desktop "
                    "build's screens.json if not given)")
    ap.add_argument("--desktop-build", default=str(ROOT / "build/default"))
    args = ap.parse_args()
    layout = bt.Layout(args.layout) if args.layout else bt.built_layout(args.desktop_build)

    print(f"Dragging {SCREEN}'s ball-and-stick drawing, {args.runs} runs of "
          f"{args.seconds:g} s at each pixel ratio ({bt.CHROMEBOOK[0]}x{bt.CHROMEBOOK[1]}):",
          flush=True)
    sites = [args.site] + ([args.against] if args.against else [])
    # (site, ratio) -> ([at rest], [dragging]), the sites taking turns each run.
    results = {(site, ratio): ([], []) for site in sites for ratio in (1, 2)}
    for run in range(args.runs):
        for ratio in (1, 2):
            for site in (sites if run % 2 == 0 else sites[::-1]):
                if len(sites) > 1:
                    print(f"  {'site' if site == args.site else 'against'}:", end="", flush=True)
                rest, dragged = measure(site, layout, ratio, 1, args.seconds)
                results[site, ratio][0].extend(rest)
                results[site, ratio][1].extend(dragged)
    print()
    for (site, ratio), (rest, dragged) in results.items():
        fps = [d[0] for d in dragged]
        puts = [d[1] for d in dragged]
        longest = [d[2] for d in dragged]
        received = [d[3] for d in dragged]
        name = "" if len(sites) == 1 else ("site, " if site == args.site else "against, ")
        print(f"{name}ratio {ratio}: dragging median {statistics.median(fps):5.1f} frames/s "
              f"(min {min(fps):.1f}, max {max(fps):.1f}; goal >= {GOAL_FPS}), "
              f"{statistics.median(puts):.1f} canvas updates/s for "
              f"{statistics.median(received):.1f} pointer moves/s, longest frame median "
              f"{statistics.median(longest):.0f} ms; at rest "
              f"{statistics.median(r[0] for r in rest):.1f} frames/s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
