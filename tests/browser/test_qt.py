"""The Qt tests built for WebAssembly, run on their own page (testpage.html):
one test per Qt test class, from one run of its executable as ctest runs it
(or one page per class when only some are selected)."""

import json
import re
import time
import urllib.parse

import pytest

from support import ROOT, Server, log, qt_test_classes, qt_test_files

EXECUTABLES = ("test_shell", "test_lattice")

# Test classes that cannot run in a page, by name, with the reason (shown as
# skipped, never dropped unseen). Every other class of test_shell and
# test_lattice runs in Chromium 156 with Qt 6.8.2, AccessibilityTest's waits
# for an active window included; --qt-unfit runs these all the same.
BROWSER_UNFIT = {}


def pytest_generate_tests(metafunc):
    if "qt_class" in metafunc.fixturenames:
        unfit = metafunc.config.getoption("qt_unfit")
        metafunc.parametrize(("executable", "qt_class"), [
            pytest.param(test, cls, id=f"{test}-{cls}", marks=[pytest.mark.skip(
                reason=f"not run in a browser: {BROWSER_UNFIT[cls]}")]
                if cls in BROWSER_UNFIT and not unfit else [])
            for test in EXECUTABLES for cls in qt_test_classes(test.removeprefix("test_"))])


@pytest.fixture(scope="module")
def qt_server(paths):
    """The test page, the executables, and the files they read at the paths
    compiled into them."""
    tests_dir = paths.build / "tests"
    files = qt_test_files(paths.build, paths.site, paths.source)
    listing = [{"path": p, "url": f"fs/{i}"} for i, (p, _) in enumerate(files)]
    by_index = {f"fs/{i}": f for i, (_, f) in enumerate(files)}
    qtloader = next((p for p in (tests_dir / "qtloader.js", paths.build / "out" / "qtloader.js")
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
    yield server
    server.stop()


def run_qt(browser, server, test, cls, classes, timeout):
    page = browser.new_page()
    query = {"test": test, "totals": classes}
    if cls:
        query["class"] = cls
    t0 = time.monotonic()
    page.goto(server.url + "testpage.html?" + urllib.parse.urlencode(query))
    try:
        page.wait("!globalThis.__mtOld && globalThis.qtTestRun && qtTestRun.done", timeout,
                  "the tests to finish")
        run = page.eval("qtTestRun")
    except TimeoutError:
        run = page.eval("globalThis.qtTestRun || null") or {"lines": [], "totals": []}
        run["error"] = f"no end in {timeout:.0f} s"
    run["seconds"] = time.monotonic() - t0
    return run


@pytest.fixture(scope="module")
def qt_runs(request, paths, chromium, qt_server):
    """Runs an executable's classes once, keeping its output beside the build:
    the whole executable in one page if every class of it is selected."""
    done = {}
    timeout = request.config.getoption("qt_timeout")

    def get(test, cls):
        wasm = paths.build / "tests" / f"{test}.wasm"
        assert wasm.exists(), f"{wasm} is missing (scripts/browser --test builds it)"
        selected = {i.callspec.params["qt_class"] for i in request.session.items
                    if getattr(i, "callspec", None) and i.callspec.params.get("executable") == test
                    and not i.get_closest_marker("skip")}
        every = set(qt_test_classes(test.removeprefix("test_")))
        key = test if selected == every else (test, cls)
        if key not in done:
            data = wasm.read_bytes()
            for needle in (str((paths.build / "out").resolve()), str(paths.source)):
                if needle.encode() not in data and needle.encode("utf-16-le") not in data:
                    log(f"note: {test}.wasm does not name {needle}; its files may lie elsewhere")
            n = len(every) if key == test else 1
            run = run_qt(chromium, qt_server, test, None if key == test else cls, n, timeout * n)
            paths.kept.mkdir(parents=True, exist_ok=True)
            name = test if key == test else f"{test}-{cls}"
            (paths.kept / f"{name}.log").write_text("\n".join(run["lines"]) + "\n",
                                                    encoding="utf-8")
            done[key] = run
        return done[key]

    return get


def test_qt_class(qt_runs, executable, qt_class):
    run = qt_runs(executable, qt_class)
    lines, current = [], None
    for line in run["lines"]:
        m = re.match(r"\*+ Start testing of (\w+) \*+", line)
        if m:
            current = m.group(1)
        if current == qt_class:
            lines.append(line)
        if line.startswith("Totals: "):
            current = None
    totals = [ln for ln in lines if ln.startswith("Totals: ")]
    m = re.match(r"Totals: (\d+) passed, (\d+) failed", totals[-1]) if totals else None
    # A class that ran nothing (not even initTestCase) has failed.
    if m and m.group(2) == "0" and m.group(1) != "0":
        return
    if m:
        why = totals[-1]
    elif run.get("exit") and run["exit"].get("crashed"):
        why = f"crashed: {run['exit'].get('text')}"
    else:
        why = run.get("error") or "no Totals line"
    # Each failure with the lines that say why (Actual, Expected, Loc).
    shown = []
    for i, ln in enumerate(lines):
        if ln.startswith(("FAIL!", "XPASS")) and len(shown) < 24:
            shown.append(ln)
            for more in lines[i + 1:i + 4]:
                if not more.startswith("   "):
                    break
                shown.append(more)
    shown = shown or (lines or run["lines"])[-12:]
    pytest.fail(f"{executable} {qt_class} in the browser: {why} "
                f"({run['seconds']:.0f} s)\n" + "\n".join(shown), pytrace=False)
