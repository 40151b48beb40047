"""The site on a school's network: a filter's login page, a 403 or a portal's
redirect, a download that stalls or is cut, an answer that comes late, a
teacher's upload half done, two copies on one host, plain HTTP, a browser
that will not store. Each check looks at what a learner sees: the screen, the
message the page shows, the text in スタート's panel."""

import time
from pathlib import Path

import pytest

from support import (ENGINES, Answer, Program, difference, first_visit, log, looks_like_start,
                     second_build, wait_for_worker)

# スタート's panel shows this text (its List1).
TEXT = "説明/メニュー/msg1.txt"
EDIT = "先生が書き直した説明です。\n金属の結晶を調べましょう。\n".encode()
LOGIN = ("<!DOCTYPE html><html><head><title>ログイン</title></head>"
         "<body>学校のネットワークにログインしてください。</body></html>").encode()
HTML = {"Content-Type": "text/html; charset=utf-8"}

NOTICE = ("document.getElementById('notice').hidden ? null : "
          "document.getElementById('notice-text').textContent")


class Panel:
    """スタート's text panel as the learner sees it now, to compare with another look."""

    def __init__(self, p):
        self.p, self.shot, self.geometry = p, p.shot(), p.geometry
        self.rect = p.layout.rect("スタート", "List1")

    def differs(self, other):
        size = (self.rect["width"], self.rect["height"])
        return difference(self.shot, self.geometry, other.shot, other.geometry, self.rect, size)


def opened(open_browser, engine, layout, server, path=""):
    return Program(open_browser(engine).new_page(), layout, server.url + path)


def reload_start(p, timeout=60):
    p.page.reload()
    p.wait_first(timeout)
    return Panel(p)


def failed_with(page, timeout=30):
    """The page's message once it has given up (its phase failed)."""
    page.wait("!globalThis.__mtOld && globalThis.mirosutaState && "
              "mirosutaState.phase === 'failed'", timeout, "the page's message")
    return page.eval(NOTICE)


def press_retry(page):
    """The message's button, pressed where it is drawn."""
    r = page.eval("(() => { const b = document.getElementById('restart'); "
                  "const r = b.getBoundingClientRect(); "
                  "return {x: r.x + r.width / 2, y: r.y + r.height / 2, text: b.textContent}; })()")
    assert r["text"] == "もう一度ためす", f"the button reads {r['text']!r}"
    page.leaving()
    page.click(r["x"], r["y"])


# --- Only a real answer replaces a kept copy -----------------------------------------


@pytest.mark.parametrize("engine", ENGINES)
def test_login_page_for_a_text_shows_the_kept_text(engine, open_browser, site_server, layout):
    site, server = site_server
    p = opened(open_browser, engine, layout, server)
    first_visit(p)
    kept = Panel(p)
    site.overrides[TEXT] = Answer(200, HTML, LOGIN)
    now = reload_start(p)
    assert p.page.state()["phase"] == "running"
    assert kept.differs(now) < 1, "スタート's panel shows something else than the kept text"


def test_login_page_on_a_first_visit_is_told(open_browser, site_server, layout):
    # Nothing kept yet: the page says the network answered with its own page,
    # and never gives the program the login page as a lesson's text.
    site, server = site_server
    site.overrides[TEXT] = Answer(200, HTML, LOGIN)
    page = open_browser().new_page()
    page.goto(server.url)
    text = failed_with(page)
    assert text and "別のページ" in text and "ICT担当" in text, f"the page says {text!r}"
    assert page.state()["screensShown"] == 0


@pytest.mark.parametrize("engine", ENGINES)
@pytest.mark.parametrize("answer", [Answer(403, HTML, b"<html><body>blocked</body></html>"),
                                    Answer(302, {"Location": "http://portal.invalid/login"})],
                         ids=["403", "302-to-another-host"])
def test_navigation_answered_by_the_network_runs_the_kept_build(engine, answer, open_browser,
                                                                site_server, layout):
    site, server = site_server
    p = opened(open_browser, engine, layout, server)
    first_visit(p)
    site.overrides["index.html"] = answer
    p.page.reload()
    p.wait_first(30)
    looks_like_start(p, p.shot())


@pytest.mark.parametrize("engine", ENGINES)
def test_redirected_page_runs_offline(engine, open_browser, site_server, layout):
    # A host that sends /index.html to /: the copy kept is usable for a
    # navigation (a redirected response is not).
    site, server = site_server
    server.resolve = lambda path: (Answer(302, {"Location": "/"}) if path == "/index.html"
                                   else site(path))
    p = opened(open_browser, engine, layout, server)
    first_visit(p)
    server.stop()
    for path in ("", "index.html"):
        p.page.goto(server.url + path)
        p.wait_first(30)
        looks_like_start(p, p.shot())


