"""A learner's tour of the site by mouse, keys and touch: in Chromium with
DevTools' input (its screenshots are docs/screens/browser-*.png), and with
WebDriver's own input actions in Chromium and in WebKitGTK (webkit-*.png);
and the first screens on an iPad."""

import time
from pathlib import Path

import pytest

from support import (IPAD, Program, Shot, difference, looks_like_start, log,
                     reference_difference)

TOURS = ("chromium", "chromium-webdriver", "webkit")


def save(t, paths, screen, shot, right, wrong):
    """Keeps the shot as the screen's picture, with the desktop's pictures of
    it (right) and of what it must not look like (wrong): the docs' browser-*
    and webkit-*, the rest beside the build."""
    path = {"chromium": paths.screens / f"browser-{screen}.png",
            "webkit": paths.screens / f"webkit-{screen}.png"}.get(
                t.engine, paths.kept / f"webdriver-chromium-{screen}.png")
    shot.save(path)
    t.saved = getattr(t, "saved", {})
    t.saved[screen] = (path, shot, t.p.geometry, right, wrong)


@pytest.mark.steps
@pytest.mark.parametrize("visit", TOURS, indirect=True, scope="class")
class TestTour:
    def test_start_drawn_mostly_cyan_ground(self, visit, paths):
        p, page = visit.p, visit.page
        p.open()
        s = page.state()
        assert s["phase"] == "running", f"the page is {s['phase']}: {s['report']}"
        assert not s["missing"], f"texts missing: {s['missing']}"
        shot = p.shot()
        looks_like_start(p, shot)
        save(visit, paths, "スタート", shot, "スタート-0", "メニュー-0")
        log(f"  スタート: first drawn at {s['firstScreenAt']:.0f} ms, scale {s['scale']}, "
            f"window {p.geometry.window}")

    @pytest.mark.look
    def test_start_centred_at_its_scale(self, visit):
        g = visit.p.geometry
        assert g.centred(), (f"the window lies at {g.window} on a page of "
                             f"{g.info['innerWidth']}x{g.info['innerHeight']}, the design "
                             f"being {g.width * g.k:.0f}x{g.height * g.k:.0f}")

    def test_menu_by_a_mouse_click(self, visit):
        visit.p.click("Command1", "メニュー")

    def test_body_centred_intro_to_interior(self, visit):
        # 体心立方 to 体心開始, 実行 three times to 体心内部.
        visit.p.click("Command1", "体心開始")
        visit.p.through_stages("体心内部")

    def test_interior_built_by_clicks_and_a_tap(self, visit, paths):
        p, layout = visit.p, visit.layout
        before = p.shot()
        p.click("Command1", touch=True)
        after = p.shot()
        run = layout.rect("体心内部", "Command1")
        changed = difference(before, p.geometry, after, p.geometry, run, (64, 32))
        assert changed > 8, f"a tap on 実行 changed nothing ({changed:.1f})"
        for marker in layout.array("体心内部", "Image3"):
            p.click(marker)
        built = p.shot()
        # The desktop's pictures of the whole cell (実行 and every marker; the
        # stage after them, 再確認, takes the pieces out) and of three pieces
        # in (実行 and three markers).
        whole = f"体心内部-{1 + len(layout.array('体心内部', 'Image3'))}"
        full = reference_difference(built, p.geometry, whole)
        half = reference_difference(built, p.geometry, "体心内部-4")
        log(f"  体心内部 built: mean difference {full:.1f} from the desktop's {whole}, "
            f"{half:.1f} from 体心内部-4")
        if full > half:
            built.save(paths.kept / "体心内部-not-built.png")
        assert full < half, "the page looks more like the half-built cell than the whole one"
        save(visit, paths, "体心内部", built, whole, "体心内部-4")
        p.click("Command3", "体心原子")  # 次に進む shows only once the cell is whole

    def test_interior_built_by_keys_alone(self, visit):
        # Tab, Space and Enter alone.
        p, page = visit.p, visit.page
        p.click("Command2", "メニュー")
        p.click("Command1", "体心開始")
        p.through_stages("体心内部")
        p.build_cell_by_keys()
        # 次に進む has the focus; Tab on to 再確認, which takes the pieces out.
        page.key("Tab")
        page.key("Space")
        page.settle()
        assert p.screen == "体心内部", f"Tab and Space on 再確認 went to {p.screen}"
        for i, _ in enumerate(visit.layout.array("体心内部", "Image3")):
            page.key("Enter" if i % 2 else "Space")
            page.settle(0.05)
        page.key("Space")
        page.wait_screen("体心原子", 10)

    def test_summary_links_into_a_lesson(self, visit):
        p = visit.p
        p.click("Command2", "メニュー")
        p.click("Command4", "まとめ")
        p.click("Label8", "体心内部")

    def test_drill_answered_by_digit_keys_with_a_sound(self, visit):
        p, page = visit.p, visit.page
        p.click("Command2", "メニュー")
        p.click("Command5", "ドリル開始")
        p.click("Command1", "ドリル")
        started = page.state()["soundsStarted"]
        p.click("Command2(1)")
        p.click("Command2(2)")
        page.wait(f"mirosutaState.soundsStarted > {started}", 10, "a sound of the answer")
        time.sleep(0.5)
        s = page.state()
        log(f"  ドリル: sounds started {s['soundsStarted']}, played {s['soundsPlayed']}")

    def test_packing_through_its_stages_answered_with_a_sound(self, visit):
        p, page, layout = visit.p, visit.page, visit.layout
        p.click("Command1", "メニュー")
        p.click("Command8")  # the menu's other page, with the further lessons
        p.click("Further(0)", "充填率")
        for screen, following in (("充填率", "充填率計算"), ("充填率計算", "密度"),
                                  ("密度", "密度問題")):
            for _ in layout.stages(screen)[:-1]:
                p.click("Command1")
            p.click("Command1", following)
        started = page.state()["soundsStarted"]
        p.click("Command2(1)")
        p.click("Command2(2)")
        page.wait(f"mirosutaState.soundsStarted > {started}", 10, "a sound of the answer")

    def test_stacking_to_the_twelve_neighbours(self, visit, paths):
        p, layout = visit.p, visit.layout
        p.click("Command1", "メニュー")
        p.click("Command8")
        p.click("Further(1)", "積み重ね開始")
        p.through_stages("積み重ね選択")
        p.through_stages("積み重ね格子")  # the third layer over A first
        for stage in layout.stages("積み重ね格子"):
            p.click(stage["press"])
        shot = p.shot()
        # The twelve neighbours in both stacks, as the desktop draws them.
        last = f"積み重ね格子-{len(layout.stages('積み重ね格子'))}"
        done = reference_difference(shot, p.geometry, last)
        first = reference_difference(shot, p.geometry, "積み重ね格子-0")
        log(f"  積み重ね格子: mean difference {done:.1f} from the desktop's {last}, "
            f"{first:.1f} from 積み重ね格子-0")
        assert done < first, "the page shows the cells, not the twelve neighbours"
        save(visit, paths, "積み重ね格子", shot, last, "積み重ね格子-0")
        p.click("Command2", "メニュー")

    def test_end_shown_and_its_button_starts_anew(self, visit):
        p, page = visit.p, visit.page
        if p.screen != "メニュー":
            p.click("Command1", "メニュー")
        p.click("Command7")
        page.wait("mirosutaState.phase === 'ended'", 10, "the end")
        notice = page.eval("({shown: !document.getElementById('notice').hidden, "
                           "text: document.getElementById('notice-text').textContent, "
                           "button: document.getElementById('restart').textContent})")
        assert notice["shown"] and notice["text"] == "ミロスタを終了しました。", \
            f"終了 shows {notice}"
        r = page.eval("(() => { const r = document.getElementById('restart')"
                      ".getBoundingClientRect(); return {x: r.x + r.width / 2, "
                      "y: r.y + r.height / 2}; })()")
        page.leaving()
        page.click(r["x"], r["y"])
        p.wait_first()

    @pytest.mark.look
    def test_pictures_kept_show_the_screens(self, visit):
        # Each picture kept (the docs' for two of the tours) is this run's
        # screen, and looks like the desktop's picture of it, not of another.
        saved = getattr(visit, "saved", {})
        assert set(saved) == {"スタート", "体心内部", "積み重ね格子"}, \
            f"only {sorted(saved)} were kept"
        for path, shot, g, right, wrong in saved.values():
            kept = Shot(visit.page, Path(path).read_bytes())
            fresh = difference(kept, g, shot, g)
            near, far = (reference_difference(kept, g, name) for name in (right, wrong))
            assert fresh < 0.5, f"{path.name} is not the screen of this run ({fresh:.2f})"
            assert near < far, f"{path.name} looks more like the desktop's {wrong} than {right}"


def test_ipad_start_at_its_scale_menu_by_a_tap(site_server, open_browser, layout):
    _, server = site_server
    page = open_browser("chromium", IPAD).new_page(mobile=True)
    p = Program(page, layout, server.url)
    p.open()
    s = page.state()
    assert s["scale"] == 1.53, f"スタート is drawn at scale {s['scale']} on an iPad"
    assert s["picturePack"] == "pictures@2x.rcc", \
        f"the page fetched {s['picturePack']} for a screen of twice the pixels"
    looks_like_start(p, p.shot())
    p.click("Command1", "メニュー", touch=True)
