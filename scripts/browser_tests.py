#!/usr/bin/env python3
"""Tests of the browser build in headless Chromium and in WebKitGTK, driven
through WebDriver (Selenium), with Chromium's DevTools commands where only
they can tell or do something (input as a device gives it, the accessibility
tree, a device's metrics).

    browser_tests.py --site build/browser/site --build build/browser/program
                     [--layout FILE] [--only GROUP ...] [--qt-class NAME ...]

Runs the Qt tests built for WebAssembly on their own page (testpage.html), then
the site itself: a tour by mouse, keys and touch (also by WebDriver's own input
actions, in both engines), a drawing turned by a mouse and a finger, a damaged
text's report, the end screen, a visit without a network after the first, a
server that never answers, a new build over the old and a teacher's edit of a
text (all five in WebKit too), the accessibility tree, and the screenshots
docs/screens/browser-*.png and webkit-*.png. Each check prints one line; the
last line counts them, and the exit status is 1 if any failed.

Where the program's elements lie, and the presses of each screen's stages,
come from the desktop build's screens.json (written by the screenshot tool's
--layout): the screens are the same 768 x 480 designs in the browser, drawn at
the page's scale.
"""

import argparse
import base64
import contextlib
import hashlib
import json
import math
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import traceback
import urllib.parse
from email.utils import formatdate
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from pathlib import Path

try:
    from selenium import webdriver  # python3-selenium
except ImportError:
    # A Python of its own (pyenv, a venv) lacks Debian's package; Debian's has it.
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    raise
from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options as WebKitGTKOptions

ROOT = Path(__file__).resolve().parent.parent
CHROMIUM = os.environ.get("MIROSUTA_CHROMIUM", "/usr/bin/chromium")
DESIGN_WIDTH, DESIGN_HEIGHT = 768, 480
CHROMEBOOK = (1366, 768)
IPAD = (1180, 820)
DESIGN = (768, 480)  # the design's own size: scale 1

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript",
    ".wasm": "application/wasm",
    ".json": "application/json",
    ".webmanifest": "application/manifest+json",
    ".png": "image/png",
    ".gif": "image/gif",
    ".wav": "audio/wav",
    ".ttf": "font/ttf",
    ".txt": "text/plain",
}


def log(*parts, sep=" "):
    print(*parts, sep=sep, file=sys.stderr, flush=True)


# --- The web server ---------------------------------------------------------------


