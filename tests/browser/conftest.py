"""The browser suite's options and fixtures: the site and the program's build
(--site, --build), the desktop build's layout of the screens, servers of the
site whose answers a test can change per path, and the browsers.

    python3 -m pytest tests/browser --site build/browser/site --build build/browser/program

A class marked `steps` is one visit in order: once a step fails, the steps
after it are not reached (shown as xfail), except after a step marked `look`,
which leaves the program as it was.

A check of how the site fares on a given network serves it with answers of
its own, and may name the server by a host that Chromium maps to loopback:

    def test_login_page(serve, open_browser, layout):
        site, server = serve(host="school.example")
        site.overrides["mirosuta.wasm"] = Answer(200, {"Content-Type": "text/html"}, b"...")
        page = open_browser("chromium", hosts=["school.example"]).new_page()
        Program(page, layout, server.url).open()
"""

import contextlib
import tempfile
import types
from pathlib import Path

import pytest

pytest.register_assert_rewrite("support")

from support import (CHROMEBOOK, ENGINES, ROOT, Browser, Layout, Program,  # noqa: E402
                     Servers, WebDriverBrowser, WebDriverPage, built_layout, new_browser)


def pytest_addoption(parser):
    group = parser.getgroup("mirosuta", "the browser build")
    group.addoption("--site", default=str(ROOT / "build/browser/site"),
                    help="the site folder (make_site.py's output)")
    group.addoption("--build", default=str(ROOT / "build/browser/program"),
                    help="the program's WebAssembly build (its out/ and tests/)")
    group.addoption("--layout", help="the screenshot tool's --layout file (the desktop "
                    "build's screens.json if not given)")
    group.addoption("--desktop-build", default=str(ROOT / "build/default"))
    group.addoption("--source", default=str(ROOT),
                    help="the checkout the Qt tests were built from, whose texts they read")
    group.addoption("--qt-timeout", type=float, default=600,
                    help="seconds for one Qt test class")
    group.addoption("--qt-unfit", action="store_true",
                    help="run the Qt test classes known not to work in a browser too")


def pytest_configure(config):
    config.addinivalue_line("markers", "steps: the class's tests are one visit, in order")
    config.addinivalue_line("markers", "look: a step that leaves the program as it was")


# --- Steps of one visit --------------------------------------------------------------

_failed_step = {}


def _visit_key(item):
    """The class and its own parameters (an engine, a size): one visit."""
    call = getattr(item, "callspec", None)
    names = [n.strip() for m in getattr(item.cls, "pytestmark", []) if m.name == "parametrize"
             for n in (m.args[0].split(",") if isinstance(m.args[0], str) else m.args[0])]
    return item.cls, tuple(call.indices.get(n) for n in names) if call else ()


def pytest_runtest_setup(item):
    if item.get_closest_marker("steps"):
        failed = _failed_step.get(_visit_key(item))
        if failed:
            pytest.xfail(f"not reached ({failed} failed)")


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    report = (yield).get_result()
    if not report.failed or call.when == "teardown":
        return
    if item.get_closest_marker("steps") and not item.get_closest_marker("look"):
        _failed_step.setdefault(_visit_key(item), item.name)
    # What the page said before it failed.
    for value in getattr(item, "funcargs", {}).values():
        page = getattr(value, "page", value)
        if isinstance(page, WebDriverPage):
            with contextlib.suppress(Exception):
                report.sections.append(("the page's console", "\n".join(page.console[-15:])))
            break


# --- The build, the site and its layout --------------------------------------------------


@pytest.fixture(scope="session")
def paths(pytestconfig):
    """The site, the program's build and where the suite keeps its pictures
    and logs (beside the build)."""
    build = Path(pytestconfig.getoption("build")).resolve()
    return types.SimpleNamespace(
        site=Path(pytestconfig.getoption("site")).resolve(), build=build,
        source=Path(pytestconfig.getoption("source")).resolve(),
        kept=build / "browser-tests", screens=ROOT / "docs" / "screens")


@pytest.fixture(scope="session")
def layout(pytestconfig, paths):
    given = pytestconfig.getoption("layout")
    assert (paths.site / "index.html").is_file(), f"{paths.site}/index.html is missing"
    return Layout(given) if given else built_layout(pytestconfig.getoption("desktop_build"))


@pytest.fixture(scope="session")
def keep_shot(paths):
    """Keeps a screenshot beside the build for a look: NAME.png in Chromium,
    ENGINE-NAME.png in another engine."""
    def keep(name, png, engine="chromium"):
        path = paths.kept / f"{'' if engine == 'chromium' else engine + '-'}{name}.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(png)
    return keep


# --- Servers -------------------------------------------------------------------------


@pytest.fixture
def serve(paths):
    servers = Servers(paths.site)
    yield servers
    servers.close()


@pytest.fixture
def site_server(serve):
    """The site on a server of its own: (Site, Server)."""
    return serve()


@pytest.fixture
def scratch():
    """A folder of the test's own, taken away after it."""
    with tempfile.TemporaryDirectory(prefix="mirosuta-test-") as folder:
        yield Path(folder)


# --- Browsers ------------------------------------------------------------------------


class Browsers:
    """Opens browsers with fresh profiles, each closed at the end."""

    def __init__(self):
        self.opened = []

    def __call__(self, engine="chromium", size=CHROMEBOOK, **kw):
        browser = new_browser(engine, size, **kw)
        self.opened.append(browser)
        return browser

    def close(self):
        for browser in self.opened:
            browser.close()


@pytest.fixture
def open_browser():
    """A browser with a fresh profile (an empty cache), for checks of the
    cache and the worker: open_browser(engine, size, hosts=[...])."""
    browsers = Browsers()
    yield browsers
    browsers.close()


@pytest.fixture(scope="session")
def chromium():
    """One Chromium for the checks that do not look at the cache (each server
    is an origin of its own)."""
    with Browser(CHROMEBOOK) as browser:
        yield browser


@pytest.fixture(scope="session")
def webkit():
    with WebDriverBrowser("webkit", CHROMEBOOK) as browser:
        yield browser


@pytest.fixture(params=ENGINES)
def engine(request):
    return request.param


@pytest.fixture
def shared_browser(request, engine):
    """The session's browser of the engine."""
    return request.getfixturevalue(engine)


@pytest.fixture(scope="class")
def visit(request, paths, layout):
    """One visit that a class's steps share: the site on a server of its own
    and a fresh browser's page. Parametrized indirectly by an engine's name or
    by a dict of engine, size and the page's mobile and ratio:

        @pytest.mark.parametrize("visit", ENGINES, indirect=True, scope="class")

    Gives site, server, page, the program p, and the engine; a step may keep
    more on it for the steps after."""
    want = getattr(request, "param", "chromium")
    want = dict(engine=want) if isinstance(want, str) else dict(want)
    engine, size = want.pop("engine", "chromium"), want.pop("size", CHROMEBOOK)
    servers = Servers(paths.site)
    site, server = servers()
    try:
        with new_browser(engine, size) as browser:
            page = browser.new_page(**want)
            yield types.SimpleNamespace(engine=engine, site=site, server=server, page=page,
                                        p=Program(page, layout, server.url), layout=layout)
    finally:
        servers.close()
