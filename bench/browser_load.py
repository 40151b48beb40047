#!/usr/bin/env python3
"""How fast the browser build starts, how much it downloads and how much memory
its tab takes, in headless Chromium from a server on loopback.

    bench/browser_load.py [--site build/browser/site] [--against SITE ...] [--runs 5]
                          [--engine chromium|webkit] [--ratio 2]
                          [--layout FILE] [--no-memory]

Both are driven through WebDriver (Selenium): Chromium with its DevTools
commands, WebKitGTK (every iPad browser's engine) without; --ratio sets the
device pixel ratio. Prints numbers and
asserts nothing:
- the first screen drawn (mirosutaState.firstScreenAt, ms after navigation)
  with an empty cache (a fresh profile each run), on the second visit and on
  the third (the same profile, its service worker active): the median of the
  runs, and the medians of the steps the page records of its start
  (mirosutaState.timing: the file list read, the module compiled, the files
  fetched, the program started). With --against, the other sites (an older
  build, say) are measured in the same runs, in turn, each from its own server;
- every byte the first visit downloads, the page's own fetches and its service
  worker's, as the server counted them, with each file's size after gzip -9;
- the tab's memory after a tour of all twenty screens: the JavaScript heap, the
  program's WebAssembly memory and the renderer processes' resident size.
"""

import argparse
import gzip
import statistics
import sys
import time
import urllib.parse
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "browser"))
import support as bt  # noqa: E402  (the browser tests' server, browser and driver)

# The first screen with an empty cache: 2 s in Chromium, 3 s in WebKit.
GOAL_COLD_MS = {"chromium": 2000, "webkit": 3000}
GOAL_WARM_MS, GOAL_DOWNLOAD = 800, 7 * 1000 * 1000


def first_screen(page, timeout=120):
    return page.wait("!globalThis.__mtOld && globalThis.mirosutaState && "
                     "mirosutaState.firstScreenAt", timeout,
                     "the first screen")


def wait_worker(page):
    bt.wait_for_worker(page, 120)


VISITS = ("empty cache", "second visit", "third visit")


def open_page(engine, ratio, network):
    """A fresh profile's browser and its page; in Chromium, with DevTools'
    network events if asked."""
    if engine == "webkit":
        browser = bt.WebDriverBrowser("webkit", bt.CHROMEBOOK, ratio)
        return browser, browser.new_page()
    browser = bt.Browser(network=network)
    return browser, browser.new_page(ratio=ratio)


def visits(server, note_requests, engine, ratio):
    """One profile's visits: the first with an empty cache, then the later ones
    with the worker in control. Returns the times and, if asked, the first
    visit's requests and the page's own downloads (DevTools only)."""
    times, steps = [], []
    first_requests = page_bytes = None
    devtools = engine == "chromium"
    browser, page = open_page(engine, ratio, note_requests)
    with browser:
        if note_requests and devtools:
            page.events.clear()  # the driver's own start is not the visit's
        server.requests.clear()
        page.goto(server.url)
        times.append(first_screen(page))
        steps.append(page.eval("mirosutaState.timing || null"))
        wait_worker(page)
        if note_requests:
            # The worker's own copies are made while it installs.
            time.sleep(1)
            first_requests = list(server.requests)
            if devtools:
                page_bytes = network_bytes(page.events)
                page.call("Network.disable")
        page.wait("navigator.serviceWorker.controller !== null", 30, "its control")
        for _ in VISITS[1:]:
            # What the page does after its first screen (the caches, the
            # worker) is done before the next visit.
            time.sleep(1)
            page.goto("about:blank")
            time.sleep(0.3)
            page.goto(server.url)
            times.append(first_screen(page))
            steps.append(page.eval("mirosutaState.timing || null"))
    return times, steps, first_requests, page_bytes


def cold_and_warm(site_dirs, runs, engine, ratio):
    """Each site's visits, the sites taking turns within each run."""
    servers = [bt.Server(bt.Site(d)) for d in site_dirs]
    times = [[] for _ in site_dirs]  # per site: a list of runs, each the visits' times
    steps = [[] for _ in site_dirs]  # the same, each visit's steps of the page's start
    first_requests = [None] * len(site_dirs)
    page_bytes = [None] * len(site_dirs)
    try:
        for i in range(runs):
            order = list(range(len(site_dirs)))
            if i % 2:
                order.reverse()
            for k in order:
                t, st, requests, counted = visits(servers[k], first_requests[k] is None,
                                                  engine, ratio)
                times[k].append(t)
                steps[k].append(st)
                if requests is not None:
                    first_requests[k], page_bytes[k] = requests, counted
            print(f"  run {i + 1}: " + "; ".join(
                f"{label(site_dirs, k)} " + ", ".join(f"{v:.0f}" for v in times[k][-1]) + " ms"
                for k in range(len(site_dirs))), flush=True)
    finally:
        for server in servers:
            server.stop()
    return times, steps, first_requests, page_bytes


