#include "raycaster.h"
#include "testmain.h"
#include "testsupport.h"

#include <QTest>

using cell::Vec3;

namespace {

// Looking straight down from above: right is +x, up the picture is +y.
cell::Camera topCamera() {
    return render::fittedCamera(0, 90, QSize(40, 40), QRectF(0, 0, 40, 40),
                                {{{-1, -1, 0}, 0.0}, {{1, 1, 0}, 0.0}});
}

render::Ball ball(Vec3 centre, double radius, const QColor& surface, int tag = -1) {
    render::Ball b;
    b.centre = centre;
    b.radius = radius;
    b.surface = surface;
    b.cut = Qt::yellow;
    b.tag = tag;
    return b;
}

QRgb at(const QImage& img, const cell::Camera& cam, Vec3 p) {
    const cell::Point2 q = cam.project(p);
    return img.pixel(int(q.x), int(q.y));
}

bool greenish(QRgb c) {
    return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}
bool bluish(QRgb c) {
    return qBlue(c) > qRed(c) + 40 && qBlue(c) > qGreen(c) + 40;
}
bool yellowish(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 180 && qBlue(c) < 80;
}

} // namespace

// The ray caster decides what every cell picture shows: which body is in
// front, where an atom is cut, and which pixels belong to one piece.
class RayCasterTest : public QObject {
    Q_OBJECT

private slots:
    void cutSideShowsTheFlatFace_data();
    void cutSideShowsTheFlatFace();
    void nearerBodyWinsWhateverTheOrder();
    void onlyTheTaggedBallIsKept();
    void fittedCameraKeepsTheExtentInside();
    void rendersAreRepeatable();
};

void RayCasterTest::cutSideShowsTheFlatFace_data() {
    QTest::addColumn<double>("nz"); // the kept half-space is nz * z <= 0
    QTest::addColumn<bool>("cutSeen");
    QTest::newRow("upper half cut away") << 1.0 << true;
    QTest::newRow("lower half cut away") << -1.0 << false;
}

void RayCasterTest::cutSideShowsTheFlatFace() {
    QFETCH(double, nz);
    QFETCH(bool, cutSeen);
    render::Scene scene;
    render::Ball b = ball({0, 0, 0}, 1, QColor(40, 200, 70));
    b.clip = {{{0, 0, nz}, 0}};
    scene.balls.push_back(b);
    const cell::Camera cam = topCamera();
    const QImage img = render::RayCaster(scene, cam).render(render::RenderOptions());
    const QRgb centre = at(img, cam, {0.1, 0.1, 0});
    QVERIFY(cutSeen ? yellowish(centre) : greenish(centre));
    // Outside the sphere's outline nothing is drawn.
    QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
}

void RayCasterTest::nearerBodyWinsWhateverTheOrder() {
    for (bool greenFirst : {true, false}) {
        render::Scene scene;
        const render::Ball high = ball({0, 0, 0.5}, 0.5, QColor(40, 200, 70));
        const render::Ball low = ball({0.3, 0, 0}, 0.5, QColor(30, 60, 230));
        scene.balls = greenFirst ? std::vector{high, low} : std::vector{low, high};
        // A rod above both crosses them.
        scene.rods.push_back({{-1, 0.2, 2}, {1, 0.2, 2}, 0.08, QColor(30, 60, 230)});
        const cell::Camera cam = topCamera();
        const QImage img = render::RayCaster(scene, cam).render(render::RenderOptions());
        QVERIFY(greenish(at(img, cam, {0.15, -0.2, 0})));
        QVERIFY(bluish(at(img, cam, {0.7, -0.2, 0})));
        QVERIFY(bluish(at(img, cam, {0, 0.2, 0})));
    }
}

void RayCasterTest::onlyTheTaggedBallIsKept() {
    render::Scene scene;
    scene.balls.push_back(ball({0, 0, 0}, 0.6, QColor(40, 200, 70), 0));
    scene.balls.push_back(ball({0.5, 0, 1}, 0.4, QColor(40, 200, 70), 1));
    const cell::Camera cam = topCamera();
    render::RenderOptions opt;
    opt.onlyTag = 0;
    const QImage img = render::RayCaster(scene, cam).render(opt);
    // Where ball 1 lies in front of ball 0, the picture of ball 0 stays clear.
    QCOMPARE(qAlpha(at(img, cam, {0.5, 0, 0})), 0);
    QCOMPARE(qAlpha(at(img, cam, {-0.3, 0, 0})), 255);
    QCOMPARE(qAlpha(at(img, cam, {0.8, 0.3, 0})), 0); // ball 1 alone: not kept either
}

void RayCasterTest::fittedCameraKeepsTheExtentInside() {
    const render::Extent ext = {{{0, 0, 0}, 0.2}, {{1, 2, 0.5}, 0.3}, {{-1, 0.5, 1.5}, 0}};
    const QRectF target(10, 20, 100, 60);
    const cell::Camera cam = render::fittedCamera(-30, 25, QSize(120, 100), target, ext);
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const auto& [p, r] : ext) {
        const cell::Point2 q = cam.project(p);
        const double pr = r * cam.scale;
        left = std::min(left, q.x - pr);
        right = std::max(right, q.x + pr);
        top = std::min(top, q.y - pr);
        bottom = std::max(bottom, q.y + pr);
    }
    QVERIFY(left >= target.left() - 1e-6 && right <= target.right() + 1e-6);
    QVERIFY(top >= target.top() - 1e-6 && bottom <= target.bottom() + 1e-6);
    // It fills the target along one axis at least.
    QVERIFY(std::abs(right - left - target.width()) < 1e-6 ||
            std::abs(bottom - top - target.height()) < 1e-6);
}

void RayCasterTest::rendersAreRepeatable() {
    render::Scene scene;
    render::Ball b = ball({0, 0, 0}, 0.8, QColor(40, 200, 70));
    b.clip = {{{1, 1, 1}, 0.2}};
    scene.balls.push_back(b);
    scene.rods.push_back({{-1, -1, 0}, {1, 1, 0.5}, 0.05, QColor(30, 60, 230)});
    const cell::Camera cam =
        render::fittedCamera(-20, 30, QSize(64, 48), QRectF(0, 0, 64, 48), {{{0, 0, 0}, 1.0}});
    const QImage first = render::RayCaster(scene, cam).render(render::RenderOptions());
    const QImage second = render::RayCaster(scene, cam).render(render::RenderOptions());
    QCOMPARE(first, second);
    // A window of the picture is the same pixels as the whole picture there.
    const QImage part =
        render::RayCaster(scene, cam).render(QRect(20, 10, 24, 20), render::RenderOptions());
    QCOMPARE(part, first.copy(20, 10, 24, 20));
}

MIROSUTA_TEST_CLASS(RayCasterTest)
#include "tst_raycaster.moc"
