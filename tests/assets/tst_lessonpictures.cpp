#include "cellmodel.h"
#include "picturecatalog.h"
#include "picturestore.h"
#include "testmain.h"
#include "testsupport.h"

#include <QImage>
#include <QSet>
#include <QTest>

using cell::Structure;

namespace {

// The picture as stored for ordinary (k = 1) or high-DPI (k = 2) screens.
QImage picture(const QString& name, int k) {
    return QImage(QStringLiteral(":/pictures/%1%2.png").arg(name, k > 1 ? "@2x" : ""))
        .convertToFormat(QImage::Format_ARGB32);
}

bool isRed(QRgb c) {
    return qRed(c) > 120 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool isMagenta(QRgb c) {
    return qRed(c) > 110 && qBlue(c) > 100 && qGreen(c) < 90;
}

// Which side of the line a-b the point p lies on.
double side(cell::Point2 a, cell::Point2 b, double px, double py) {
    return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
}

// The edges of the cell's projected outline (the hull of its corners),
// each with the inside on its left.
std::vector<std::pair<cell::Point2, cell::Point2>> outline(Structure s) {
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    std::vector<cell::Point2> pts;
    for (const cell::Vec3& v : c.corners)
        pts.push_back(cam.project(v));
    std::vector<std::pair<cell::Point2, cell::Point2>> edges;
    for (std::size_t i = 0; i < pts.size(); ++i)
        for (std::size_t j = 0; j < pts.size(); ++j) {
            if (i == j || std::hypot(pts[j].x - pts[i].x, pts[j].y - pts[i].y) < 1e-9)
                continue;
            bool hullEdge = true;
            for (std::size_t k = 0; k < pts.size() && hullEdge; ++k)
                if (side(pts[i], pts[j], pts[k].x, pts[k].y) < -1e-9)
                    hullEdge = false;
            if (hullEdge)
                edges.push_back({pts[i], pts[j]});
        }
    return edges;
}

// How far a point lies outside the outline (0 inside).
double outside(const std::vector<std::pair<cell::Point2, cell::Point2>>& edges, double x,
               double y) {
    double worst = 0;
    for (const auto& [a, b] : edges)
        worst = std::max(worst, -side(a, b, x, y) / std::hypot(b.x - a.x, b.y - a.y));
    return worst;
}

} // namespace

// The lesson screens put a marker at atomCentre over the ball-and-stick
// picture and piece i at pieceRect over the empty cell: the drawn pictures
// must agree with those places.
class LessonPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data();
    void markersSitOnTheirAtoms();
    void piecesLieOnTheirAtomsInsideTheCell();
    void piecesAreDrawnAndOtherwiseTransparent();
};

void LessonPicturesTest::initTestCase_data() {
    QTest::addColumn<int>("structure");
    QTest::addColumn<int>("k"); // pixels per logical pixel
    for (Structure s : cell::kAllStructures)
        for (int k : {1, 2})
            QTest::addRow("%s@%dx", cell::structureKey(s).c_str(), k) << int(s) << k;
}

