#include "celldrawing.h"
#include "cellmodel.h"
#include "crystals.h"
#include "metals.h"
#include "stacking.h"
#include "testmain.h"
#include "testsupport.h"

#include <QTest>
#include <cmath>
#include <numbers>

using cell::Structure;

Q_DECLARE_METATYPE(cell::CrystalType)

namespace {

double r3Pi16() {
    return std::sqrt(3.0) * std::numbers::pi / 16;
}

} // namespace

// The cell model is what the lessons count with and what every picture is
// drawn from: its fractions must be the true share of each atom inside the cell.
class CellModelTest : public QObject {
    Q_OBJECT

private slots:
    void countsAtomsPerCell_data();
    void countsAtomsPerCell();
    void fractionsAreTheShareInsideTheCell_data();
    void fractionsAreTheShareInsideTheCell();
    void wholeAtomsOfThePrismAreItsMiddleLayer();
    void piecesComeInTheLessonsOrder_data();
    void piecesComeInTheLessonsOrder();
    void packingFractions_data();
    void packingFractions();
    void densitiesAgreeWithTheHandbook_data();
    void densitiesAgreeWithTheHandbook();
    void stacksGiveTwelveNeighbours_data();
    void stacksGiveTwelveNeighbours();
    void thirdLayerPlacesAreOverAAndC();
    void crystalsCountAsTheTextbook_data();
    void crystalsCountAsTheTextbook();
    void substancesMeetTheirHandbook();
};

// The share the atoms fill, from the model's atoms, radius and cell, against
// the closed forms the lesson derives.
void CellModelTest::packingFractions_data() {
    QTest::addColumn<int>("structure");
    QTest::addColumn<double>("fraction");
    const double pi = std::numbers::pi;
    QTest::newRow("bcc") << int(Structure::Bcc) << std::sqrt(3.0) * pi / 8;
    QTest::newRow("fcc") << int(Structure::Fcc) << std::sqrt(2.0) * pi / 6;
    QTest::newRow("hcp") << int(Structure::Hcp) << std::sqrt(2.0) * pi / 6;
}

void CellModelTest::packingFractions() {
    QFETCH(int, structure);
    QFETCH(double, fraction);
    QVERIFY(std::abs(cell::packingFraction(Structure(structure)) - fraction) < 1e-12);
}

// ρ = n·M / (N_A·a³) from the table against measured densities, within 3 %.
void CellModelTest::densitiesAgreeWithTheHandbook_data() {
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<double>("handbook");
    QTest::newRow("Cu") << "Cu" << 8.96;
    QTest::newRow("Al") << "Al" << 2.70;
    QTest::newRow("Na") << "Na" << 0.97;
    QTest::newRow("Fe") << "Fe" << 7.87;
}

void CellModelTest::densitiesAgreeWithTheHandbook() {
    QFETCH(QString, symbol);
    QFETCH(double, handbook);
    const std::string key = symbol.toStdString();
    const cell::Metal& m = cell::metal(key);
    QCOMPARE(QString::fromLatin1(m.symbol.data(), qsizetype(m.symbol.size())), symbol);
    const double rho = cell::density(m);
    QVERIFY2(std::abs(rho - handbook) <= 0.03 * handbook, qPrintable(QString::number(rho)));
}

void CellModelTest::countsAtomsPerCell_data() {
    QTest::addColumn<int>("structure");
    QTest::addColumn<int>("pieces");
    QTest::addColumn<double>("atoms");
    QTest::newRow("bcc") << int(Structure::Bcc) << 9 << 2.0;
    QTest::newRow("fcc") << int(Structure::Fcc) << 14 << 4.0;
    QTest::newRow("hcp") << int(Structure::Hcp) << 17 << 6.0;
}

void CellModelTest::countsAtomsPerCell() {
    QFETCH(int, structure);
    QFETCH(int, pieces);
    QFETCH(double, atoms);
    const Structure s = Structure(structure);
    QCOMPARE(cell::pieceCount(s), pieces);
    QCOMPARE(cell::atomsPerCell(cell::model(s)), atoms);
}

void CellModelTest::fractionsAreTheShareInsideTheCell_data() {
    QTest::addColumn<int>("structure");
    for (Structure s : cell::kAllStructures)
        QTest::newRow(cell::structureKey(s).c_str()) << int(s);
}

void CellModelTest::fractionsAreTheShareInsideTheCell() {
    QFETCH(int, structure);
    const cell::Cell& c = cell::model(Structure(structure));
    // Measure the share of every cut atom on a grid of points in its sphere.
    const int n = 36;
    for (std::size_t i = 0; i < c.atoms.size(); ++i) {
        const cell::Atom& a = c.atoms[i];
        if (a.site == cell::Site::Inner)
            continue;
        int inSphere = 0, inCell = 0;
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y)
                for (int z = 0; z < n; ++z) {
                    const cell::Vec3 d{(x + 0.5) / n * 2 - 1, (y + 0.5) / n * 2 - 1,
                                       (z + 0.5) / n * 2 - 1};
                    if (d.dot(d) > 1)
                        continue;
                    ++inSphere;
                    if (c.inside(a.pos + d * c.radius))
                        ++inCell;
                }
        const double share = double(inCell) / inSphere;
        const double expected = double(a.fractionNum) / a.fractionDen;
        QVERIFY2(std::abs(share - expected) < 0.01,
                 qPrintable(QStringLiteral("atom %1: %2 inside, model says %3")
                                .arg(i)
                                .arg(share)
                                .arg(expected)));
    }
}