def label(site_dirs, k):
    return "site" if k == 0 else f"against {k}" if len(site_dirs) > 2 else "against"


def network_bytes(events):
    """The page's own downloads as the browser counted them (the worker's are
    not the page's): URL -> bytes received."""
    urls, sizes = {}, {}
    for method, params in events:
        if method == "Network.responseReceived":
            urls[params["requestId"]] = params["response"]["url"]
        elif method == "Network.loadingFinished":
            sizes[params["requestId"]] = params["encodedDataLength"]
    found = {}
    for ident, size in sizes.items():
        url = urls.get(ident, "?")
        found[url] = found.get(url, 0) + size
    return found


def download_table(site_dir, requests):
    site = bt.Site(site_dir)
    rows = {}
    for path, status, sent in requests:
        row = rows.setdefault(path, {"requests": 0, "sent": 0, "status": status})
        row["requests"] += 1
        row["sent"] += sent
    total_raw = total_gzip = total_sent = 0
    lines = []
    counted = set()
    for path, row in sorted(rows.items(), key=lambda kv: -kv[1]["sent"]):
        body = site(path)
        data = body.read_bytes() if isinstance(body, Path) else (body or b"")
        packed = len(gzip.compress(data, 9)) if data else 0
        total_sent += row["sent"]
        lines.append((path, row["requests"], row["status"], row["sent"], len(data), packed))
        if body is not None and str(body) not in counted:  # "/" is index.html once more
            counted.add(str(body))
            total_raw += len(data)
            total_gzip += packed
    return lines, total_raw, total_gzip, total_sent


def tour_all_screens(p):
    """Opens every one of the twenty screens by clicks, as a learner would."""
    seen = {p.screen}
    go = p.click
    go("Command1", "メニュー")
    for button, names in (("Command1", ("体心開始", "体心内部", "体心原子", "体心隣接")),
                          ("Command2", ("面心開始", "面心内部", "面心原子", "面心隣接")),
                          ("Command3", ("六方開始", "六方内部", "六方原子", "六方隣接"))):
        intro, interior, atoms, neighbours = names
        go(button, intro)
        p.through_stages(interior)
        p.build_cell()
        go("Command3", atoms)
        go("Command1")
        go("Command3", neighbours)
        go("Command2", "メニュー")
        seen.update(names)
    go("Command4", "まとめ")
    go("Command1", "メニュー")
    go("Command6", "半径開始")
    go("Command1", "面心半径")
    p.through_stages("体心半径")
    go("Command2", "メニュー")
    go("Command5", "ドリル開始")
    go("Command1", "ドリル")
    go("Command1", "メニュー")
    seen.update({"メニュー", "まとめ", "半径開始", "面心半径", "体心半径", "ドリル開始", "ドリル"})
    return seen


# Notes every WebAssembly memory the page makes or instantiates, for its size
# after the tour (the program keeps its module to itself).
NOTE_MEMORIES = r"""
(() => {
  const found = (globalThis.__mtMemories = []);
  const note = (m) => { if (m instanceof WebAssembly.Memory && !found.includes(m)) found.push(m); };
  WebAssembly.Memory = new Proxy(WebAssembly.Memory, {
    construct(target, args) { const m = new target(...args); note(m); return m; } });
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = async function (...args) {
    const r = await instantiate.apply(this, args);
    for (const v of Object.values((r.instance || r).exports)) note(v);
    return r;
  };
})();
"""


def wasm_memory(page):
    """The byte length of every WebAssembly memory of the page."""
    return page.eval("(globalThis.__mtMemories || []).map(m => m.buffer.byteLength)")


def rss_kib(pid):
    try:
        for line in Path(f"/proc/{pid}/status").read_text().splitlines():
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    except OSError:
        pass
    return None