void LessonPicturesTest::markersSitOnTheirAtoms() {
    QFETCH_GLOBAL(int, structure);
    QFETCH_GLOBAL(int, k);
    const Structure s = Structure(structure);
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    const QImage img = picture(pictures::of(PictureKind::BallStick, s).fileName(), k);
    QCOMPARE(img.size(), QSize(cam.width, cam.height) * k);
    const double ball = cell::ballRadius(s) * cam.scale;
    const QSize marker = pictureSize("marker");
    // The whole marker disc fits on the ball.
    QVERIFY(ball >= marker.width() / 2.0);
    for (int i = 0; i < cell::pieceCount(s); ++i) {
        const cell::Point2 at = cell::atomCentre(s, i);
        const bool corner = c.atoms[std::size_t(i)].site == cell::Site::Corner;
        // The marker's centre shows this atom's own colour (not the ground,
        // an edge or a nearer ball), and so does most of the disc under it.
        auto own = [&](QRgb px) { return corner ? isRed(px) : isMagenta(px); };
        const QRgb centre = img.pixel(int(std::floor(at.x * k)), int(std::floor(at.y * k)));
        QVERIFY2(own(centre),
                 qPrintable(
                     QStringLiteral("atom %1: colour %2 at its centre").arg(i).arg(centre, 8, 16)));
        int inDisc = 0, ownColour = 0;
        const double m = marker.width() / 2.0 * k; // the disc's radius in pixels
        for (int y = int(at.y * k - m); y <= int(at.y * k + m); ++y)
            for (int x = int(at.x * k - m); x <= int(at.x * k + m); ++x) {
                if (std::hypot(x + 0.5 - at.x * k, y + 0.5 - at.y * k) > m)
                    continue;
                ++inDisc;
                ownColour += own(img.pixel(x, y));
            }
        QVERIFY2(ownColour > inDisc * 0.7,
                 qPrintable(QStringLiteral("atom %1: %2 of %3").arg(i).arg(ownColour).arg(inDisc)));
        // No nearer ball covers the centre.
        for (int j = 0; j < cell::pieceCount(s); ++j) {
            if (j == i ||
                cam.depth(c.atoms[std::size_t(j)].pos) <= cam.depth(c.atoms[std::size_t(i)].pos))
                continue;
            const cell::Point2 other = cell::atomCentre(s, j);
            QVERIFY(std::hypot(other.x - at.x, other.y - at.y) > ball + marker.width() / 2.0);
        }
        // The marker lies wholly inside the picture.
        QVERIFY(at.x - marker.width() / 2.0 >= 0 && at.x + marker.width() / 2.0 <= cam.width);
        QVERIFY(at.y - marker.height() / 2.0 >= 0 && at.y + marker.height() / 2.0 <= cam.height);
    }
}

void LessonPicturesTest::piecesLieOnTheirAtomsInsideTheCell() {
    QFETCH_GLOBAL(int, structure);
    QFETCH_GLOBAL(int, k);
    const Structure s = Structure(structure);
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    const double radius = c.radius * cam.scale;
    const auto edges = outline(s);
    for (int i = 0; i < cell::pieceCount(s); ++i) {
        const QImage img = picture(pictures::piece(s, i).fileName(), k);
        const cell::Rect2 r = cell::pieceRect(s, i);
        QCOMPARE(img.size(), QSize(r.width, r.height) * k);
        QVERIFY(r.left >= 0 && r.top >= 0 && r.left + r.width <= cam.width &&
                r.top + r.height <= cam.height);
        const cell::Point2 at = cell::atomCentre(s, i);
        const bool whole = c.atoms[std::size_t(i)].site == cell::Site::Inner;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (qAlpha(img.pixel(x, y)) == 0)
                    continue;
                // The pixel's centre in the empty cell's logical pixels.
                const double px = r.left + (x + 0.5) / k, py = r.top + (y + 0.5) / k;
                QVERIFY2(std::hypot(px - at.x, py - at.y) <= radius + 1.0,
                         qPrintable(QStringLiteral("piece %1 pixel (%2, %3) off its atom")
                                        .arg(i)
                                        .arg(x)
                                        .arg(y)));
                if (!whole)
                    QVERIFY2(outside(edges, px, py) <= 1.0,
                             qPrintable(QStringLiteral("piece %1 pixel (%2, %3) outside the cell")
                                            .arg(i)
                                            .arg(x)
                                            .arg(y)));
            }
    }
}

void LessonPicturesTest::piecesAreDrawnAndOtherwiseTransparent() {
    QFETCH_GLOBAL(int, structure);
    QFETCH_GLOBAL(int, k);
    const Structure s = Structure(structure);
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    const double radius = c.radius * cam.scale;
    for (int i = 0; i < cell::pieceCount(s); ++i) {
        const QImage img = picture(pictures::piece(s, i).fileName(), k);
        int opaque = 0, clear = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (qAlpha(p) == 255) {
                    ++opaque;
                    colours.insert(p);
                } else if (qAlpha(p) == 0) {
                    ++clear;
                }
            }
        // Even the smallest piece (a corner sixth, partly under earlier
        // pieces) covers a good part of its disc, and every piece leaves
        // transparent ground around it.
        const double disc = 3.14159 * radius * radius * k * k; // in pixels
        QVERIFY2(opaque > disc / 40, qPrintable(QStringLiteral("piece %1 nearly empty").arg(i)));
        QVERIFY2(clear > 0, qPrintable(QStringLiteral("piece %1 has no ground").arg(i)));
        QVERIFY(colours.size() > 20); // shaded, not a flat placeholder
    }
}

MIROSUTA_TEST_CLASS(LessonPicturesTest)
#include "tst_lessonpictures.moc"
