"""Qt's accessibility layer in the page: it names the elements in Japanese
once turned on, and what a learner takes is a control a screen reader can
press, where it is drawn, at the scale of a Chromebook's page and of an
iPad's (twice the pixels)."""

import math

import pytest

from support import IPAD, PAGE_HELPERS, log, marker_spot, pressable_nodes

READER_BUTTON = "__mt.deep(document, 'button.hidden-visually-read-by-screen-reader')[0]"


def names(page):
    nodes = page.call("Accessibility.getFullAXTree")["nodes"]
    return [(n.get("role", {}).get("value"), n.get("name", {}).get("value", ""))
            for n in nodes if not n.get("ignored")]


@pytest.mark.steps
@pytest.mark.parametrize("visit", ["chromium"], ids=["chromebook"], indirect=True, scope="class")
class TestAccessibility:
    @pytest.mark.look
    def test_button_turning_it_on_reads_japanese(self, visit):
        visit.p.open()
        visit.page.eval(PAGE_HELPERS)
        # Qt keeps its screens in a shadow root: looked for there too.
        label = visit.page.eval(f"(() => {{ const b = {READER_BUTTON}; "
                                 "return b ? b.textContent : null; })()")
        assert label is not None, "no button turns the accessibility layer on"
        assert label == "読み上げを有効にする", f"the button reads {label!r}"

    def test_japanese_names_in_the_tree(self, visit):
        p, page = visit.p, visit.page
        if p.page.eval("!globalThis.mirosutaState") or p.screen != "スタート":
            p.open()
        page.eval(PAGE_HELPERS)
        assert page.eval(f"!!{READER_BUTTON}"), "no button turns the accessibility layer on"
        page.eval(f"{READER_BUTTON}.click()")
        page.settle(0.5)
        page.call("Accessibility.enable")
        start = names(page)
        log(f"  accessibility: on スタート: {[n for n in start if n[1]][:12]}")
        assert ("button", "メニュー") in start, \
            "a screen reader finds no button メニュー on スタート"
        p.click("Command1", "メニュー")
        p.click("Command1", "体心開始")
        p.through_stages("体心内部")
        p.click("Command1")
        page.settle(0.5)
        inside = [n for n in names(page) if n[1].startswith("頂点の原子")]
        log(f"  accessibility: on 体心内部 after 実行: {inside}")
        assert inside, "a screen reader finds no marker 頂点の原子 … on 体心内部"


def interior(p):
    p.through_stages("体心内部")
    p.click("Command1")  # 実行: the first marker shows


def drill(p):
    p.click("Command1", "メニュー")
    p.click("Command5", "ドリル開始")
    p.click("Command1", "ドリル")


def controls_where_drawn(visit, screen, wanted):
    """Asserts that the screen has the controls wanted (object, role, the start
    of its name) and that each control's box is where it is drawn."""
    p, page = visit.p, visit.page
    page.settle(0.5)
    nodes = {n["object"]: n for n in pressable_nodes(page)}
    for obj, role, name in wanted:
        n = nodes.get(obj)
        assert n and n["role"] == role and n["name"].startswith(name), \
            (f"{screen}'s {obj} is {n and (n['role'], n['name'])} to a screen reader, not "
             f"a {role} named {name}… (the tree's: "
             f"{[(k, v['role'], v['name']) for k, v in nodes.items()]})")
    g, placed = p.geometry, visit.layout.screens[screen]["elements"]
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
    log(f"  {screen}: {len(nodes)} controls, {len(nodes) - len(off)} within 2 px")
    assert not off, "a screen reader's box is not where it is drawn: " + "; ".join(off[:5])


@pytest.mark.steps
@pytest.mark.parametrize("visit", ["chromium", {"size": IPAD, "mobile": True}],
                         ids=["chromebook", "ipad"], indirect=True, scope="class")
class TestAccessibleControls:
    def test_page_with_its_reader_on(self, visit):
        p, page = visit.p, visit.page
        p.open()
        page.eval(PAGE_HELPERS)
        page.eval(f"{READER_BUTTON}.click()")
        page.settle(0.5)
        page.call("Accessibility.enable")
        page.call("DOM.enable")
        p.click("Command1", "メニュー")

    # Each screen as a learner reaches it from the one before.
    def test_body_centred_start_run_is_a_button(self, visit):
        visit.p.click("Command1", "体心開始")
        controls_where_drawn(visit, "体心開始", [("Command1", "button", "実行")])

    def test_interior_marker_is_a_button(self, visit):
        interior(visit.p)
        controls_where_drawn(visit, "体心内部", [("Image3(0)", "button", "頂点の原子")])

    def test_summary_entry_is_a_link(self, visit):
        visit.p.click("Command2", "メニュー")
        visit.p.click("Command4", "まとめ")
        controls_where_drawn(visit, "まとめ", [("Label8", "link", "")])

    def test_drill_digits_are_buttons(self, visit):
        drill(visit.p)
        controls_where_drawn(visit, "ドリル",
                             [(f"Command2({d})", "button", str(d)) for d in range(10)])

    def test_turned_drawings_marker_where_its_atom_went(self, visit):
        # The drawing turned by a drag away from the marker: the marker's
        # element goes where its atom is now drawn.
        p, page, layout = visit.p, visit.page, visit.layout
        p.click("Command1", "メニュー")  # from ドリル
        p.click("Command1", "体心開始")
        interior(p)
        drawing, g = layout.rect("体心内部", "Image1"), p.geometry
        x, y = g.point(drawing["x"] + 60, drawing["y"] + drawing["height"] - 40)
        page.drag([(x + i * 5 * g.k, y - i * 2 * g.k) for i in range(13)])
        page.settle(0.5)
        spot = marker_spot(p.shot(), g, drawing)
        n = {n["object"]: n for n in pressable_nodes(page)}.get("Image3(0)")
        assert spot and n, f"the marker drawn at {spot}, in the tree {n}"
        bx, by, bw, bh = n["box"]
        off = math.dist((bx + bw / 2, by + bh / 2), g.point(*spot))
        log(f"  turned: the marker drawn at {g.point(*spot)}, its element's centre {off:.1f} px "
            "from it")
        assert off <= 2, f"a screen reader finds the marker {off:.1f} px from where it is drawn"