@pytest.mark.parametrize("engine", ENGINES)
def test_half_uploaded_text_is_not_kept(engine, open_browser, site_server, layout):
    site, server = site_server
    p = opened(open_browser, engine, layout, server)
    first_visit(p)
    kept = Panel(p)
    # The length of the whole promised, half of it sent, the connection closed.
    site.overrides[TEXT] = Answer(body=EDIT, stall_after=len(EDIT) // 2, close=True)
    assert kept.differs(reload_start(p)) < 1, "the half-uploaded text shows"
    server.stop()
    assert kept.differs(reload_start(p)) < 1, "offline, the half-uploaded text shows"


def test_picture_pack_of_another_build_is_refused_and_not_kept(open_browser, site_server,
                                                              layout):
    # A server half way through an update gives other bytes at a pack's
    # address: the page says so rather than giving them to the program, and
    # once the server is right, the right pack is what is kept.
    site, server = site_server
    for name in ("pictures.rcc", "pictures@2x.rcc"):
        site.overrides[name] = bytes(reversed((site.folder / name).read_bytes()))
    p = opened(open_browser, "chromium", layout, server)
    p.page.goto(server.url)
    text = failed_with(p.page, 60)
    assert "混ざって" in text, f"the page says {text!r}"
    site.overrides.clear()
    press_retry(p.page)
    p.wait_first(60)
    wait_for_worker(p.page)
    server.stop()
    reload_start(p)
    looks_like_start(p, p.shot())


# --- Late answers ----------------------------------------------------------------------


@pytest.mark.parametrize("engine", ENGINES)
def test_late_answer_is_kept_for_the_next_visit(engine, open_browser, site_server, layout):
    site, server = site_server
    p = opened(open_browser, engine, layout, server)
    first_visit(p)
    kept = Panel(p)
    site.overrides[TEXT] = Answer(body=EDIT, delay=10)
    slow = reload_start(p)
    # The kept text after the worker's 3 s, not the network's edit after 10 s
    # (how soon is the benchmark's to say, not a test's on shared cores).
    log(f"  late answer: スタート {p.page.state()['firstScreenAt']:.0f} ms after the navigation")
    assert kept.differs(slow) < 1, "while the network is slow, not the kept text"
    time.sleep(10)  # the teacher's edit arrives meanwhile
    server.stop()
    edited = kept.differs(reload_start(p))
    log(f"  late answer: offline the panel differs from the old text by {edited:.1f}")
    assert edited > 4, "offline, the old text shows: the late answer was lost"


# --- The page always says what is happening --------------------------------------------


def test_stalled_module_is_told_and_retry_works(open_browser, site_server, layout):
    site, server = site_server
    site.overrides["mirosuta.wasm"] = Answer(stall_after=256_000)
    p = opened(open_browser, "chromium", layout, server)
    started = time.monotonic()
    p.page.goto(server.url)
    text = failed_with(p.page, 30)
    took = time.monotonic() - started
    log(f"  stalled module: told {took:.1f} s after the navigation: {text!r}")
    # 15 s without a byte of any download, after the rest of the start came.
    assert took < 25, f"told only after {took:.1f} s"
    assert "届かなくなりました" in text and "ICT担当" in text, f"the page says {text!r}"
    site.overrides.clear()
    press_retry(p.page)
    p.wait_first(60)


@pytest.mark.parametrize("name", ["mirosuta.wasm", "mirosuta.js", "page.js"])
def test_cut_download_is_told_as_failed(name, open_browser, site_server, layout):
    site, server = site_server
    site.overrides[name] = Answer(stall_after=1000, close=True)
    p = opened(open_browser, "chromium", layout, server)
    p.page.goto(server.url)
    # page.js's own failure is told by index.html, which sets no phase.
    p.page.wait(f"!globalThis.__mtOld && ({NOTICE})", 30, "the page's message")
    text = p.page.eval(NOTICE)
    assert "受け取れませんでした" in text and name in text and "混ざって" not in text, \
        f"the page says {text!r}"
    site.overrides.clear()
    press_retry(p.page)
    p.wait_first(60)


# --- Copies, hosts and storage ---------------------------------------------------------


@pytest.fixture(scope="module")
def second_site(paths):
    import tempfile
    with tempfile.TemporaryDirectory(prefix="mirosuta-second-") as folder:
        yield second_build(paths.build, folder)


@pytest.mark.parametrize("engine", ENGINES)
def test_two_builds_in_sub_paths_side_by_side(engine, open_browser, serve, paths, second_site,
                                              scratch, layout):
    (scratch / "class-a").symlink_to(paths.site)
    (scratch / "class-b").symlink_to(second_site)
    _, server = serve(scratch)
    page = open_browser(engine).new_page()
    builds = {}
    for copy, site in (("class-a/", paths.site), ("class-b/", second_site)):
        p = Program(page, layout, server.url + copy)
        first_visit(p)
        builds[copy] = page.state()["build"]["module"]
    assert builds["class-a/"] != builds["class-b/"]
    server.stop()
    for copy in ("class-a/", "class-b/", "class-a/"):
        p = Program(page, layout, server.url + copy)
        p.open()
        assert page.state()["build"]["module"] == builds[copy], f"offline, {copy} runs another build"
        looks_like_start(p, p.shot())


def test_plain_http_host_shows_an_edit_at_the_next_load(open_browser, serve, layout):
    # No worker on plain HTTP under a real host name: the text is asked of
    # the server every time, however old the file's date.
    site, server = serve(host="school.example")
    site.overrides[TEXT] = Answer(headers={"Last-Modified": "Mon, 01 Jan 2024 00:00:00 GMT"})
    p = Program(open_browser("chromium", hosts=["school.example"]).new_page(), layout, server.url)
    p.open()
    assert p.page.eval("!isSecureContext && !navigator.serviceWorker?.controller")
    before = Panel(p)
    site.overrides[TEXT] = EDIT
    assert before.differs(reload_start(p)) > 4, "the old text still shows after the edit"


def test_storage_refused_is_told_once(open_browser, site_server, layout):
    _, server = site_server
    p = opened(open_browser, "chromium", layout, server)
    p.page.call("Storage.overrideQuotaForOrigin",
                {"origin": server.url.rstrip("/"), "quotaSize": 1_000_000})
    p.open()
    p.page.wait("mirosutaState.storage === 'failed'", 60, "the page's word on storage")
    note = p.page.eval("document.getElementById('storage-note').hidden ? null : "
                       "document.getElementById('storage-note-text').textContent")
    assert note and "ネットワーク" in note, f"the page says {note!r}"
    looks_like_start(p, p.shot())
