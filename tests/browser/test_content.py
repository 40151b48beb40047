"""The texts on the server: a damaged one is reported by its path, and a
teacher's edit reaches the program at the next load, in both engines."""

import pytest

from support import ENGINES, Program, difference, first_visit, log

EDITED = "説明/メニュー/msg1.txt"  # スタート's List1
# Its last line holds kanji of the second level, which only the font fetched
# for such a text has.
EDIT = "先生が書き直した説明です。\n金属の結晶を調べよう。\n{}\n"


def test_missing_text_named_by_its_path(engine, shared_browser, site_server, layout,
                                        keep_shot):
    gone = "説明/体心立方/msg1.txt"
    site, server = site_server
    site.overrides[gone] = None
    page = shared_browser.new_page()
    p = Program(page, layout, server.url)
    p.open()
    assert page.state()["missing"] == [gone], \
        f"the page finds {page.state()['missing']} missing, not {gone}"
    p.click("Command1", "メニュー")
    p.click("Command1")
    page.wait("mirosutaState.phase === 'report'", 10, "the report of the missing text")
    page.settle()
    keep_shot("report", page.screenshot(), engine)
    text = page.eval("document.getElementById('notice-text').textContent")
    shown = page.eval("!document.getElementById('notice').hidden")
    log(f"  report: {text!r}")
    assert shown and "/" + gone in text, f"the report reads {text!r}"


@pytest.mark.steps
@pytest.mark.parametrize("visit", ENGINES, indirect=True, scope="class")
class TestTeachersEdit:
    def test_utf8_text_shows_at_the_next_load(self, visit, layout, keep_shot):
        p, page, site = visit.p, visit.page, visit.site
        first_visit(p)
        first, first_geo = p.shot(), p.geometry
        site.overrides[EDITED] = EDIT.format("鍮坩堝鑞鉑").encode()
        page.reload()
        p.wait_first()
        s = page.state()
        assert s["phase"] == "running", f"the edited text stops the page: {s['report']}"
        second = p.shot()
        visit.second = (second, p.geometry)
        keep_shot("edit-before", first.png, visit.engine)
        keep_shot("edit-after", second.png, visit.engine)
        panel = layout.rect("スタート", "List1")
        inside = difference(first, first_geo, second, p.geometry, panel,
                            (panel["width"], panel["height"]))
        button = layout.rect("スタート", "Command1")
        outside = difference(first, first_geo, second, p.geometry, button,
                             (button["width"], button["height"]))
        log(f"  edit: panel changed by {inside:.1f}, メニュー button by {outside:.1f}")
        assert inside > 4, f"スタート's text is as before the edit ({inside:.1f})"
        assert outside < 1, f"the rest of スタート changed too ({outside:.1f})"
        assert s["moreKanji"] == "fetched", f"the rarer kanji's font: {s['moreKanji']}"

    def test_second_level_kanji_drawn(self, visit, layout):
        # The same kanji in another order: boxes for glyphs the fonts lack
        # would look alike (0; one short line of the panel changes 0.4).
        p, page = visit.p, visit.page
        visit.site.overrides[EDITED] = EDIT.format("鉑鑞堝坩鍮").encode()
        page.reload()
        p.wait_first()
        panel = layout.rect("スタート", "List1")
        second, second_geo = visit.second
        swapped = difference(second, second_geo, p.shot(), p.geometry, panel,
                             (panel["width"], panel["height"]))
        log(f"  edit: the second-level kanji swapped change the panel by {swapped:.2f}")
        assert swapped > 0.1, f"the rarer kanji look alike, as boxes would ({swapped:.2f})"