void CellModelTest::wholeAtomsOfThePrismAreItsMiddleLayer() {
    // The three middle-layer atoms of the prism are counted whole: each sits
    // over a hollow of the bottom layer, touching its three atoms.
    const cell::Cell& c = cell::model(Structure::Hcp);
    int whole = 0;
    for (const cell::Atom& a : c.atoms) {
        if (a.site != cell::Site::Inner)
            continue;
        ++whole;
        int touching = 0;
        for (const cell::Atom& b : c.atoms)
            if (b.pos.z == 0 && std::abs((a.pos - b.pos).length() - 2 * c.radius) < 1e-9)
                ++touching;
        QCOMPARE(touching, 3);
    }
    QCOMPARE(whole, 3);
}

void CellModelTest::piecesComeInTheLessonsOrder_data() {
    QTest::addColumn<int>("structure");
    QTest::addColumn<QString>("sites"); // C corner, F face, I inner, in index order
    QTest::newRow("bcc") << int(Structure::Bcc) << "CCCCICCCC";
    QTest::newRow("fcc") << int(Structure::Fcc) << "CCFCCFFFFCCFCC";
    QTest::newRow("hcp") << int(Structure::Hcp) << "CCCCIICCFFCCICCCC";
}

void CellModelTest::piecesComeInTheLessonsOrder() {
    QFETCH(int, structure);
    QFETCH(QString, sites);
    const Structure s = Structure(structure);
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    QCOMPARE(int(c.atoms.size()), sites.size());
    double backHalf = 0, frontHalf = 0;
    for (int i = 0; i < sites.size(); ++i) {
        const char expected = sites[i].toLatin1();
        const char actual = "CFEI"[int(c.atoms[std::size_t(i)].site)];
        QCOMPARE(actual, expected);
        // Broadly back to front: the first half lies deeper than the second.
        (i < sites.size() / 2 ? backHalf : frontHalf) += cam.depth(c.atoms[std::size_t(i)].pos);
    }
    QVERIFY(backHalf / (sites.size() / 2) < frontHalf / (sites.size() - sites.size() / 2));
}

void CellModelTest::stacksGiveTwelveNeighbours_data() {
    QTest::addColumn<int>("structure");
    QTest::newRow("fcc ABC") << int(Structure::Fcc);
    QTest::newRow("hcp ABAB") << int(Structure::Hcp);
}

void CellModelTest::stacksGiveTwelveNeighbours() {
    // Counted in the stacks themselves: every sphere of a middle layer
    // touches six in its layer, three above and three below, and no two
    // spheres overlap.
    using namespace cell::stacking;
    QFETCH(int, structure);
    const Structure s = Structure(structure);
    const double h = layerSpacing();
    const std::vector<cell::Vec3> spheres = stack(s, 5, 4.0);
    int looked = 0;
    for (const cell::Vec3& focus : spheres) {
        if (std::hypot(focus.x, focus.y) > 2.0 || std::abs(focus.z - 2 * h) > 1e-9)
            continue;
        ++looked;
        int below = 0, same = 0, above = 0;
        std::vector<cell::Vec3> under, over;
        for (const cell::Vec3& p : touching(spheres, focus)) {
            const double dz = p.z - focus.z;
            if (dz < -1e-9)
                ++below, under.push_back(p - focus);
            else if (dz > 1e-9)
                ++above, over.push_back(p - focus);
            else
                ++same;
        }
        QCOMPARE(below + same + above, 12);
        QCOMPARE(same, 6);
        QCOMPARE(below, 3);
        QCOMPARE(above, 3);
        for (const cell::Vec3& p : spheres)
            QVERIFY((p - focus).length() > 1 - 1e-9 || (p - focus).length() < 1e-9);
        // ABAB: the three above stand straight over the three below; ABC:
        // turned by 60 degrees, so none does.
        int straightOver = 0;
        for (const cell::Vec3& o : over)
            for (const cell::Vec3& u : under)
                if (std::hypot(o.x - u.x, o.y - u.y) < 1e-9)
                    ++straightOver;
        QCOMPARE(straightOver, s == Structure::Hcp ? 3 : 0);
    }
    QVERIFY(looked >= 7);

    // The model's cell stands in the stack: each of its atoms on a sphere,
    // the cube's body diagonal upright.
    const std::vector<cell::Vec3> four = stack(s, 4, 3.0);
    for (const cell::Atom& a : cell::model(s).atoms) {
        const cell::Vec3 p = inStack(s, a.pos);
        QVERIFY(std::any_of(four.begin(), four.end(),
                            [&](const cell::Vec3& q) { return (q - p).length() < 1e-9; }));
    }
    const cell::Vec3 axis = inStack(s, s == Structure::Fcc ? cell::Vec3{1, 1, 1}
                                                           : cell::Vec3{0, 0, 1.6329931618554521});
    QVERIFY(std::hypot(axis.x, axis.y) < 1e-9);
    QCOMPARE(axis.z, (s == Structure::Fcc ? 3 : 2) * h);
}