class Server:
    """A static server on loopback, in a thread of this process.

    resolve(path) gives the bytes (or a file) for a decoded URL path, or None
    for a 404. Every answer is logged, for the benchmark's byte count. It keeps
    connections open as web servers do (HTTP/1.1), and closes them all when
    stopped, so that a stopped server answers nothing more.
    """

    def __init__(self, resolve):
        self.resolve = resolve
        self.requests = []  # (path, status, bytes sent)
        self.connections = set()
        server = self

        class Handler(BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def setup(self):
                super().setup()
                server.connections.add(self.connection)

            def finish(self):
                with contextlib.suppress(OSError):
                    super().finish()
                server.connections.discard(self.connection)

            def do_GET(self):
                path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
                try:
                    body = server.resolve(path)
                except Exception:  # a fault of the test, shown as a 500
                    traceback.print_exc()
                    body = None
                    status = 500
                else:
                    status = 404 if body is None else 200
                modified = None
                if isinstance(body, Path):
                    modified = body.stat().st_mtime
                    body = body.read_bytes()
                if body is None:
                    body = b"not found"
                # Validators as a plain static server gives them, so that the
                # browser's cache and revalidation work as they would there.
                tag = '"%s"' % hashlib.sha1(body).hexdigest()[:16]
                if status == 200 and self.headers.get("If-None-Match") == tag:
                    status, body = 304, b""
                self.send_response(status)
                ctype = "text/plain" if status != 200 else TYPES.get(
                    os.path.splitext(path)[1] or ".html", "application/octet-stream")
                self.send_header("Content-Type", ctype)
                self.send_header("Content-Length", str(len(body)))
                if status in (200, 304):
                    self.send_header("ETag", tag)
                    self.send_header("Last-Modified",
                                     formatdate(modified or time.time(), usegmt=True))
                self.end_headers()
                try:
                    self.wfile.write(body)
                except (BrokenPipeError, ConnectionResetError):
                    pass
                server.requests.append((path, status, len(body)))

            def log_message(self, *args):
                pass

        self.httpd = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"

    def stop(self):
        if self.httpd:
            self.httpd.shutdown()
            self.httpd.server_close()
            self.httpd = None
            for c in list(self.connections):
                with contextlib.suppress(OSError):
                    c.shutdown(socket.SHUT_RDWR)


class SilentServer:
    """Takes connections on a port and never answers: a school network that
    hangs. Counts the connections it took."""

    def __init__(self, port):
        self.sock = socket.socket()
        self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.sock.bind(("127.0.0.1", port))
        self.sock.listen(64)
        self.connections = []
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        with contextlib.suppress(OSError):
            while True:
                self.connections.append(self.sock.accept()[0])

    def stop(self):
        self.sock.close()
        for c in self.connections:
            c.close()


class Site:
    """The site folder, with files replaced (bytes) or taken away (None)."""

    def __init__(self, folder, extra=None):
        self.folder = Path(folder).resolve()
        self.overrides = {}
        self.extra = extra or {}  # path prefix -> folder, for reference pictures

    def __call__(self, path):
        rel = path.lstrip("/")
        if rel == "" or rel.endswith("/"):
            rel += "index.html"
        if ".." in rel.split("/"):
            return None
        if rel in self.overrides:
            return self.overrides[rel]
        for prefix, folder in self.extra.items():
            if rel.startswith(prefix):
                f = Path(folder) / rel[len(prefix):]
                return f if f.is_file() else None
        f = self.folder / rel
        return f if f.is_file() else None


# --- The browsers, through WebDriver (Selenium) ---------------------------------------


class PageError(Exception):
    """A script that failed in the page, a DevTools command the browser refused,
    or a browser that went away."""


# Headless, and quiet on a machine without a way out.
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--hide-scrollbars"]

# WebKitGTK's own small browser, which its WebDriver drives; the engine of
# every iPad browser.
MINIBROWSER = os.environ.get("MIROSUTA_MINIBROWSER",
                             "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser")
ENGINES = ("chromium", "webkit")


class Xvfb:
    """A display of its own, for a browser that draws only on one."""

    def __init__(self, size):
        ready, tell = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(tell), "-screen", "0", f"{size[0]}x{size[1]}x24",
             "-nolisten", "tcp"], pass_fds=(tell,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(tell)
        with os.fdopen(ready, "rb") as f:
            number = f.readline().strip().decode()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"

    def close(self):
        self.process.terminate()
        self.process.wait(10)


class WebDriverBrowser:
    """Chromium (chromedriver) or WebKitGTK (WebKitWebDriver driving
    MiniBrowser on a display of its own), through Selenium, with a page of
    the given size, at the given device pixel ratio. Chromium keeps the page's
    console in its log, and with network=True DevTools' network events in its
    performance log."""

    # Each command waits until a navigation's page has loaded.
    page_load_strategy = "normal"

    def __init__(self, engine, size=CHROMEBOOK, ratio=1, network=False):
        self.engine, self.size, self.xvfb = engine, size, None
        if engine == "chromium":
            options = webdriver.ChromeOptions()
            options.binary_location = CHROMIUM
            for flag in CHROMIUM_FLAGS + [f"--window-size={size[0]},{size[1]}",
                                          f"--force-device-scale-factor={ratio}"]:
                options.add_argument(flag)
            logs = {"browser": "ALL"}
            if network:
                logs["performance"] = "ALL"
                options.add_experimental_option("perfLoggingPrefs", {"enableNetwork": True})
            options.set_capability("goog:loggingPrefs", logs)
            options.page_load_strategy = self.page_load_strategy
            self.driver = webdriver.Chrome(service=ChromeService("/usr/bin/chromedriver"),
                                           options=options)
        else:
            self.xvfb = Xvfb(((size[0] + 200) * ratio, (size[1] + 200) * ratio))
            options = WebKitGTKOptions()
            options.binary_location = MINIBROWSER
            options.add_argument("--automation")
            # The driver, and the browser it starts, take the display and
            # GTK's scale (the device pixel ratio) from the environment
            # (Selenium 4.8 gives WebKitGTK's no other way).
            kept = {k: os.environ.get(k) for k in ("DISPLAY", "GDK_SCALE")}
            os.environ.update(DISPLAY=self.xvfb.display, GDK_SCALE=str(ratio))
            try:
                self.driver = webdriver.WebKitGTK(options=options)
            except Exception:
                self.xvfb.close()
                raise
            finally:
                for k, v in kept.items():
                    if v is None:
                        os.environ.pop(k, None)
                    else:
                        os.environ[k] = v
        # The page of the size asked for, whatever the window adds around it.
        inner = self.driver.execute_script("return [innerWidth, innerHeight]")
        outer = self.driver.get_window_size()
        self.driver.set_window_size(outer["width"] + size[0] - inner[0],
                                    outer["height"] + size[1] - inner[1])

    def new_page(self):
        return WebDriverPage(self)

    def close(self):
        with contextlib.suppress(Exception):
            self.driver.quit()
        if self.xvfb:
            self.xvfb.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


class Browser(WebDriverBrowser):
    """Chromium with Selenium's DevTools commands (execute_cdp_cmd): input as
    DevTools gives it, a device's metrics and touch emulated, and what only
    DevTools can tell (the accessibility tree, memory, the network)."""

    # No command waits for a page to load (the waits for the program's
    # screens follow navigations): chromedriver's look at a busy page before
    # each command would halve the rate of a drag's mouse moves.
    page_load_strategy = "none"

    def __init__(self, size=CHROMEBOOK, network=False):
        super().__init__("chromium", size, network=network)

    def new_page(self, mobile=False, ratio=None):
        return Page(self, mobile, ratio)

    def renderer_pids(self):
        """Chromium's renderer processes. DevTools tells them only to the
        browser's own target, which chromedriver's commands do not reach: they
        are found among the driver's descendants instead."""
        children = {}
        for stat in Path("/proc").glob("[0-9]*/stat"):
            with contextlib.suppress(OSError, ValueError, IndexError):
                # "pid (name) state ppid …", the name perhaps with spaces.
                ppid = int(stat.read_text().rsplit(")", 1)[1].split()[1])
                children.setdefault(ppid, []).append(int(stat.parent.name))
        found, todo = [], [self.driver.service.process.pid]
        while todo:
            for pid in children.get(todo.pop(), []):
                todo.append(pid)
                with contextlib.suppress(OSError):
                    if b"--type=renderer" in Path(f"/proc/{pid}/cmdline").read_bytes():
                        found.append(pid)
        return found


# Evaluates a script as DevTools' Runtime.evaluate does (the value of its last
# statement, a promise awaited), and gives back a copy of the value.
WEBDRIVER_EVAL = """
const [source, done] = arguments;
Promise.resolve().then(() => (0, eval)(source)).then(
  (value) => done({ value: value === undefined ? null : JSON.parse(JSON.stringify(value) ?? 'null') }),
  (e) => done({ error: String((e && e.stack) || e) }));
"""


class WebDriverPage:
    """The one page of a WebDriverBrowser: scripts, W3C input actions, and
    waits for the program and its screens."""

    def __init__(self, browser):
        self.browser = browser
        self.driver = browser.driver
        self.logged = []

    @property
    def console(self):
        """The page's console messages and uncaught exceptions so far, as
        chromedriver logs them (WebKit's driver keeps none)."""
        if self.browser.engine == "chromium":
            with contextlib.suppress(WebDriverException):
                self.logged += [f"{e['level']}: {e['message']}"
                                for e in self.driver.get_log("browser")]
        return self.logged

    def eval(self, expression, timeout=60):
        self.driver.set_script_timeout(timeout)
        try:
            r = self.driver.execute_async_script(WEBDRIVER_EVAL, expression)
        except TimeoutException:
            raise TimeoutError(f"no answer in {timeout} s") from None
        except WebDriverException as e:
            raise PageError(e.msg) from None
        if r is None or "error" in r:
            raise PageError((r or {}).get("error", "the page went away"))
        return r.get("value")

    def goto(self, url):
        self.leaving()
        self.driver.get(url)

    def reload(self):
        self.leaving()
        self.driver.refresh()

    def _pointer(self, x, y, kind):
        actions = ActionBuilder(self.driver, mouse=PointerInput(kind, kind))
        actions.pointer_action.move_to_location(round(x), round(y))
        actions.pointer_action.pointer_down()
        actions.pointer_action.pause(0.05)
        actions.pointer_action.pointer_up()
        actions.perform()

    def click(self, x, y):
        self._pointer(x, y, interaction.POINTER_MOUSE)

    def tap(self, x, y):
        self._pointer(x, y, interaction.POINTER_TOUCH)

    def key(self, name, shift=False):
        chain = ActionChains(self.driver)
        if shift:
            chain.key_down(Keys.SHIFT)
        chain.send_keys({"Tab": Keys.TAB, "Enter": Keys.ENTER, "Space": Keys.SPACE}[name])
        if shift:
            chain.key_up(Keys.SHIFT)
        chain.perform()

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def leaving(self):
        """Marks the document about to go, so that waits see only the next one."""
        with contextlib.suppress(PageError, TimeoutError):
            self.eval("globalThis.__mtOld = true", 5)

    def wait(self, expression, timeout=30, what=None):
        """Polls until the expression is truthy; returns its value."""
        deadline = time.monotonic() + timeout
        last = None
        while time.monotonic() < deadline:
            try:
                last = self.eval(expression, timeout=max(1, deadline - time.monotonic()))
            except (PageError, TimeoutError):
                last = None
            if last:
                return last
            time.sleep(0.1)
        raise TimeoutError(f"waited {timeout} s for {what or expression}")

    def state(self):
        return self.eval("globalThis.mirosutaState ? JSON.parse(JSON.stringify(mirosutaState)) "
                         ": null")

    def wait_screen(self, name, timeout=30):
        js = (f"!globalThis.__mtOld && globalThis.mirosutaState && "
              f"mirosutaState.screen === {json.dumps(name)}")
        try:
            self.wait(js, timeout, f"screen {name}")
        except TimeoutError:
            s = self.state() or {}
            raise TimeoutError(f"waited {timeout} s for {name}; the page shows "
                               f"{s.get('screen')} ({s.get('phase')}; {s.get('report') or ''})")
        self.settle()

    def settle(self, seconds=0.15):
        # Two frames: what the program drew has reached the screen.
        with contextlib.suppress(PageError, TimeoutError):
            self.eval("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))", 5)
        time.sleep(seconds)


KEYS = {
    "Tab": {"key": "Tab", "code": "Tab", "windowsVirtualKeyCode": 9},
    "Enter": {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13, "text": "\r"},
    "Space": {"key": " ", "code": "Space", "windowsVirtualKeyCode": 32, "text": " "},
}


class Page(WebDriverPage):
    """The page of a Browser: a device's mouse, finger and keys as DevTools
    gives them, at the device's metrics (mobile: a touch screen at twice the
    pixels, unless ratio says otherwise), and DevTools' own commands (call)."""

    def __init__(self, browser, mobile=False, ratio=None):
        super().__init__(browser)
        self.seen = []
        w, h = browser.size
        self.call("Emulation.setDeviceMetricsOverride", {
            "width": w, "height": h, "deviceScaleFactor": ratio or (2 if mobile else 1),
            "mobile": mobile})
        if mobile:
            self.call("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})

    def call(self, method, params=None):
        try:
            return self.driver.execute_cdp_cmd(method, params or {})
        except WebDriverException as e:
            raise PageError(f"{method}: {e.msg}") from None

    def before_each_document(self, source):
        self.call("Page.addScriptToEvaluateOnNewDocument", {"source": source})

    @property
    def events(self):
        """DevTools' events so far, (method, params), as chromedriver's
        performance log keeps them: the network's, in a Browser opened with
        network=True."""
        self.seen += [(m["method"], m["params"]) for m in (
            json.loads(e["message"])["message"] for e in self.driver.get_log("performance"))]
        return self.seen

    def click(self, x, y):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": "left",
                                                   "buttons": 1 if kind == "mousePressed" else 0,
                                                   "clickCount": 1})

    def double_click(self, x, y):
        self.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})
        for count in (1, 2):
            for kind in ("mousePressed", "mouseReleased"):
                self.call("Input.dispatchMouseEvent", {
                    "type": kind, "x": x, "y": y, "button": "left",
                    "buttons": 1 if kind == "mousePressed" else 0, "clickCount": count})

    def drag(self, points, touch=False, pause=0.0):
        """A left-button drag, or one finger's, through the points (CSS pixels)."""
        (x, y), rest = points[0], points[1:]
        if touch:
            def finger(px, py):
                return [{"x": px, "y": py, "radiusX": 4, "radiusY": 4, "force": 1, "id": 1}]
            self.call("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": finger(x, y)})
            for px, py in rest:
                time.sleep(pause)
                self.call("Input.dispatchTouchEvent", {"type": "touchMove",
                                                       "touchPoints": finger(px, py)})
            self.call("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
            return
        self.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})
        self.call("Input.dispatchMouseEvent", {"type": "mousePressed", "x": x, "y": y,
                                               "button": "left", "buttons": 1, "clickCount": 1})
        for px, py in rest:
            time.sleep(pause)
            self.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": px, "y": py,
                                                   "button": "left", "buttons": 1})
        x, y = points[-1]
        self.call("Input.dispatchMouseEvent", {"type": "mouseReleased", "x": x, "y": y,
                                               "button": "left", "buttons": 0, "clickCount": 1})

    def tap(self, x, y):
        point = [{"x": x, "y": y, "radiusX": 4, "radiusY": 4, "force": 1, "id": 1}]
        self.call("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": point})
        time.sleep(0.05)
        self.call("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def key(self, name, shift=False):
        k = dict(KEYS[name])
        if shift:
            k["modifiers"] = 8
        text = k.pop("text", None)
        down = dict(k, type="keyDown")
        if text:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", down)
        self.call("Input.dispatchKeyEvent", dict(k, type="keyUp"))


# --- Where the design lies on the page, and its pixels -------------------------------

# Helpers evaluated in the page: the Qt screen's place, and pixel statistics of
# screenshots (decoded by the browser itself: no imaging library needed here).
PAGE_HELPERS = r"""
globalThis.__mt = globalThis.__mt || (() => {
  const deep = (root, selector, found = []) => {
    for (const e of root.querySelectorAll('*')) {
      if (e.matches(selector)) found.push(e);
      if (e.shadowRoot) deep(e.shadowRoot, selector, found);
    }
    return found;
  };
  const images = new Map();
  const load = async (key, src) => {
    if (!images.has(key)) {
      const blob = await (await fetch(src)).blob();
      const bitmap = await createImageBitmap(blob);
      const c = new OffscreenCanvas(bitmap.width, bitmap.height);
      const g = c.getContext('2d');
      g.drawImage(bitmap, 0, 0);
      images.set(key, { canvas: c, width: bitmap.width, height: bitmap.height,
                        data: g.getImageData(0, 0, bitmap.width, bitmap.height).data });
    }
    return images.get(key);
  };
  // A region resampled to w x h: the design at its own size for comparisons.
  const resample = (img, r, w, h) => {
    const c = new OffscreenCanvas(w, h);
    const g = c.getContext('2d');
    g.imageSmoothingQuality = 'high';
    g.drawImage(img.canvas, r.x, r.y, r.width, r.height, 0, 0, w, h);
    return g.getImageData(0, 0, w, h).data;
  };
  return {
    deep,
    screenRect() {
      const canvases = deep(document, 'canvas').map((c) => c.getBoundingClientRect())
        .filter((r) => r.width > 0 && r.height > 0)
        .sort((a, b) => b.width * b.height - a.width * a.height);
      const r = canvases[0];
      return { canvases: canvases.length, innerWidth, innerHeight, dpr: devicePixelRatio,
               rect: r ? { x: r.x, y: r.y, width: r.width, height: r.height } : null };
    },
    load,
    has(key) { return images.has(key); },
    // Share of the pixels in r that are the cyan ground #00ffff.
    async cyan(key, r) {
      const img = images.get(key);
      let n = 0, cyan = 0;
      for (let y = Math.round(r.y); y < Math.round(r.y + r.height); ++y)
        for (let x = Math.round(r.x); x < Math.round(r.x + r.width); ++x) {
          const i = (y * img.width + x) * 4, d = img.data;
          ++n;
          if (d[i] < 24 && d[i + 1] > 231 && d[i + 2] > 231) ++cyan;
        }
      return n ? cyan / n : 0;
    },
    // The middle of the marker's bright yellow in r, and how many pixels it
    // has. The drawing's guide lines are darker and its highlights whiter,
    // but their smoothed edges leave a few such pixels: the marker is where
    // most of them gather within its radius (in screenshot pixels).
    yellowSpot(key, r, radius) {
      const img = images.get(key);
      const found = [];
      for (let y = Math.round(r.y); y < Math.round(r.y + r.height); ++y)
        for (let x = Math.round(r.x); x < Math.round(r.x + r.width); ++x) {
          const i = (y * img.width + x) * 4, d = img.data;
          if (d[i] > 240 && d[i + 1] > 220 && d[i + 2] < 120) found.push([x, y]);
        }
      const cells = new Map();
      for (const [x, y] of found) {
        const k = `${Math.floor(x / radius)},${Math.floor(y / radius)}`;
        cells.set(k, (cells.get(k) || 0) + 1);
      }
      let best = null;
      for (const [k, n] of cells) if (!best || n > cells.get(best)) best = k;
      if (!best) return { pixels: 0 };
      const [cx, cy] = best.split(',').map((v) => (Number(v) + 0.5) * radius);
      let n = 0, sx = 0, sy = 0;
      for (const [x, y] of found)
        if (Math.hypot(x - cx, y - cy) < 2 * radius) { ++n; sx += x; sy += y; }
      return { x: sx / n, y: sy / n, pixels: n };
    },
    // Mean absolute difference (0..255) of two images' regions, each resampled
    // to w x h.
    async diff(keyA, ra, keyB, rb, w, h) {
      const a = resample(images.get(keyA), ra, w, h), b = resample(images.get(keyB), rb, w, h);
      let sum = 0;
      for (let i = 0; i < a.length; i += 4)
        sum += Math.abs(a[i] - b[i]) + Math.abs(a[i + 1] - b[i + 1]) + Math.abs(a[i + 2] - b[i + 2]);
      return sum / (3 * w * h);
    },
  };
})();
true;
"""


class Shot:
    """A screenshot, decoded in the page for pixel statistics."""

    counter = 0

    def __init__(self, page, png):
        Shot.counter += 1
        self.page = page
        self.png = png
        self.key = f"shot{Shot.counter}"
        self.ensure()

    def ensure(self):
        """Decodes it in the page (again, after the page was loaded anew)."""
        self.page.eval(PAGE_HELPERS)
        if not self.page.eval(f"__mt.has({json.dumps(self.key)})"):
            url = "data:image/png;base64," + base64.b64encode(self.png).decode()
            self.page.eval(f"__mt.load({json.dumps(self.key)}, {json.dumps(url)}).then(() => 1)")

    def save(self, path):
        Path(path).parent.mkdir(parents=True, exist_ok=True)
        Path(path).write_bytes(self.png)


class Geometry:
    """A screen's design pixels to page CSS pixels (and to screenshot pixels).

    Each screen's window is centred on the page at the page's scale; its
    canvas shows where it is, and the design's size and scale where it is not
    found.
    """

    def __init__(self, page, scale, width=DESIGN_WIDTH, height=DESIGN_HEIGHT):
        page.eval(PAGE_HELPERS)
        info = page.eval("__mt.screenRect()")
        self.info = info
        self.k = scale
        self.width, self.height = width, height
        self.origin_x = (info["innerWidth"] - width * scale) / 2
        self.origin_y = (info["innerHeight"] - height * scale) / 2
        # The window's canvas starts where the design does (a window larger than
        # the design shows its ground beyond it).
        r = info.get("rect")
        self.window = r
        if r:
            self.origin_x, self.origin_y = r["x"], r["y"]
        self.dpr = info["dpr"]

    def centred(self):
        """Whether the window is the design's size and centred on the page."""
        r = self.window
        return bool(r) and all(abs(a - b) < 2 for a, b in (
            (r["width"], self.width * self.k), (r["height"], self.height * self.k),
            (r["x"], (self.info["innerWidth"] - self.width * self.k) / 2),
            (r["y"], (self.info["innerHeight"] - self.height * self.k) / 2)))

    def point(self, x, y):
        return self.origin_x + self.k * x, self.origin_y + self.k * y

    def rect(self, r=None):
        """A design rectangle (or the whole design) in screenshot pixels."""
        r = r or {"x": 0, "y": 0, "width": self.width, "height": self.height}
        x, y = self.point(r["x"], r["y"])
        return {"x": x * self.dpr, "y": y * self.dpr, "width": r["width"] * self.k * self.dpr,
                "height": r["height"] * self.k * self.dpr}

    def whole(self):
        return {"x": 0, "y": 0, "width": self.width, "height": self.height}

    def design(self, x, y):
        """A screenshot pixel as a design pixel."""
        return ((x / self.dpr - self.origin_x) / self.k, (y / self.dpr - self.origin_y) / self.k)


def cyan_share(shot, geometry, rect=None):
    shot.ensure()
    return shot.page.eval(f"__mt.cyan({json.dumps(shot.key)}, {json.dumps(geometry.rect(rect))})")


def marker_spot(shot, geometry, rect):
    """Where a marker shows in the design rectangle (design pixels), or None."""
    shot.ensure()
    radius = 8.5 * geometry.dpr * geometry.k
    spot = shot.page.eval(f"__mt.yellowSpot({json.dumps(shot.key)}, "
                          f"{json.dumps(geometry.rect(rect))}, {radius})")
    # A whole marker is 17 x 17 design pixels, its bright yellow a fair part.
    if spot["pixels"] < 20 * (geometry.dpr * geometry.k) ** 2:
        return None
    return geometry.design(spot["x"], spot["y"])


def difference(shot_a, geo_a, shot_b, geo_b, rect=None, size=None):
    page = shot_a.page
    size = size or (geo_a.width, geo_a.height)
    shot_a.ensure()
    shot_b.ensure()
    return page.eval(f"__mt.diff({json.dumps(shot_a.key)}, {json.dumps(geo_a.rect(rect))}, "
                     f"{json.dumps(shot_b.key)}, {json.dumps(geo_b.rect(rect))}, "
                     f"{int(size[0])}, {int(size[1])})")


def looks_like_start(p, shot, server_url):
    """スタート as the desktop draws it: its cyan ground and its picture."""
    g = p.geometry
    share = cyan_share(shot, g)
    diff = reference_difference(shot, g, server_url, "スタート-0")
    desktop = shot.page.eval(f"__mt.cyan('ref:スタート-0', {json.dumps(g.whole())})")
    log(f"  スタート: {share:.1%} of the design is the cyan ground ({desktop:.1%} on the "
        f"desktop); mean difference from the desktop's picture {diff:.1f} of 255")
    expect(abs(share - desktop) < 0.03, f"{share:.1%} cyan, the desktop's {desktop:.1%}")
    expect(diff < 10, f"it differs from the desktop's by {diff:.1f} on average")


def reference_difference(shot, geometry, server_url, name):
    """Mean difference of the design area from docs/screens/NAME.png (drawn by
    the desktop program at scale 1)."""
    page = shot.page
    shot.ensure()
    ref = f"ref:{name}"
    # As data, not from the server: it may be stopped (offline) by now.
    png = (ROOT / "docs" / "screens" / f"{name}.png").read_bytes()
    url = "data:image/png;base64," + base64.b64encode(png).decode()
    page.eval(f"__mt.load({json.dumps(ref)}, {json.dumps(url)}).then(() => true)")
    w, h = geometry.width, geometry.height
    return page.eval(f"__mt.diff({json.dumps(shot.key)}, {json.dumps(geometry.rect())}, "
                     f"{json.dumps(ref)}, {json.dumps(geometry.whole())}, {w}, {h})")


# --- The program's elements --------------------------------------------------------


class Layout:
    """Every screen's named elements, as the desktop screenshot tool writes them."""

    def __init__(self, path):
        self.screens = json.loads(Path(path).read_text(encoding="utf-8"))

    def rect(self, screen, element):
        try:
            return self.screens[screen]["elements"][element]
        except KeyError:
            raise KeyError(f"{screen} has no element {element} in the layout") from None

    def centre(self, screen, element):
        r = self.rect(screen, element)
        return r["x"] + r["width"] / 2, r["y"] + r["height"] / 2

    def array(self, screen, name):
        found = []
        while f"{name}({len(found)})" in self.screens[screen]["elements"]:
            found.append(f"{name}({len(found)})")
        return found

    def stages(self, screen):
        """The screen's declared stages: the element pressed, and whether it leaves."""
        return self.screens[screen]["stages"]


def built_layout(build_default):
    path = Path(build_default) / "screens.json"
    if not path.exists():
        raise RuntimeError(f"{path} is missing: build it (scripts/setup.sh default "
                           "screen-layout) or give --layout")
    return Layout(path)


class Program:
    """The program on a page, driven like a learner would."""

    def __init__(self, page, layout, server_url):
        self.page = page
        self.layout = layout
        self.server_url = server_url
        self.scale = 1

    def open(self, timeout=60):
        self.page.goto(self.server_url)
        self.wait_first(timeout)

    def wait_first(self, timeout=60):
        self.page.wait_screen("スタート", timeout)
        self.scale = self.page.state()["scale"]

    @property
    def screen(self):
        return self.page.eval("mirosutaState.screen")

    @property
    def geometry(self):
        """The open screen's place on the page."""
        screen = self.screen
        size = self.layout.screens[screen]
        return Geometry(self.page, self.scale, size["width"], size["height"])

    def where(self, element, screen=None):
        screen = screen or self.screen
        return self.geometry.point(*self.layout.centre(screen, element))

    def click(self, element, then=None, screen=None, touch=False):
        x, y = self.where(element, screen)
        (self.page.tap if touch else self.page.click)(x, y)
        if then:
            self.page.wait_screen(then)
        else:
            self.page.settle()

    def through_stages(self, target):
        """Presses the open screen's stages, as its declaration gives them, up to
        the one that leaves it for the target."""
        here = self.screen
        for stage in self.layout.stages(here):
            if stage["leaves"]:
                self.click(stage["press"], target, screen=here)
                return
            self.click(stage["press"], screen=here)
        raise AssertionError(f"no stage of {here} leaves it for {target}")

    def shot(self):
        return Shot(self.page, self.page.screenshot())

    def build_cell(self, touch_first=False):
        """実行, then each atom's marker in the model's order; 次に進む then shows."""
        screen = self.screen
        self.click("Command1", screen=screen, touch=touch_first)
        for marker in self.layout.array(screen, "Image3"):
            self.click(marker, screen=screen)

    def build_cell_by_keys(self):
        screen = self.screen
        self.page.key("Space")  # 実行 has the focus as the screen opens
        self.page.settle()
        for i, _ in enumerate(self.layout.array(screen, "Image3")):
            self.page.key("Enter" if i % 2 else "Space")
            self.page.settle(0.05)


# --- Checks --------------------------------------------------------------------------


class Results:
    def __init__(self):
        self.passed = 0
        self.failed = 0
        self.skipped = []

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
        print(f"{'PASS' if ok else 'FAIL'} {name}{(': ' + detail) if detail else ''}", flush=True)

    def skip(self, name, reason):
        self.skipped.append(name)
        print(f"SKIP {name}: {reason}", flush=True)

    @contextlib.contextmanager
    def step(self, name):
        """A check that passes unless its body raises."""
        t0 = time.monotonic()
        try:
            yield
        except Exception as e:  # any fault is this check's failure, shown with its cause
            detail = f"{type(e).__name__}: {e}"
            self.check(name, False, detail)
            raise StepFailed(name) from e
        else:
            self.check(name, True, f"{time.monotonic() - t0:.1f} s")


class StepFailed(Exception):
    pass


def wait_for_worker(page, timeout=60):
    """Until the page's service worker is installed and active."""
    page.wait("navigator.serviceWorker.ready.then(r => !!r.active)", timeout,
              "the service worker")


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


# --- 1. The Qt tests on their own page ------------------------------------------------------

# Test classes that cannot run in a page, by name, with the reason (printed as
# SKIP, never dropped unseen). Every other class of test_shell and test_lattice
# runs in Chromium 156 with Qt 6.8.2, AccessibilityTest's waits for an active
# window included; --qt-unfit runs these all the same.
BROWSER_UNFIT = {}


def test_classes(subsystem):
    found = []
    for f in sorted((ROOT / "tests" / subsystem).glob("*.cpp")):
        if f.stem.endswith("_windows"):  # built for Windows alone (tests/CMakeLists.txt)
            continue
        found += re.findall(r"^MIROSUTA_TEST_CLASS\((\w+)\)", f.read_text(encoding="utf-8"),
                            re.M)
    return found


def test_files(build, site):
    """The files the tests read at the paths compiled into them, and the font."""
    out = Path(build).resolve() / "out"
    files = []
    for folder in ("説明", "画像", "音"):
        for f in sorted((out / folder).rglob("*")):
            if f.is_file():
                files.append((str(f), f))
    for f in sorted((ROOT / "content").rglob("*")):
        if f.is_file():
            files.append((str(f), f))
    files.append(("/fonts/mincho.ttf", Path(site) / "fonts" / "mincho.ttf"))
    # Both picture packs, where the page would write the one it needs.
    for pack in ("pictures.rcc", "pictures@2x.rcc"):
        files.append((f"/pictures/{pack}", out / pack))
    return files


def qt_tests(results, args, only_classes=None):
    build = Path(args.build).resolve()
    tests_dir = build / "tests"
    files = test_files(build, args.site)
    listing = [{"path": p, "url": f"fs/{i}"} for i, (p, _) in enumerate(files)]
    by_index = {f"fs/{i}": f for i, (_, f) in enumerate(files)}
    qtloader = next((p for p in (tests_dir / "qtloader.js", build / "out" / "qtloader.js")
                     if p.exists()), None)

    def resolve(path):
        rel = path.lstrip("/")
        if rel == "files.json":
            return json.dumps(listing, ensure_ascii=False).encode()
        if rel in by_index:
            return by_index[rel]
        if rel in ("testpage.html", "testpage.js"):
            return ROOT / "packaging" / "browser" / rel
        if rel == "qtloader.js":
            return qtloader
        if re.fullmatch(r"test_\w+\.(js|wasm)", rel) and (tests_dir / rel).exists():
            return tests_dir / rel
        return None

    server = Server(resolve)
    try:
        for test in ("test_shell", "test_lattice"):
            subsystem = test[len("test_"):]
            name = f"qt {test}"
            if not (tests_dir / f"{test}.wasm").exists():
                results.check(name, False, f"{tests_dir / (test + '.wasm')} is missing "
                                           "(scripts/browser --test builds it)")
                continue
            wasm = (tests_dir / f"{test}.wasm").read_bytes()
            for needle in (str(build / "out"), str(ROOT)):
                if needle.encode() not in wasm and needle.encode("utf-16-le") not in wasm:
                    log(f"note: {test}.wasm does not name {needle}; its files may lie elsewhere")
            classes = [c for c in test_classes(subsystem)
                       if not only_classes or c in only_classes]
            unfit = [c for c in classes if c in BROWSER_UNFIT and not args.qt_unfit]
            for cls in unfit:
                results.skip(f"qt {test} {cls}", f"not run in a browser: {BROWSER_UNFIT[cls]}")
            classes = [c for c in classes if c not in unfit]
            if not classes:
                continue
            if unfit or only_classes:
                # MIROSUTA_TEST_CLASS picks one class: one page for each.
                for cls in classes:
                    run = run_qt(server, test, cls, 1, args.qt_timeout)
                    keep_log(build, f"{test}-{cls}", run)
                    report_qt(results, test, [cls], run)
            else:
                # The whole executable in one page, as ctest runs it.
                run = run_qt(server, test, None, len(classes), args.qt_timeout * len(classes))
                keep_log(build, test, run)
                report_qt(results, test, classes, run)
    finally:
        server.stop()


def keep_log(build, name, run):
    folder = build / "browser-tests"
    folder.mkdir(exist_ok=True)
    (folder / f"{name}.log").write_text("\n".join(run["lines"]) + "\n", encoding="utf-8")


def run_qt(server, test, cls, classes, timeout):
    with Browser() as browser:
        page = browser.new_page()
        query = {"test": test, "totals": classes}
        if cls:
            query["class"] = cls
        t0 = time.monotonic()
        page.goto(server.url + "testpage.html?" + urllib.parse.urlencode(query))
        try:
            page.wait("!globalThis.__mtOld && globalThis.qtTestRun && qtTestRun.done", timeout, "the tests to finish")
            run = page.eval("qtTestRun")
        except TimeoutError:
            run = page.eval("globalThis.qtTestRun || null") or {"lines": [], "totals": []}
            run["error"] = f"no end in {timeout:.0f} s"
        run["seconds"] = time.monotonic() - t0
    return run


def report_qt(results, test, classes, run):
    """One check per test class, from the output of one run."""
    segments, current = {}, None
    for line in run["lines"]:
        m = re.match(r"\*+ Start testing of (\w+) \*+", line)
        if m:
            current = m.group(1)
        if current:
            segments.setdefault(current, []).append(line)
        if line.startswith("Totals: "):
            current = None
    crashed = run.get("exit") and run["exit"].get("crashed")
    for cls in classes:
        lines = segments.get(cls, [])
        totals = [ln for ln in lines if ln.startswith("Totals: ")]
        m = re.match(r"Totals: (\d+) passed, (\d+) failed", totals[-1]) if totals else None
        ok = bool(m) and m.group(2) == "0"
        if m:
            detail = totals[-1]
        elif crashed:
            detail = f"crashed: {run['exit'].get('text')}"
        else:
            detail = run.get("error") or "no Totals line"
        timing = f"{run['seconds']:.0f} s" if len(classes) == 1 else f"{len(classes)} classes " \
            f"in one run of {run['seconds']:.0f} s"
        results.check(f"qt {test} {cls}", ok, f"{detail} ({timing})")
        if not ok:
            # Each failure with the lines that say why (Actual, Expected, Loc).
            shown = []
            for i, ln in enumerate(lines):
                if ln.startswith(("FAIL!", "XPASS")) and len(shown) < 24:
                    shown.append(ln)
                    for why in lines[i + 1:i + 4]:
                        if not why.startswith("   "):
                            break
                        shown.append(why)
            for ln in (shown or (lines or run["lines"])[-12:]):
                print(f"    {ln}", flush=True)


# --- 2. The tour -----------------------------------------------------------------------


def site_server(args, site=None):
    site = site or Site(args.site, {"__ref/": ROOT / "docs" / "screens"})
    return site, Server(site)


def tour(results, args, layout, engine=None):
    """The tour, in Chromium with DevTools' input, or with WebDriver's input
    actions in the engine named (chromium or webkit); its screenshots are browser-*.png,
    webkit-*.png in docs/screens, or webdriver-chromium-*.png beside the build."""
    site, server = site_server(args)
    screens, shot_name, name = ROOT / "docs" / "screens", "browser-{}.png", "tour"
    if engine == "webkit":
        shot_name, name = "webkit-{}.png", "tour in WebKit"
    elif engine:
        screens = Path(args.build) / "browser-tests"
        shot_name, name = "webdriver-chromium-{}.png", "tour in Chromium by WebDriver"
    with open_browser(engine) as browser:
        page = browser.new_page()
        p = Program(page, layout, server.url)

        def start():
            p.open()
            s = page.state()
            expect(s["phase"] == "running", f"phase {s['phase']}")
            expect(not s["missing"], f"missing {s['missing']}")
            shot = p.shot()
            shot.save(screens / shot_name.format("スタート"))
            looks_like_start(p, shot, server.url)
            log(f"  スタート: first drawn at {s['firstScreenAt']:.0f} ms, scale {s['scale']}, "
                f"window {p.geometry.window}")

        def centred():
            g = p.geometry
            expect(g.centred(), f"the window lies at {g.window} on a page of "
                                f"{g.info['innerWidth']}x{g.info['innerHeight']}, the design "
                                f"being {g.width * g.k:.0f}x{g.height * g.k:.0f}")

        def intro():
            p.click("Command1", "体心開始")
            p.through_stages("体心内部")

        def by_clicks():
            before = p.shot()
            p.click("Command1", touch=True)
            after = p.shot()
            run = layout.rect("体心内部", "Command1")
            changed = difference(before, p.geometry, after, p.geometry, run, (64, 32))
            expect(changed > 8, f"the tap on 実行 changed nothing ({changed:.1f})")
            for marker in layout.array("体心内部", "Image3"):
                p.click(marker)
            built = p.shot()
            # The desktop's pictures of the whole cell (the last stage) and of
            # three pieces in (実行 and three markers).
            whole = f"体心内部-{len(layout.stages('体心内部'))}"
            full = reference_difference(built, p.geometry, server.url, whole)
            half = reference_difference(built, p.geometry, server.url, "体心内部-4")
            log(f"  体心内部 built: mean difference {full:.1f} from the desktop's {whole}, "
                f"{half:.1f} from 体心内部-4")
            if full > half:
                built.save(Path(args.build) / "browser-tests" / "体心内部-not-built.png")
            expect(full < half, "the page looks more like the half-built cell")
            built.save(screens / shot_name.format("体心内部"))  # the whole cell
            p.click("Command3", "体心原子")  # 次に進む shows only once the cell is whole

        def by_keys():
            p.click("Command2", "メニュー")
            intro()
            p.build_cell_by_keys()
            # 次に進む has the focus; Tab on to 再確認, which takes the pieces out.
            page.key("Tab")
            page.key("Space")
            page.settle()
            expect(p.screen == "体心内部", f"Tab and Space went to {p.screen}")
            for i, _ in enumerate(layout.array("体心内部", "Image3")):
                page.key("Enter" if i % 2 else "Space")
                page.settle(0.05)
            page.key("Space")
            page.wait_screen("体心原子", 10)

        def summary():
            p.click("Command2", "メニュー")
            p.click("Command4", "まとめ")
            p.click("Label8", "体心内部")

        def drill():
            p.click("Command2", "メニュー")
            p.click("Command5", "ドリル開始")
            p.click("Command1", "ドリル")
            started = page.state()["soundsStarted"]
            p.click("Command2(1)")
            p.click("Command2(2)")
            page.wait(f"mirosutaState.soundsStarted > {started}", 10, "a sound")
            time.sleep(0.5)
            s = page.state()
            log(f"  ドリル: sounds started {s['soundsStarted']}, played {s['soundsPlayed']}")

        def packing():
            p.click("Command1", "メニュー")
            p.click("Command8", "充填率")
            for screen, following in (("充填率", "充填率計算"), ("充填率計算", "密度"),
                                      ("密度", "密度問題")):
                for _ in layout.stages(screen)[:-1]:
                    p.click("Command1")
                p.click("Command1", following)
            started = page.state()["soundsStarted"]
            p.click("Command2(1)")
            p.click("Command2(2)")
            page.wait(f"mirosutaState.soundsStarted > {started}", 10, "a sound")

        def stacking():
            p.click("Command1", "メニュー")
            p.click("Command9", "積み重ね開始")
            p.through_stages("積み重ね選択")
            p.through_stages("積み重ね格子")  # the third layer over A first
            for stage in layout.stages("積み重ね格子"):
                p.click(stage["press"])
            shot = p.shot()
            # The twelve neighbours in both stacks, as the desktop draws them.
            last = f"積み重ね格子-{len(layout.stages('積み重ね格子'))}"
            done = reference_difference(shot, p.geometry, server.url, last)
            first = reference_difference(shot, p.geometry, server.url, "積み重ね格子-0")
            log(f"  積み重ね格子: mean difference {done:.1f} from the desktop's {last}, "
                f"{first:.1f} from 積み重ね格子-0")
            expect(done < first, "the page looks more like the cells than the neighbours")
            shot.save(screens / shot_name.format("積み重ね格子"))
            p.click("Command2", "メニュー")

        def end():
            if p.screen != "メニュー":
                p.click("Command1", "メニュー")
            p.click("Command7")
            page.wait("mirosutaState.phase === 'ended'", 10, "the end")
            notice = page.eval("({shown: !document.getElementById('notice').hidden, "
                               "text: document.getElementById('notice-text').textContent, "
                               "button: document.getElementById('restart').textContent})")
            expect(notice["shown"] and notice["text"] == "ミロスタを終了しました。",
                   f"the end shows {notice}")
            r = page.eval("(() => { const r = document.getElementById('restart')"
                          ".getBoundingClientRect(); return {x: r.x + r.width / 2, "
                          "y: r.y + r.height / 2}; })()")
            page.leaving()
            page.click(r["x"], r["y"])
            p.wait_first()

        steps = [
            (f"{name}: スタート drawn, mostly the cyan ground", start),
            (f"{name}: スタート centred on the page at its scale", centred, "alone"),
            (f"{name}: メニュー by a mouse click", lambda: p.click("Command1", "メニュー")),
            (f"{name}: 体心立方 to 体心開始, 実行 three times to 体心内部", intro),
            (f"{name}: 体心内部 built by clicks (実行 by a touch tap), 次に進む", by_clicks),
            (f"{name}: 体心内部 again, built by Tab, Space and Enter alone", by_keys),
            (f"{name}: まとめ, a link into a lesson screen", summary),
            (f"{name}: ドリル answered by digit key clicks, a sound started", drill),
            (f"{name}: 充填率・密度 through its stages to 密度問題, answered, a sound", packing),
            (f"{name}: 積み重ね, the third layer chosen, to the twelve neighbours", stacking),
            (f"{name}: 終了 shows the end, and its button starts anew", end),
        ]
        try:
            run_steps(results, page, steps)
        finally:
            server.stop()


def by_webdriver(results, args, layout):
    """The tour again with WebDriver's input actions, in Chromium and in
    WebKitGTK; in WebKit, a damaged text, offline, the server that never
    answers, the new build and a teacher's edit too (Chromium has them with
    DevTools' input)."""
    runs = [(tour, engine) for engine in ENGINES] + [
        (check, "webkit") for check in (damaged_text, offline, school_network, update,
                                        teachers_edit)]
    for run, engine in runs:
        try:
            run(results, args, layout, engine)
        except StepFailed:
            pass
        except Exception as e:  # the browser or its driver would not start
            results.check(f"{run.__name__} in {engine} by WebDriver", False,
                          f"{type(e).__name__}: {e}")


def run_steps(results, page, steps):
    """Runs dependent steps in order; those after a failure fail as not reached."""
    for i, (name, body, *alone) in enumerate(steps):
        try:
            with results.step(name):
                body()
        except StepFailed:
            if alone:  # a look that leaves the program as it was
                continue
            log("  the page's console:", *page.console[-15:], sep="\n    ")
            for later, *_ in steps[i + 1:]:
                results.check(later, False, f"not reached ({name} failed)")
            return


def open_browser(engine=None):
    """Chromium with DevTools' input, or the engine named with WebDriver's."""
    return WebDriverBrowser(engine, CHROMEBOOK) if engine else Browser(CHROMEBOOK)


def in_engine(name, engine):
    return f"{name} in WebKit" if engine == "webkit" else name


@contextlib.contextmanager
def visit(args, layout, engine=None):
    """The site on a server of its own, and the page of a fresh browser
    (open_browser) to visit it: gives the Site, its Server and the Program. A
    failed step ends the visit."""
    site, server = site_server(args)
    try:
        with open_browser(engine) as browser, contextlib.suppress(StepFailed):
            yield site, server, Program(browser.new_page(), layout, server.url)
    finally:
        server.stop()


def keep_shot(args, engine, name, png):
    """A screenshot kept beside the build for a look: NAME.png, ENGINE-NAME.png
    with WebDriver's input."""
    path = Path(args.build) / "browser-tests" / f"{engine + '-' if engine else ''}{name}.png"
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(png)


def first_visit(p):
    """The program runs, and its worker is installed and serves the page."""
    p.open()
    wait_for_worker(p.page)
    p.page.wait("navigator.serviceWorker.controller !== null", 30, "its control")


def from_cache(p, server):
    """After the server stopped answering: the page loaded again runs whole from
    what its worker kept, and スタート looks as on the desktop. Gives the state."""
    p.page.reload()
    p.wait_first(60)
    s = p.page.state()
    expect(s["phase"] == "running" and not s["missing"],
           f"phase {s['phase']}, missing {s['missing']}")
    looks_like_start(p, p.shot(), server.url)
    return s


def damaged_text(results, args, layout, engine=None):
    """A text missing on the server is reported by its path on the screen that reads it."""
    gone = "説明/体心立方/msg1.txt"
    with visit(args, layout, engine) as (site, server, p):
        site.overrides[gone] = None
        page = p.page
        with results.step(f"{in_engine('report', engine)}: a missing text named by its path"):
            p.open()
            expect(page.state()["missing"] == [gone], f"missing {page.state()['missing']}")
            p.click("Command1", "メニュー")
            p.click("Command1")
            page.wait("mirosutaState.phase === 'report'", 10, "the report")
            page.settle()
            keep_shot(args, engine, "report", page.screenshot())
            text = page.eval("document.getElementById('notice-text').textContent")
            shown = page.eval("!document.getElementById('notice').hidden")
            expect(shown and "/" + gone in text, f"the report says {text!r}")
            log(f"  report: {text!r}")


def offline(results, args, layout, engine=None):
    """After a first visit, no server at all: the page runs from its cache."""
    with visit(args, layout, engine) as (site, server, p):
        with results.step(f"{in_engine('offline', engine)}: スタート again without a server"):
            first_visit(p)
            server.stop()
            from_cache(p, server)


def teachers_edit(results, args, layout, engine=None):
    """A teacher's new text on the server reaches the program at the next load,
    through the worker that serves the page."""
    edited = "説明/メニュー/msg1.txt"  # スタート's List1
    name = in_engine("teacher's edit", engine)
    with visit(args, layout, engine) as (site, server, p):
        page = p.page
        with results.step(f"{name}: a UTF-8 text shows at the next load"):
            first_visit(p)
            first = p.shot()
            first_geo = p.geometry
            # Its last line holds kanji of the second level, which only the
            # font fetched for such a text has.
            edit = "先生が書き直した説明です。\n金属の結晶を調べよう。\n{}\n"
            site.overrides[edited] = edit.format("鍮坩堝鑞鉑").encode()
            page.reload()
            p.wait_first()
            s = page.state()
            expect(s["phase"] == "running", f"phase {s['phase']}: {s['report']}")
            second = p.shot()
            second_geo = p.geometry
            keep_shot(args, engine, "edit-before", first.png)
            keep_shot(args, engine, "edit-after", second.png)
            panel = layout.rect("スタート", "List1")
            w, h = panel["width"], panel["height"]
            inside = difference(first, first_geo, second, p.geometry, panel, (w, h))
            button = layout.rect("スタート", "Command1")
            outside = difference(first, first_geo, second, p.geometry, button,
                                 (button["width"], button["height"]))
            log(f"  edit: panel changed by {inside:.1f}, メニュー button by {outside:.1f}")
            expect(inside > 4, f"the panel is as before ({inside:.1f})")
            expect(outside < 1, f"the rest changed too ({outside:.1f})")
            expect(s["moreKanji"] == "fetched", f"the rarer kanji's font: {s['moreKanji']}")
        with results.step(f"{name}: kanji of the second level are drawn"):
            # The same kanji in another order: boxes for glyphs the fonts lack
            # would look alike (0; one short line of the panel changes 0.4).
            site.overrides[edited] = edit.format("鉑鑞堝坩鍮").encode()
            page.reload()
            p.wait_first()
            swapped = difference(second, second_geo, p.shot(), p.geometry, panel, (w, h))
            log(f"  edit: the second-level kanji swapped change the panel by {swapped:.2f}")
            expect(swapped > 0.1, f"they look alike ({swapped:.2f})")


def school_network(results, args, layout, engine=None):
    """After a first visit, a server that takes connections and never answers:
    the page comes from its cache once the worker stops waiting."""
    silent = None
    try:
        with visit(args, layout, engine) as (site, server, p):
            with results.step(f"{in_engine('school network', engine)}: スタート from the cache "
                              "within 5 s when the server never answers"):
                first_visit(p)
                port = server.httpd.server_address[1]
                server.stop()
                silent = SilentServer(port)
                s = from_cache(p, server)
                log(f"  school network: スタート drawn {s['firstScreenAt']:.0f} ms after the "
                    f"navigation; the server took {len(silent.connections)} connections")
                expect(silent.connections, "the page never asked the network")
                expect(s["firstScreenAt"] <= 5000, f"drawn after {s['firstScreenAt']:.0f} ms")
    finally:
        if silent:
            silent.stop()


# Every cache of the page's origin: each address it holds, with the SHA-256
# of the body kept for it.
CACHES = """(async () => {
  const hex = (b) => [...new Uint8Array(b)].map((x) => x.toString(16).padStart(2, '0')).join('');
  const found = {};
  for (const name of await caches.keys()) {
    const cache = await caches.open(name);
    found[name] = {};
    for (const request of await cache.keys())
      found[name][request.url] =
        hex(await crypto.subtle.digest('SHA-256', await (await cache.match(request)).arrayBuffer()));
  }
  return found;
})()"""


def not_of_site(held, site):
    """What the caches hold that is not a file of the site as it is: the
    program cache may hold its files (by their hash, or files.json by the
    site's version), the content cache its listed content."""
    site = Path(site)
    listed = json.loads((site / "files.json").read_text(encoding="utf-8"))
    content = {c["path"] for c in listed["content"]}
    wrong = []
    for name, entries in held.items():
        for url, sha in entries.items():
            parts = urllib.parse.urlsplit(url)
            rel = urllib.parse.unquote(parts.path).lstrip("/") or "index.html"
            v = urllib.parse.parse_qs(parts.query).get("v", [None])[0]
            f = site / rel
            data = f.read_bytes() if f.is_file() else None
            if name == "mirosuta-content":
                ok = rel in content and not v
            else:
                ok = data is not None and (
                    v is None or v == (listed["version"] if rel == "files.json"
                                       else hashlib.sha256(data).hexdigest()[:len(v)]))
            if not ok or data is None or hashlib.sha256(data).hexdigest() != sha:
                wrong.append(f"{name}: {urllib.parse.unquote(url)}")
    return wrong


def second_build(args):
    """The site built again from the same program with another build id, which
    its script and its module carry: a new build as the server would get it."""
    browser_out = Path(args.build).resolve().parent
    site = Path(tempfile.mkdtemp(prefix="mirosuta-update-")) / "site"
    subprocess.run([sys.executable, str(ROOT / "packaging" / "browser" / "make_site.py"),
                    "--build-id", "second-build", str(Path(args.build) / "out"),
                    str(browser_out / "mincho.ttf"), str(browser_out / "mincho-more.ttf"),
                    str(browser_out / "icon-192.png"),
                    str(browser_out / "icon-512.png"), str(site)],
                   check=True, stdout=subprocess.DEVNULL)
    return site


def update(results, args, layout, engine=None):
    """A new build put in the place of the old: the next visit runs it whole,
    the old build's files are gone from the caches, and it runs offline. A
    server half way through the change, with the new module under the old
    page, gets the page's refusal, not a program of two builds."""
    files = lambda site: json.loads((Path(site) / "files.json").read_text(encoding="utf-8"))
    name = in_engine("update", engine)
    second = None
    site, server = site_server(args)
    try:
        second = second_build(args)
        old, new = files(args.site), files(second)
        expect(old["version"] != new["version"], "the two sites have one version")
        site.overrides["mirosuta.wasm"] = second / "mirosuta.wasm"
        with open_browser(engine) as browser, contextlib.suppress(StepFailed):
            page = browser.new_page()
            with results.step(f"{name}: a module of another build under the page is refused"):
                page.goto(server.url)
                page.wait("!globalThis.__mtOld && mirosutaState.phase !== 'loading'", 60,
                          "the page's start")
                s = page.state()
                text = page.eval("document.getElementById('notice-text').textContent")
                keep_shot(args, engine, "update-refused", page.screenshot())
                expect(s["phase"] == "failed" and "混ざって" in text and s["screensShown"] == 0,
                       f"phase {s['phase']}, {s['screensShown']} screens shown: {text!r}")
        site.overrides.clear()
        with open_browser(engine) as browser, contextlib.suppress(StepFailed):
            page = browser.new_page()
            p = Program(page, layout, server.url)

            def builds(want):
                b = page.state()["build"]
                expect(b == {"page": want, "script": want, "module": want},
                       f"the page runs {b}, not {want} whole")

            def first():
                first_visit(p)
                builds(old["build"])

            def next_visit():
                site.folder = second
                page.reload()
                p.wait_first(60)
                builds(new["build"])
                expect(page.state()["phase"] == "running", "not running")

            def caches_after():
                want = sorted(["mirosuta-content", f"mirosuta-program-{new['version']}"])
                try:
                    page.wait(f"caches.keys().then(k => JSON.stringify(k.sort()) === "
                              f"{json.dumps(json.dumps(want, separators=(',', ':')))})", 60,
                              f"only the caches {want}")
                finally:
                    held = page.eval(CACHES)
                    log("  update: caches " + ", ".join(f"{k} ({len(v)})" for k, v in held.items()))
                # Every copy kept is a file of the new build as the server has it.
                wrong = not_of_site(held, second)
                expect(not wrong, f"kept, not of the new build: {wrong}")

            def offline_after():
                server.stop()
                from_cache(p, server)
                builds(new["build"])

            run_steps(results, page, [
                (f"{name}: the first build runs, and its worker keeps it", first),
                (f"{name}: the next visit after the server got a new build runs the new one "
                 "whole", next_visit),
                (f"{name}: the first build's program cache is gone, nothing of it kept",
                 caches_after),
                (f"{name}: offline after, the new build runs", offline_after),
            ])
    except subprocess.CalledProcessError as e:
        results.check(f"{name}: a second build of the site", False, str(e))
    finally:
        server.stop()
        if second:
            shutil.rmtree(second.parent, ignore_errors=True)


def ipad(results, args, layout):
    site, server = site_server(args)
    try:
        with Browser(IPAD) as browser, contextlib.suppress(StepFailed):
            page = browser.new_page(mobile=True)
            p = Program(page, layout, server.url)
            with results.step("iPad: スタート at its scale, メニュー by a tap"):
                p.open()
                k = page.state()["scale"]
                expect(k == 1.53, f"scale {k}")
                pack = page.state()["picturePack"]
                expect(pack == "pictures@2x.rcc", f"the page fetched {pack}")
                looks_like_start(p, p.shot(), server.url)
                p.click("Command1", "メニュー", touch=True)
    finally:
        server.stop()


def turning(results, args, layout):
    """体心内部's ball-and-stick drawing turned by a mouse and by a finger on a
    screen of twice the density (a Chromebook's, an iPad's), and its marker
    still taken by a click where its atom has gone."""
    site, server = site_server(args)
    screen = "体心内部"
    drawing, cell = layout.rect(screen, "Image1"), layout.rect(screen, "Image2")
    size = (drawing["width"], drawing["height"])
    try:
        with Browser(CHROMEBOOK) as browser:
            page = browser.new_page(ratio=2)
            p = Program(page, layout, server.url)
            seen = {}

            def changed(shot, rect):
                return difference(seen["rest"], seen["geometry"], shot, p.geometry, rect,
                                  (rect["width"], rect["height"]))

            def grip(shot):
                """A point of the drawing well away from the marker the shot
                shows, in page pixels: a press there is the drawing's."""
                mx, my = marker_spot(shot, p.geometry, drawing) or (-1000, -1000)
                cx, cy = drawing["x"] + size[0] / 2, drawing["y"] + size[1] / 2
                x, y = max(((cx + dx, cy + dy) for dx in (-80, 0, 80) for dy in (-60, 60)),
                           key=lambda q: math.dist(q, (mx, my)))
                return p.geometry.point(x, y)

            def stroke(touch):
                # 60 design pixels left and 24 down, in twelve moves: 30° to the
                # left and 12° down, the cell seen more from above.
                x, y = grip(p.shot())
                k = p.scale
                page.drag([(x - i * 5 * k, y + i * 2 * k) for i in range(13)], touch=touch)
                page.settle(0.4)  # the full drawing follows the release
                shot = p.shot()
                turned, piece = changed(shot, drawing), changed(shot, cell)
                log(f"  {'finger' if touch else 'mouse'}: the drawing changed by {turned:.1f}, "
                    f"the cell beside it by {piece:.1f}")
                expect(turned > 5, f"the drawing hardly changed ({turned:.1f})")
                expect(piece < 0.5, f"the drag's release put a piece in ({piece:.1f})")
                return shot

            def back(what):
                shot = p.shot()
                left = changed(shot, drawing)
                log(f"  {what}: the drawing differs from the designed view by {left:.2f}")
                expect(left < 0.5, f"not the designed view ({left:.2f})")

            def open_interior():
                p.open()
                s = page.state()
                expect(s["pictureRatio"] == 2, f"picture ratio {s['pictureRatio']}")
                p.click("Command1", "メニュー")
                p.click("Command1", "体心開始")
                p.through_stages(screen)
                p.click("Command1")  # 実行: the first marker shows
                seen["rest"], seen["geometry"] = p.shot(), p.geometry
                seen["marker"] = marker_spot(seen["rest"], p.geometry, drawing)
                expect(seen["marker"], "no marker on the drawing")
                expect(math.dist(seen["marker"], layout.centre(screen, "Image3(0)")) < 2.5,
                       f"the marker shows at {seen['marker']}, laid at "
                       f"{layout.centre(screen, 'Image3(0)')}")

            def mouse():
                shot = stroke(touch=False)
                moved = marker_spot(shot, p.geometry, drawing)
                log(f"  the marker went from {seen['marker']} to {moved}")
                expect(moved and math.dist(moved, seen["marker"]) > 3,
                       f"the marker stayed at {moved}")
                # The program's window as the page shows it, at twice its pixels.
                g = p.geometry
                x, y = g.point(0, 0)
                clip = {"x": x, "y": y, "width": g.width * g.k, "height": g.height * g.k,
                        "scale": 1}
                png = page.call("Page.captureScreenshot", {"format": "png", "clip": clip})["data"]
                (ROOT / "docs" / "screens" / f"browser-turned-{screen}.png").write_bytes(
                    base64.b64decode(png))

            def double_click():
                page.double_click(*grip(p.shot()))
                page.settle(0.3)
                back("a double click")

            def finger():
                stroke(touch=True)
                seen["turned"] = p.shot()

            def click_marker():
                shot = seen["turned"]
                at = marker_spot(shot, p.geometry, drawing)
                expect(at, "no marker on the turned drawing")
                page.click(*p.geometry.point(*at))
                page.settle(0.3)
                piece = changed(p.shot(), cell)
                log(f"  a click on the marker at {at}: the cell beside it changed by {piece:.1f}")
                expect(piece > 1, f"no piece went in ({piece:.1f})")

            def double_tap():
                x, y = grip(p.shot())
                page.tap(x, y)
                page.tap(x, y)
                page.settle(0.3)
                shot = p.shot()
                # The next atom's marker shows now; the rest is the designed view.
                left = changed(shot, drawing)
                turned = difference(seen["rest"], seen["geometry"], seen["turned"], p.geometry,
                                    drawing, size)
                log(f"  a double tap: the drawing differs from the designed view by {left:.2f} "
                    f"(turned: {turned:.1f})")
                expect(left < turned / 5, f"not the designed view ({left:.2f})")

            run_steps(results, page, [
                ("turn: 体心内部 at a pixel ratio of 2, 実行 pressed", open_interior),
                ("turn: a mouse drag turns the drawing and its marker, and puts no piece in",
                 mouse),
                ("turn: a double click brings back the designed view", double_click),
                ("turn: a finger's drag turns it, and puts no piece in", finger),
                ("turn: a click without motion on the turned marker puts its piece in",
                 click_marker),
                ("turn: a double tap brings back the designed view", double_tap),
            ])
    finally:
        server.stop()


def picture_packs(results, args, layout):
    """One picture pack per pixel ratio: the page fetches the one it needs, and
    offline, on a screen of the other ratio, draws from the one it kept."""
    site, server = site_server(args)

    def fetched(name):
        return sum(1 for path, status, _ in server.requests
                   if path == f"/{name}" and status == 200)

    try:
        with Browser(DESIGN) as browser, contextlib.suppress(StepFailed):
            page = browser.new_page()
            p = Program(page, layout, server.url)
            with results.step("pictures: a screen at its own size fetches the plain pack only"):
                p.open()
                wait_for_worker(page)
                s = page.state()
                expect(s["scale"] == 1 and s["pictureRatio"] == 1,
                       f"scale {s['scale']}, ratio {s['pictureRatio']}")
                expect(fetched("pictures.rcc") == 1 and fetched("pictures@2x.rcc") == 0,
                       f"pictures.rcc {fetched('pictures.rcc')} times, "
                       f"pictures@2x.rcc {fetched('pictures@2x.rcc')} times")
                # Nor the rarer kanji's font, which the shipped texts never need.
                expect(fetched("fonts/mincho-more.ttf") == 0 and s["moreKanji"] is None,
                       f"the rarer kanji's font fetched {fetched('fonts/mincho-more.ttf')} times")
                looks_like_start(p, p.shot(), server.url)
            with results.step("pictures: offline on a twice-density screen, the kept pack serves"):
                page.wait("navigator.serviceWorker.controller !== null", 30, "its control")
                server.stop()
                page.call("Emulation.setDeviceMetricsOverride", {
                    "width": DESIGN[0], "height": DESIGN[1], "deviceScaleFactor": 2,
                    "mobile": False})
                page.reload()
                p.wait_first(60)
                s = page.state()
                expect(s["phase"] == "running" and s["pictureRatio"] == 2
                       and s["picturePack"] == "pictures.rcc",
                       f"phase {s['phase']}, ratio {s['pictureRatio']}, pack {s['picturePack']}")
                looks_like_start(p, p.shot(), server.url)
                p.click("Command1", "メニュー")
    finally:
        server.stop()


def accessibility(results, args, layout):
    """Qt's accessibility layer names the elements in Japanese once turned on."""
    site, server = site_server(args)
    try:
        with Browser() as browser:
            page = browser.new_page()
            p = Program(page, layout, server.url)
            found = {}

            def names():
                nodes = page.call("Accessibility.getFullAXTree")["nodes"]
                return [(n.get("role", {}).get("value"), n.get("name", {}).get("value", ""))
                        for n in nodes if not n.get("ignored")]

            def button():
                p.open()
                page.eval(PAGE_HELPERS)
                # Qt keeps its screens in a shadow root: looked for there too.
                found["label"] = label = page.eval(
                    "(() => { const b = __mt.deep(document, "
                    "'button.hidden-visually-read-by-screen-reader')[0]; "
                    "return b ? b.textContent : null; })()")
                expect(label is not None, "no button turns the accessibility layer on")
                expect(label == "読み上げを有効にする", f"it reads {label!r}")

            def tree():
                expect(found.get("label") is not None, "no button to turn it on")
                page.eval("__mt.deep(document, 'button.hidden-visually-read-by-screen-reader')"
                          "[0].click()")
                page.settle(0.5)
                page.call("Accessibility.enable")
                start = names()
                log(f"  accessibility: on スタート: {[n for n in start if n[1]][:12]}")
                expect(("button", "メニュー") in start, "no button メニュー on スタート")
                p.click("Command1", "メニュー")
                p.click("Command1", "体心開始")
                p.through_stages("体心内部")
                p.click("Command1")
                page.settle(0.5)
                inside = [n for n in names() if n[1].startswith("頂点の原子")]
                log(f"  accessibility: on 体心内部 after 実行: {inside}")
                expect(inside, "no marker 頂点の原子 … in the tree")

            run_steps(results, page, [
                ("accessibility: the button that turns it on reads 読み上げを有効にする", button,
                 "alone"),
                ("accessibility: Japanese names in the tree (スタート, 体心内部's markers)", tree),
            ])
    finally:
        server.stop()


def pressable_nodes(page):
    """The buttons and links of Chromium's tree: role, name, the object the
    element stands for (the last part of the id Qt gives it) and its box in
    page pixels."""
    found = []
    for n in page.call("Accessibility.getFullAXTree")["nodes"]:
        role = n.get("role", {}).get("value")
        if n.get("ignored") or role not in ("button", "link") or "backendDOMNodeId" not in n:
            continue
        backend = {"backendNodeId": n["backendDOMNodeId"]}
        attributes = page.call("DOM.describeNode", backend)["node"].get("attributes", [])
        ident = dict(zip(attributes[::2], attributes[1::2])).get("id", "")
        try:
            quad = page.call("DOM.getBoxModel", backend)["model"]["border"]
        except PageError:
            continue
        xs, ys = quad[0::2], quad[1::2]
        found.append({"role": role, "name": n.get("name", {}).get("value", ""),
                      "object": ident.rsplit(".", 1)[-1],
                      "box": (min(xs), min(ys), max(xs) - min(xs), max(ys) - min(ys))})
    return found


def accessible_controls(results, args, layout):
    """What a learner takes is a control a screen reader can press, in
    Chromium's tree, where it is drawn: at the scale of a Chromebook's page and
    of an iPad's (twice the pixels)."""
    site, server = site_server(args)
    try:
        for size, mobile in ((CHROMEBOOK, False), (IPAD, True)):
            with Browser(size) as browser:
                page = browser.new_page(mobile=mobile)
                p = Program(page, layout, server.url)
                where = f"{size[0]} x {size[1]}{' x 2' if mobile else ''}"

                def start():
                    p.open()
                    page.eval(PAGE_HELPERS)
                    page.eval("__mt.deep(document, 'button.hidden-visually-read-by-screen-reader')"
                              "[0].click()")
                    page.settle(0.5)
                    page.call("Accessibility.enable")
                    page.call("DOM.enable")
                    p.click("Command1", "メニュー")

                def interior():
                    p.through_stages("体心内部")
                    p.click("Command1")  # 実行: the first marker shows

                def drill():
                    p.click("Command1", "メニュー")
                    p.click("Command5", "ドリル開始")
                    p.click("Command1", "ドリル")

                # Each screen as a learner reaches it from the one before, and
                # the controls it must have (object, role, the start of its name).
                visits = (
                    ("体心開始", lambda: p.click("Command1", "体心開始"),
                     [("Command1", "button", "実行")]),
                    ("体心内部", interior, [("Image3(0)", "button", "頂点の原子")]),
                    ("まとめ", lambda: (p.click("Command2", "メニュー"),
                                       p.click("Command4", "まとめ")), [("Label8", "link", "")]),
                    ("ドリル", drill, [(f"Command2({d})", "button", str(d)) for d in range(10)]),
                )

                def look(screen, go, wanted):
                    def body():
                        go()
                        page.settle(0.5)
                        nodes = {n["object"]: n for n in pressable_nodes(page)}
                        for obj, role, name in wanted:
                            n = nodes.get(obj)
                            expect(n and n["role"] == role and n["name"].startswith(name),
                                   f"{obj}: {n and (n['role'], n['name'])}, not a {role} "
                                   f"named {name}… (the tree's: "
                                   f"{[(k, v['role'], v['name']) for k, v in nodes.items()]})")
                        g, placed = p.geometry, layout.screens[screen]["elements"]
                        off = []
                        for obj, n in nodes.items():
                            if obj not in placed:
                                continue
                            r = placed[obj]
                            x, y = g.point(r["x"], r["y"])
                            drawn = (x, y, r["width"] * g.k, r["height"] * g.k)
                            if max(abs(a - b) for a, b in zip(n["box"], drawn)) > 2:
                                off.append(f"{obj} {[round(v) for v in n['box']]} drawn at "
                                           f"{[round(v) for v in drawn]}")
                        log(f"  {where}, {screen}: {len(nodes)} controls, "
                            f"{len(nodes) - len(off)} within 2 px")
                        expect(not off, "; ".join(off[:5]))
                    return body

                def turned():
                    # The drawing turned by a drag away from the marker: the
                    # marker's element goes where its atom is now drawn.
                    p.click("Command1", "メニュー")  # from ドリル
                    p.click("Command1", "体心開始")
                    interior()
                    drawing, g = layout.rect("体心内部", "Image1"), p.geometry
                    x, y = g.point(drawing["x"] + 60, drawing["y"] + drawing["height"] - 40)
                    page.drag([(x + i * 5 * g.k, y - i * 2 * g.k) for i in range(13)])
                    page.settle(0.5)
                    spot = marker_spot(p.shot(), g, drawing)
                    n = {n["object"]: n for n in pressable_nodes(page)}.get("Image3(0)")
                    expect(spot and n, f"marker drawn at {spot}, in the tree {n}")
                    bx, by, bw, bh = n["box"]
                    off = math.dist((bx + bw / 2, by + bh / 2), g.point(*spot))
                    log(f"  {where}, turned: the marker drawn at {g.point(*spot)}, its element's "
                        f"centre {off:.1f} px from it")
                    expect(off <= 2, f"its element lies {off:.1f} px from it")

                run_steps(results, page, [
                    (f"accessible, {where}: the page with its reader on", start)] + [
                    (f"accessible, {where}: {screen}'s controls are buttons and links where "
                     "they are drawn", look(screen, go, wanted)) for screen, go, wanted in visits] +
                    [(f"accessible, {where}: a turned drawing's marker is where its atom went",
                      turned)])
    finally:
        server.stop()


def screenshots(results, names):
    for name in names:
        f = ROOT / "docs" / "screens" / f"{name}.png"
        ok = f.exists() and f.stat().st_mtime > START_TIME
        results.check(f"screenshot {f.relative_to(ROOT)}", ok,
                      "written" if ok else "not written by this run")


START_TIME = time.time()

CHECKS = ("qt", "tour", "webdriver", "turn", "report", "offline", "network", "update", "edit",
          "ipad", "pictures", "accessibility")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--site", default=str(ROOT / "build/browser/site"))
    ap.add_argument("--build", default=str(ROOT / "build/browser/program"))
    ap.add_argument("--layout", help="the screenshot tool's --layout file (the desktop "
                    "build's screens.json if not given)")
    ap.add_argument("--desktop-build", default=str(ROOT / "build/default"))
    ap.add_argument("--only", nargs="*", choices=CHECKS, help="run only these groups")
    ap.add_argument("--qt-class", nargs="*", help="run only these Qt test classes")
    ap.add_argument("--qt-timeout", type=float, default=600, help="seconds for one test class")
    ap.add_argument("--qt-unfit", action="store_true",
                    help="run the test classes known not to work in a browser too")
    args = ap.parse_args()
    only = set(args.only or CHECKS)
    results = Results()

    if "qt" in only:
        qt_tests(results, args, args.qt_class)

    rest = only - {"qt"}
    if rest:
        layout = None
        try:
            layout = Layout(args.layout) if args.layout else built_layout(args.desktop_build)
        except Exception as e:
            results.check("layout of the screens", False, str(e))
        if not Path(args.site, "index.html").exists():
            results.check("site", False, f"{args.site}/index.html is missing")
        elif layout:
            for name, run in (("tour", tour), ("webdriver", by_webdriver), ("turn", turning),
                              ("report", damaged_text), ("offline", offline),
                              ("network", school_network), ("update", update),
                              ("edit", teachers_edit), ("ipad", ipad),
                              ("pictures", picture_packs),
                              ("accessibility", accessibility),
                              ("accessibility", accessible_controls)):
                if name in rest:
                    try:
                        run(results, args, layout)
                    except StepFailed:
                        pass
                    except Exception as e:
                        results.check(name, False, f"{type(e).__name__}: {e}")
            if "tour" in rest:
                screenshots(results, ("browser-スタート", "browser-体心内部", "browser-積み重ね格子"))
            if "turn" in rest:
                screenshots(results, ("browser-turned-体心内部",))
            if "webdriver" in rest:
                screenshots(results, ("webkit-スタート", "webkit-体心内部", "webkit-積み重ね格子"))

    print(f"{results.passed} passed, {results.failed} failed", flush=True)
    return 1 if results.failed else 0


if __name__ == "__main__":
    sys.exit(main())
