"""What the browser suite drives the site with: a static server whose answers
a test can change per path, Chromium (with its DevTools commands where only
they can tell or do something: input as a device gives it, the accessibility
tree, a device's metrics) and WebKitGTK through WebDriver (Selenium), the page
and the program on it, and pixel statistics of screenshots. The tests are the
test_*.py beside it (python3 -m pytest tests/browser); bench/browser_load.py
and bench/browser_turn.py use the same pieces.

Where the program's elements lie, and the presses of each screen's stages,
come from the desktop build's screens.json (written by the screenshot tool's
--layout): the screens are the same 768 x 480 designs in the browser, drawn at
the page's scale.
"""

import base64
import contextlib
import dataclasses
import hashlib
import json
import os
import re
import socket
import subprocess
import sys
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
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.orig_argv[1:]])
    raise
from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options as WebKitGTKOptions

ROOT = Path(__file__).resolve().parents[2]
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


@dataclasses.dataclass
class Answer:
    """An answer other than a plain static server's, for a path: a status (a
    login page's 200, a 403, a 302 with its Location), headers added (or, with
    None, taken away), a body (bytes or a file; the file's own for None), a
    delay before the answer, and a body that stalls after so many bytes (the
    connection then held open until the server stops, or closed if close)."""

    status: int = 200
    headers: dict = dataclasses.field(default_factory=dict)
    body: "bytes | Path | None" = None
    delay: float = 0
    stall_after: "int | None" = None
    close: bool = False


class Server:
    """A static server on loopback, in a thread of this process.

    resolve(path) gives the bytes (or a file, or an Answer) for a decoded URL
    path, or None for a 404. Every answer is logged, for the benchmark's byte
    count. It keeps connections open as web servers do (HTTP/1.1), and closes
    them all when stopped, so that a stopped server answers nothing more. With
    host, its url names that host (which the browser must map to loopback,
    e.g. Browser(hosts=[host])) instead of 127.0.0.1.
    """

    def __init__(self, resolve, host=None):
        self.resolve = resolve
        self.requests = []  # (path, status, bytes sent)
        self.connections = set()
        self.stopping = threading.Event()
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
                    answer = server.resolve(path)
                except Exception:  # a fault of the test, shown as a 500
                    traceback.print_exc()
                    answer = Answer(500, body=b"the test's server failed")
                if not isinstance(answer, Answer):
                    answer = Answer(404 if answer is None else 200, body=answer)
                if answer.delay:
                    time.sleep(answer.delay)
                status, body, modified = answer.status, answer.body, None
                if isinstance(body, Path):
                    modified = body.stat().st_mtime
                    body = body.read_bytes()
                if body is None:
                    body = b"not found" if status == 404 else b""
                # Validators as a plain static server gives them, so that the
                # browser's cache and revalidation work as they would there.
                tag = '"%s"' % hashlib.sha1(body).hexdigest()[:16]
                if status == 200 and self.headers.get("If-None-Match") == tag:
                    status, body = 304, b""
                headers = {"Content-Type": "text/plain" if status != 200 else TYPES.get(
                    os.path.splitext(path)[1] or ".html", "application/octet-stream")}
                if status in (200, 304):
                    headers["ETag"] = tag
                    headers["Last-Modified"] = formatdate(modified or time.time(), usegmt=True)
                headers.update(answer.headers)
                headers["Content-Length"] = str(len(body))
                self.send_response(status)
                for k, v in headers.items():
                    if v is not None:
                        self.send_header(k, v)
                self.end_headers()
                sent = body if answer.stall_after is None else body[:answer.stall_after]
                try:
                    self.wfile.write(sent)
                    self.wfile.flush()
                except (BrokenPipeError, ConnectionResetError):
                    pass
                server.requests.append((path, status, len(sent)))
                if answer.stall_after is not None:
                    if not answer.close:
                        server.stopping.wait()
                    self.close_connection = True

            def log_message(self, *args):
                pass

        self.httpd = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()
        self.url = f"http://{host or '127.0.0.1'}:{self.httpd.server_address[1]}/"

    def stop(self):
        self.stopping.set()
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
    """The site folder, with files replaced (bytes, a file or an Answer) or
    taken away (None): site.overrides["sw.js"] = Answer(403). An Answer
    without a body sends the file's own (a stalled module:
    Answer(stall_after=100_000))."""

    def __init__(self, folder):
        self.folder = Path(folder).resolve()
        self.overrides = {}

    def __call__(self, path):
        rel = path.lstrip("/")
        if rel == "" or rel.endswith("/"):
            rel += "index.html"
        if ".." in rel.split("/"):
            return None
        override = self.overrides.get(rel)
        if rel in self.overrides and not (isinstance(override, Answer) and override.body is None):
            return override
        f = self.folder / rel
        f = f if f.is_file() else None
        return dataclasses.replace(override, body=f) if override else f


