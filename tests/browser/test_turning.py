"""体心内部's ball-and-stick drawing turned by a mouse and by a finger on a
screen of twice the density (a Chromebook's, an iPad's), and its marker still
taken by a click where its atom has gone."""

import base64
import copy
import math

import pytest

from support import Shot, difference, log, marker_spot

SCREEN = "体心内部"


def changed(t, shot, rect, geometry=None):
    """How much the rect differs from the designed view with the first marker."""
    return difference(t.rest, t.rest_geometry, shot, geometry or t.p.geometry, rect,
                      (rect["width"], rect["height"]))


def grip(t, shot):
    """A point of the drawing well away from the marker the shot shows, in page
    pixels: a press there is the drawing's."""
    d = t.drawing
    mx, my = marker_spot(shot, t.p.geometry, d) or (-1000, -1000)
    cx, cy = d["x"] + d["width"] / 2, d["y"] + d["height"] / 2
    x, y = max(((cx + dx, cy + dy) for dx in (-80, 0, 80) for dy in (-60, 60)),
               key=lambda q: math.dist(q, (mx, my)))
    return t.p.geometry.point(x, y)


def stroke(t, touch):
    # 60 design pixels left and 24 down, in twelve moves: 30° to the left and
    # 12° down, the cell seen more from above.
    x, y = grip(t, t.p.shot())
    k = t.p.scale
    t.page.drag([(x - i * 5 * k, y + i * 2 * k) for i in range(13)], touch=touch)
    t.page.settle(0.4)  # the full drawing follows the release
    shot = t.p.shot()
    turned, piece = changed(t, shot, t.drawing), changed(t, shot, t.cell)
    log(f"  {'finger' if touch else 'mouse'}: the drawing changed by {turned:.1f}, "
        f"the cell beside it by {piece:.1f}")
    assert turned > 5, f"the drawing hardly turned ({turned:.1f})"
    assert piece < 0.5, f"the drag's release put a piece in the cell ({piece:.1f})"
    return shot


def back_to_designed_view(t, what):
    left = changed(t, t.p.shot(), t.drawing)
    log(f"  {what}: the drawing differs from the designed view by {left:.2f}")
    assert left < 0.5, f"{what} left the drawing turned ({left:.2f})"


@pytest.mark.steps
@pytest.mark.parametrize("visit", [{"ratio": 2}], ids=["ratio-2"], indirect=True,
                         scope="class")
class TestTurning:
    def test_interior_at_pixel_ratio_2_run_pressed(self, visit, layout, paths):
        p, page = visit.p, visit.page
        visit.drawing, visit.cell = layout.rect(SCREEN, "Image1"), layout.rect(SCREEN, "Image2")
        visit.picture = paths.screens / f"browser-turned-{SCREEN}.png"
        p.open()
        s = page.state()
        assert s["pictureRatio"] == 2, f"pictures of ratio {s['pictureRatio']} on a 2x screen"
        p.click("Command1", "メニュー")
        p.click("Command1", "体心開始")
        p.through_stages(SCREEN)
        p.click("Command1")  # 実行: the first marker shows
        visit.rest, visit.rest_geometry = p.shot(), p.geometry
        visit.marker = marker_spot(visit.rest, p.geometry, visit.drawing)
        laid = visit.layout.centre(SCREEN, "Image3(0)")
        assert visit.marker, "no marker on the drawing after 実行"
        assert math.dist(visit.marker, laid) < 2.5, \
            f"the marker shows at {visit.marker}, laid at {laid}"

    def test_mouse_drag_turns_drawing_and_marker_no_piece(self, visit):
        p, page = visit.p, visit.page
        shot = stroke(visit, touch=False)
        moved = marker_spot(shot, p.geometry, visit.drawing)
        log(f"  the marker went from {visit.marker} to {moved}")
        assert moved and math.dist(moved, visit.marker) > 3, \
            f"the marker stayed at {moved} while its atom turned"
        # The program's window as the page shows it, at twice its pixels.
        g = p.geometry
        x, y = g.point(0, 0)
        clip = {"x": x, "y": y, "width": g.width * g.k, "height": g.height * g.k, "scale": 1}
        png = page.call("Page.captureScreenshot", {"format": "png", "clip": clip})["data"]
        visit.picture.write_bytes(base64.b64decode(png))

    def test_double_click_brings_back_designed_view(self, visit):
        visit.page.double_click(*grip(visit, visit.p.shot()))
        visit.page.settle(0.3)
        back_to_designed_view(visit, "a double click")

    def test_finger_drag_turns_it_no_piece(self, visit):
        stroke(visit, touch=True)
        visit.turned = visit.p.shot()

    def test_click_on_turned_marker_puts_its_piece_in(self, visit):
        p, page = visit.p, visit.page
        at = marker_spot(visit.turned, p.geometry, visit.drawing)
        assert at, "no marker on the turned drawing"
        page.click(*p.geometry.point(*at))
        page.settle(0.3)
        piece = changed(visit, p.shot(), visit.cell)
        log(f"  a click on the marker at {at}: the cell beside it changed by {piece:.1f}")
        assert piece > 1, f"a click on the marker put no piece in the cell ({piece:.1f})"

    def test_double_tap_brings_back_designed_view(self, visit):
        p, page = visit.p, visit.page
        x, y = grip(visit, p.shot())
        page.tap(x, y)
        page.tap(x, y)
        page.settle(0.3)
        # The next atom's marker shows now; the rest is the designed view.
        left = changed(visit, p.shot(), visit.drawing)
        turned = changed(visit, visit.turned, visit.drawing)
        log(f"  a double tap: the drawing differs from the designed view by {left:.2f} "
            f"(turned: {turned:.1f})")
        assert left < turned / 5, f"a double tap left the drawing turned ({left:.2f})"

    @pytest.mark.look
    def test_picture_kept_shows_the_turned_drawing(self, visit):
        # The docs' picture: the window alone at twice its pixels, the drawing
        # turned, no piece in the cell.
        kept = Shot(visit.page, visit.picture.read_bytes())
        window = copy.copy(visit.rest_geometry)
        window.origin_x = window.origin_y = 0
        turned, piece = (changed(visit, kept, r, window) for r in (visit.drawing, visit.cell))
        assert turned > 5, f"{visit.picture.name} shows the drawing not turned ({turned:.1f})"
        assert piece < 0.5, f"{visit.picture.name} shows a piece put in ({piece:.1f})"