def memory_after_tour(site_dir, layout):
    server = bt.Server(bt.Site(site_dir))
    try:
        with bt.Browser() as browser:
            page = browser.new_page()
            page.before_each_document(NOTE_MEMORIES)
            p = bt.Program(page, layout, server.url)
            p.open()
            seen = tour_all_screens(p)
            shown = page.state()["screensShown"]
            with bt.contextlib.suppress(bt.PageError):
                page.call("HeapProfiler.collectGarbage")
            page.call("Performance.enable")
            metrics = {m["name"]: m["value"] for m in page.call("Performance.getMetrics")["metrics"]}
            memories = wasm_memory(page)
            rss = {pid: rss_kib(pid) for pid in browser.renderer_pids()}
    finally:
        server.stop()
    return seen, shown, metrics, memories, rss


def mb(n):
    return f"{n / 1e6:.2f} MB"


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--site", default=str(ROOT / "build/browser/site"))
    ap.add_argument("--against", action="append", default=[],
                    help="another site to measure in the same runs (repeatable)")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--engine", choices=("chromium", "webkit"), default="chromium")
    ap.add_argument("--ratio", type=int, default=1, help="the device pixel ratio")
    ap.add_argument("--layout", help="the screenshot tool's --layout file (the desktop build's "
                    "screens.json if not given)")
    ap.add_argument("--desktop-build", default=str(ROOT / "build/default"))
    ap.add_argument("--no-memory", action="store_true", help="skip the tour for the memory")
    args = ap.parse_args()
    sites = [args.site] + args.against

    print(f"First screen in {args.engine}, {args.runs} runs each (loopback, "
          f"{bt.CHROMEBOOK[0]}x{bt.CHROMEBOOK[1]}, device pixel ratio {args.ratio}):", flush=True)
    times, steps, requests, page_bytes = cold_and_warm(sites, args.runs, args.engine, args.ratio)
    goals = (GOAL_COLD_MS[args.engine], GOAL_WARM_MS, GOAL_WARM_MS)
    for k, site in enumerate(sites):
        print(f"{label(sites, k)}: {site}")
        for v, (visit, goal) in enumerate(zip(VISITS, goals)):
            got = [run[v] for run in times[k]]
            print(f"  first screen, {visit + ':':14} median {statistics.median(got):6.0f} ms "
                  f"(min {min(got):.0f}, max {max(got):.0f}; goal <= {goal})")
            # Where the page's own start reached by then, if it says.
            marks = [run[v] for run in steps[k] if run[v]]
            if marks:
                print(" " * 18 + "medians: " + ", ".join(
                    f"{name} {statistics.median(m[name] for m in marks):.0f}"
                    for name in marks[0]) + " ms")

    for k, site in enumerate(sites):
        lines, raw, packed, sent = download_table(site, requests[k])
        print(f"\nThe first visit's downloads, {label(sites, k)} "
              "(the page's and its service worker's):")
        print(f"{'file':44} {'requests':>8} {'served':>12} {'raw':>12} {'gzip -9':>12}")
        for path, n, status, served, size, gz in lines:
            shown = urllib.parse.unquote(path) + ("" if status == 200 else f" ({status})")
            print(f"{shown:44} {n:8} {served:12} {size:12} {gz:12}")
        print(f"{'all files, once each':44} {'':8} {'':12} {raw:12} {packed:12}")
        if page_bytes[k] is not None:
            print(f"the page's own fetches, as Chromium counted them: "
                  f"{mb(sum(page_bytes[k].values()))} in {len(page_bytes[k])} responses")
        print(f"downloaded: {mb(sent)} as served ({len(requests[k])} requests); "
              f"{mb(raw)} of files, {mb(packed)} after gzip -9 (goal <= {mb(GOAL_DOWNLOAD)})")

    if args.no_memory or args.engine != "chromium":
        return 0
    layout = bt.Layout(args.layout) if args.layout else bt.built_layout(args.desktop_build)
    seen, shown, metrics, memories, rss = memory_after_tour(args.site, layout)
    print(f"\nMemory after a tour of {len(seen)} screens ({shown} shown):")
    print(f"JS heap used {mb(metrics.get('JSHeapUsedSize', 0))}, "
          f"total {mb(metrics.get('JSHeapTotalSize', 0))}")
    print("WebAssembly memory: " + ", ".join(mb(m) for m in memories))
    for pid, kib in rss.items():
        print(f"renderer {pid}: resident {mb((kib or 0) * 1024)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