class Servers:
    """Serves the site (or another folder) on servers of its own, each stopped
    at the end. A test changes an answer by its path:

        site, server = serve()
        site.overrides["sw.js"] = Answer(403, body=b"...")
        site.overrides["mirosuta.wasm"] = Answer(stall_after=100_000)

    host names the server in its url (Chromium needs it mapped: Browser(hosts=[host]))."""

    def __init__(self, folder):
        self.folder = folder
        self.running = []

    def __call__(self, folder=None, host=None):
        site = Site(folder or self.folder)
        server = Server(site, host=host)
        self.running.append(server)
        return site, server

    def close(self):
        for server in self.running:
            server.stop()


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
# The engines a check runs in: Chromium with DevTools' input, WebKitGTK (the
# engine of every iPad browser) with WebDriver's.
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
    performance log. Chromium takes the host names given in hosts to be
    loopback (a school's server by its name, without leaving this machine)."""

    # Each command waits until a navigation's page has loaded.
    page_load_strategy = "normal"

    def __init__(self, engine, size=CHROMEBOOK, ratio=1, network=False, hosts=()):
        self.engine, self.size, self.xvfb = engine, size, None
        if engine == "chromium":
            options = webdriver.ChromeOptions()
            options.binary_location = CHROMIUM
            flags = CHROMIUM_FLAGS + [f"--window-size={size[0]},{size[1]}",
                                      f"--force-device-scale-factor={ratio}"]
            if hosts:
                flags.append("--host-resolver-rules=" +
                             ", ".join(f"MAP {h} 127.0.0.1" for h in hosts))
            for flag in flags:
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
            if hosts:
                raise ValueError("WebKitGTK's driver maps no host names: use 127.0.0.1")
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

    def __init__(self, size=CHROMEBOOK, network=False, hosts=()):
        super().__init__("chromium", size, network=network, hosts=hosts)

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


def new_browser(engine="chromium", size=CHROMEBOOK, **kw):
    """chromium: Chromium with DevTools' input (Browser); webkit and
    chromium-webdriver: that engine with WebDriver's input actions."""
    if engine == "chromium":
        return Browser(size, **kw)
    return WebDriverBrowser(engine.removesuffix("-webdriver"), size, **kw)


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


def looks_like_start(p, shot):
    """Asserts that the shot shows スタート as the desktop draws it: its cyan
    ground and its picture."""
    g = p.geometry
    share = cyan_share(shot, g)
    diff = reference_difference(shot, g, "スタート-0")
    desktop = shot.page.eval(f"__mt.cyan('ref:スタート-0', {json.dumps(g.whole())})")
    log(f"  スタート: {share:.1%} of the design is the cyan ground ({desktop:.1%} on the "
        f"desktop); mean difference from the desktop's picture {diff:.1f} of 255")
    assert abs(share - desktop) < 0.03, \
        f"スタート is {share:.1%} cyan ground, the desktop's {desktop:.1%}"
    assert diff < 10, f"スタート differs from the desktop's by {diff:.1f} of 255 on average"


def reference_difference(shot, geometry, name):
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


# --- What the checks share -------------------------------------------------------


def wait_for_worker(page, timeout=60):
    """Until the page's service worker is installed and active."""
    page.wait("navigator.serviceWorker.ready.then(r => !!r.active)", timeout,
              "the service worker")


def qt_test_classes(subsystem):
    """The Qt test classes of a subsystem's test executable, by name."""
    found = []
    for f in sorted((ROOT / "tests" / subsystem).glob("*.cpp")):
        if f.stem.endswith("_windows"):  # built for Windows alone (tests/CMakeLists.txt)
            continue
        if f.stem == "tst_fullscreen":  # drives an X server; left out of the page's build
            continue
        found += re.findall(r"^MIROSUTA_TEST_CLASS\((\w+)\)", f.read_text(encoding="utf-8"),
                            re.M)
    return found


def qt_test_files(build, site, source=ROOT):
    """The files the tests read at the paths compiled into them (the build's
    and those of the checkout it was built from), and the font."""
    out = (Path(build) / "out").resolve()
    files = []
    for folder in ("説明", "画像", "音"):
        for f in sorted((out / folder).rglob("*")):
            if f.is_file():
                files.append((str(f), f))
    for f in sorted((Path(source) / "content").rglob("*")):
        if f.is_file():
            files.append((str(f), f))
    files.append(("/fonts/mincho.ttf", Path(site) / "fonts" / "mincho.ttf"))
    # Both picture packs, where the page would write the one it needs.
    for pack in ("pictures.rcc", "pictures@2x.rcc"):
        files.append((f"/pictures/{pack}", out / pack))
    return files


def first_visit(p):
    """The program runs, and its worker is installed and serves the page."""
    p.open()
    wait_for_worker(p.page)
    p.page.wait("navigator.serviceWorker.controller !== null", 30, "its control")


def from_cache(p):
    """After the server stopped answering: asserts that the page loaded again
    runs whole from what its worker kept, and that スタート looks as on the
    desktop. Gives the state."""
    p.page.reload()
    p.wait_first(60)
    s = p.page.state()
    assert s["phase"] == "running" and not s["missing"], \
        f"the page is {s['phase']} without its server; missing {s['missing']}: {s['report']}"
    looks_like_start(p, p.shot())
    return s


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
    precache and the packs' cache may hold its files (by their hash, or
    files.json by the site's version), the content cache its listed content."""
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
            if name.startswith("mirosuta-content-"):
                ok = rel in content and not v
            else:
                ok = data is not None and (
                    v is None or v == (listed["version"] if rel == "files.json"
                                       else hashlib.sha256(data).hexdigest()[:len(v)]))
            if not ok or data is None or hashlib.sha256(data).hexdigest() != sha:
                wrong.append(f"{name}: {urllib.parse.unquote(url)}")
    return wrong


def second_build(build, folder):
    """The site built again in folder from the program build's output with
    another build id, which its script and its module carry: a new build as
    the server would get it."""
    browser_out = Path(build).resolve().parent
    site = Path(folder) / "site"
    subprocess.run([sys.executable, str(ROOT / "packaging" / "browser" / "make_site.py"),
                    "--build-id", "second-build", str(Path(build) / "out"),
                    str(browser_out / "mincho.ttf"), str(browser_out / "mincho-more.ttf"),
                    str(browser_out / "icon-192.png"),
                    str(browser_out / "icon-512.png"), str(site)],
                   check=True, stdout=subprocess.DEVNULL)
    return site


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