void CellModelTest::thirdLayerPlacesAreOverAAndC() {
    // The two markers of the choice: one over a sphere of A, one over a
    // hollow that neither A nor B uses; each a place a sphere can take.
    using namespace cell::stacking;
    const auto choice = celldrawing::cellDrawing(pictures::StackChoice);
    const double h = layerSpacing();
    auto onNet = [](Layer l, cell::Vec3 p) {
        for (const cell::Vec3& q : layerSites(l, 0, 5))
            if (std::hypot(p.x - q.x, p.y - q.y) < 1e-9)
                return true;
        return false;
    };
    const std::optional<cell::Vec3> overA = choice->atomPosition(0),
                                    overC = choice->atomPosition(1);
    QVERIFY(overA && overC && !choice->atomPosition(2));
    QVERIFY(onNet(Layer::A, *overA) && !onNet(Layer::B, *overA) && !onNet(Layer::C, *overA));
    QVERIFY(onNet(Layer::C, *overC) && !onNet(Layer::A, *overC) && !onNet(Layer::B, *overC));
    for (const cell::Vec3& place : {*overA, *overC}) {
        QCOMPARE(place.z, 2 * h);
        QCOMPARE(int(touching(layerSites(Layer::B, h, 5), place).size()), 3);
    }
}

void CellModelTest::crystalsCountAsTheTextbook_data() {
    QTest::addColumn<cell::CrystalType>("type");
    QTest::addColumn<double>("cations");
    QTest::addColumn<double>("anions");
    QTest::addColumn<int>("coordination");
    QTest::addColumn<double>("contact");  // over a
    QTest::addColumn<double>("limiting"); // r⁺/r⁻, 0 for no ions
    const double r2 = std::sqrt(2.0), r3 = std::sqrt(3.0), r6 = std::sqrt(6.0);
    QTest::newRow("NaCl") << cell::CrystalType::NaCl << 4.0 << 4.0 << 6 << 0.5 << r2 - 1;
    QTest::newRow("CsCl") << cell::CrystalType::CsCl << 1.0 << 1.0 << 8 << r3 / 2 << r3 - 1;
    QTest::newRow("ZnS") << cell::CrystalType::ZnS << 4.0 << 4.0 << 4 << r3 / 4 << r6 / 2 - 1;
    QTest::newRow("diamond") << cell::CrystalType::Diamond << 8.0 << 0.0 << 4 << r3 / 4 << 0.0;
}

void CellModelTest::crystalsCountAsTheTextbook() {
    QFETCH(cell::CrystalType, type);
    QFETCH(double, cations);
    QFETCH(double, anions);
    QFETCH(int, coordination);
    QFETCH(double, contact);
    QFETCH(double, limiting);
    const cell::Crystal& c = cell::crystal(type);
    QCOMPARE(cell::particlesPerCell(c, 0), cations);
    QCOMPARE(cell::particlesPerCell(c, 1), anions);
    QCOMPARE(cell::coordinationNumber(c, 0), coordination);
    if (c.ionic())
        QCOMPARE(cell::coordinationNumber(c, 1), coordination);
    QVERIFY(std::abs(cell::contactOverEdge(c) - contact) < 1e-12);
    if (c.ionic())
        QVERIFY(std::abs(cell::limitingRadiusRatio(c) - limiting) < 1e-12);
    else // diamond fills √3π/16 of its cell
        QVERIFY(std::abs(cell::packingFraction(c) - r3Pi16()) < 1e-12);
}

void CellModelTest::substancesMeetTheirHandbook() {
    // Every density within 3 % of the measured one; the worked values the
    // lessons quote to their figures.
    for (const cell::Substance& s : cell::substances()) {
        const double rho = cell::density(s);
        QVERIFY2(std::abs(rho / s.handbook - 1) < 0.03, s.formula.data());
    }
    QCOMPARE(cell::roundToFigures(cell::density(cell::substance("NaCl")), 3), 2.17);
    QCOMPARE(cell::roundToFigures(cell::density(cell::substance("CsCl")), 3), 4.00);
    QCOMPARE(cell::roundToFigures(cell::density(cell::substance("ZnS")), 3), 4.09);
    QCOMPARE(cell::roundToFigures(cell::density(cell::substance("C")), 2), 3.5);
    QCOMPARE(cell::roundToFigures(cell::contactNm(cell::substance("Si")), 3), 0.235);
}

MIROSUTA_TEST_CLASS(CellModelTest)
#include "tst_cellmodel.moc"
