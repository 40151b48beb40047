#include "covalentdesign.h"
#include "drillfiles.h"
#include "label.h"
#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include <QFile>
#include <QStringDecoder>

#include <cmath>

// The covalent lesson: the numbers its screens show are the cell model's and
// the textbooks', its texts count as the model does, and 結晶の種類 names
// every cell of its table by row and column and cuts none. The walk through
// every state and its メニュー is the navigation test's.

namespace {

QString shippedText(int n) {
    QFile f(QStringLiteral(MIROSUTA_SOURCE_DIR "/content/説明/%1/msg%2.txt")
                .arg(QString::fromUtf8(covalent::kFolder))
                .arg(n));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder cp932("Shift_JIS");
    return cp932.decode(f.readAll());
}

// Every label's text that the screen shows on its way through 実行, from the
// opening to the last state of its first ways; and whether each state shows
// exactly one text.
QStringList labelsOnTheWay(Harness& h, ScreenId id) {
    const ScreenDesign& d = screenDesign(id);
    QStringList seen;
    if (!h.open(id))
        return seen;
    for (int state = 0;;) {
        int panels = 0;
        for (TextPanel* p : h.current()->findChildren<TextPanel*>())
            panels += !p->isHidden();
        if (panels != 1)
            seen << QStringLiteral("state %1 shows %2 texts").arg(state).arg(panels);
        for (Label* l : h.current()->findChildren<Label*>())
            if (!l->isHidden())
                seen << l->text();
        const auto& ways = d.states[std::size_t(state)].transitions;
        if (ways.empty() || ways.front().leaves())
            break;
        h.clickNamed(ways.front().element);
        state = ways.front().to.state;
    }
    return seen;
}

QString three(double v) {
    return packing::figures(v, 3);
}

// A number as the texts write it: 4.55 × 10^-23.
QString marked(double v) {
    const int e = int(std::floor(std::log10(std::abs(cell::roundToFigures(v, 3)))));
    return QStringLiteral("%1 × 10^%2").arg(three(v / std::pow(10.0, e))).arg(e);
}

} // namespace

class CovalentTest : public QObject {
    Q_OBJECT

private slots:
    void modelGivesTheTextbooksNumbers();
    void screensShowTheModelsNumbers_data();
    void screensShowTheModelsNumbers();
    void textsCountAsTheModel();
    void kindsTableIsNamedAndWhole();
    void questionIsDiamondsDensity_data();
    void questionIsDiamondsDensity();
};

// The cell model against the numbers of the textbooks: a wrong motif, edge
// or formula shows here first.
void CovalentTest::modelGivesTheTextbooksNumbers() {
    const cell::Crystal& diamond = cell::crystal(cell::CrystalType::Diamond);
    const cell::Substance &c = cell::substance("C"), &si = cell::substance("Si");
    QCOMPARE(covalent::countLine(diamond), QString("1/8 × 8 ＋ 1/2 × 6 ＋ 4 ＝ 8"));
    QCOMPARE(cell::coordinationNumber(diamond, 0), 4);
    QCOMPARE(QString::number(cell::bondAngleDegrees(diamond), 'f', 1), QString("109.5"));
    QCOMPARE(three(cell::contactNm(c)), QString("0.154"));
    QCOMPARE(three(cell::density(c)), QString("3.51"));
    QCOMPARE(covalent::share(cell::packingFraction(diamond)), QString("0.34（34 %）"));
    QCOMPARE(covalent::share(cell::packingFraction(cell::Structure::Fcc)), QString("0.74（74 %）"));
    QCOMPARE(three(cell::contactNm(si)), QString("0.235"));
    QCOMPARE(three(cell::density(si)), QString("2.33"));
    // Graphite's figures are stated, not worked out: its cell made of them
    // must weigh what graphite weighs.
    // Its hexagonal cell holds 4 atoms, a = √3 × bond, c = 2 × layer.
    const cell::Graphite& g = cell::graphite();
    const double a = std::sqrt(3.0) * g.bondNm * cell::kCmPerNm,
                 height = 2 * g.layerNm * cell::kCmPerNm;
    const double rho = 4 * c.molarMass / (cell::kAvogadro * std::sqrt(3.0) / 2 * a * a * height);
    QVERIFY2(std::abs(rho - g.handbook) < 0.01 * g.handbook, qPrintable(QString::number(rho)));
}

void CovalentTest::screensShowTheModelsNumbers_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("numbers");
    const cell::Crystal& diamond = cell::crystal(cell::CrystalType::Diamond);
    const cell::Substance &c = cell::substance("C"), &si = cell::substance("Si");
    const cell::Graphite& g = cell::graphite();
    QTest::newRow("ダイヤモンド")
        << ScreenId::Diamond
        << QStringList{covalent::countLine(diamond),
                       QStringLiteral("配位数 %1").arg(cell::coordinationNumber(diamond, 0)),
                       QString::number(cell::bondAngleDegrees(diamond), 'f', 1) + "°",
                       three(cell::contactNm(c)) + " nm",
                       "a ＝ 0.3567 nm",
                       "× 12.0 ÷",
                       "(3.567×10⁻⁸)³",
                       three(cell::density(c)) + " g/cm³",
                       three(c.handbook) + " g/cm³",
                       covalent::share(cell::packingFraction(diamond)),
                       covalent::share(cell::packingFraction(cell::Structure::Fcc))};
    QTest::newRow("ケイ素と黒鉛") << ScreenId::SiliconGraphite
                                  << QStringList{three(si.edgeNm) + " nm",
                                                 three(cell::contactNm(si)) + " nm",
                                                 "8 × 28.1 ÷",
                                                 three(cell::density(si)) + " g/cm³",
                                                 three(g.bondNm) + " nm",
                                                 QStringLiteral("結合 %1本").arg(g.bondsPerAtom),
                                                 three(g.layerNm) + " nm",
                                                 three(g.handbook) + " g/cm³"};
}

// Walked through by 実行, each screen shows one text at a time and, on its
// labels, every number of its lesson as the model gives it.
void CovalentTest::screensShowTheModelsNumbers() {
    QFETCH(ScreenId, id);
    QFETCH(QStringList, numbers);
    Harness h;
    const QString shown = labelsOnTheWay(h, id).join('\n');
    QVERIFY2(!shown.contains("texts"), qPrintable(shown));
    for (const QString& n : numbers)
        QVERIFY2(shown.contains(n), qPrintable(n + " not among:\n" + shown));
    QVERIFY(h.errors.messages.isEmpty());
}

// The few numbers the texts say in words are the model's: the cells that
// share a corner or a face, the bonds of an atom of diamond and of graphite,
// and the question's working.
void CovalentTest::textsCountAsTheModel() {
    int corner = 0, face = 0;
    for (const covalent::CountTerm& t :
         covalent::countTerms(cell::crystal(cell::CrystalType::Diamond))) {
        if (t.eighths == 1)
            corner = 8 / t.eighths;
        if (t.eighths == 4)
            face = 8 / t.eighths;
    }
    const int diamondBonds = cell::coordinationNumber(cell::crystal(cell::CrystalType::Diamond), 0);
    const int graphiteBonds = cell::graphite().bondsPerAtom;
    // The question's worked answer, in its steps.
    const cell::Substance& c = cell::substance(covalent::kQuizSubstance);
    // a as the question gives it, to three figures: what the learner works from.
    const double atoms = cell::particlesPerCell(cell::crystal(c.type), 0),
                 a = cell::roundToFigures(c.edgeNm, 3) * cell::kCmPerNm;
    const QString twoFigures = packing::figures(cell::density(c), 2) + " g/cm^3";
    const QList<std::pair<int, QStringList>> carried{
        {2, {QStringLiteral("%1個の単位格子").arg(corner), QStringLiteral("%1個の").arg(face)}},
        {3, {QStringLiteral("%1個").arg(diamondBonds)}},
        {7, {QStringLiteral("%1個").arg(graphiteBonds)}},
        {9, {QStringLiteral("%1種類").arg(covalent::kKinds)}},
        {13,
         {QStringLiteral("n ＝ %1").arg(std::lround(atoms)), marked(a * a * a),
          marked(atoms * c.molarMass / cell::kAvogadro), twoFigures}},
        {14, {marked(a), three(c.molarMass), three(c.handbook), twoFigures}},
        {15, {QStringLiteral("%1個").arg(std::lround(atoms)), marked(a), marked(a * a * a)}},
        {8,
         {QStringLiteral("%1個です").arg(diamondBonds), QStringLiteral("%1個が").arg(graphiteBonds),
          QStringLiteral("%1個は").arg(diamondBonds - graphiteBonds)}},
    };
    for (const auto& [n, numbers] : carried) {
        const QString text = shippedText(n);
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(n)));
        for (const QString& number : numbers)
            QVERIFY2(text.contains(number),
                     qPrintable(QStringLiteral("msg%1 lacks %2").arg(n).arg(number)));
    }
}

// At the end of 結晶の種類 every cell of the table shows, whole, and a screen
// reader hears its kind and its row with it; the last press is メニュー.
void CovalentTest::kindsTableIsNamedAndWhole() {
    using namespace controls::crystalKinds;
    Harness h;
    auto kinds = h.open<ScreenId::CrystalKinds>();
    QVERIFY(!kinds.shown(Label4[int(covalent::kindsRows().size()) * covalent::kKinds - 1]));
    kinds.click(controls::covalent::Command1);
    kinds.click(controls::covalent::Command1);
    QVERIFY(!kinds.shown(controls::covalent::Command1));
    const auto& rows = covalent::kindsRows();
    for (int row = 0; row < int(rows.size()); ++row)
        for (int column = 0; column < covalent::kKinds; ++column) {
            auto* cell = kinds.element<Label>(Label4[row * covalent::kKinds + column]);
            QVERIFY(cell && !cell->isHidden());
            const QString name = cell->accessibleName();
            QVERIFY2(name.startsWith(QString::fromUtf8(covalent::kindName(column))) &&
                         name.contains(QString::fromUtf8(rows[std::size_t(row)].heading)),
                     qPrintable(name));
            QVERIFY2(!name.contains('\n') && !name.contains('_'), qPrintable(name));
            const QSize need = cell->sizeHint();
            QVERIFY2(need.width() <= cell->width() && need.height() <= cell->height(),
                     qPrintable(QStringLiteral("%1: %2×%3 in %4×%5")
                                    .arg(name)
                                    .arg(need.width())
                                    .arg(need.height())
                                    .arg(cell->width())
                                    .arg(cell->height())));
        }
    kinds.click(controls::covalent::Command2);
    QCOMPARE(h.currentName(), QString("メニュー"));
    QVERIFY(h.errors.messages.isEmpty());
}

void CovalentTest::questionIsDiamondsDensity_data() {
    QTest::addColumn<int>("ones");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<bool>("right");
    // Diamond's density to two figures, as the textbooks give it.
    QTest::newRow("3.5") << 3 << 5 << true;
    QTest::newRow("3.4") << 3 << 4 << false;
    QTest::newRow("5.3") << 5 << 3 << false;
    QTest::newRow("2.3, silicon's") << 2 << 3 << false;
}

// The lesson's question judges diamond's density at the second digit, with
// the drill's sounds; a wrong answer brings the hint first.
void CovalentTest::questionIsDiamondsDensity() {
    using namespace controls::densityQuestion;
    QFETCH(int, ones);
    QFETCH(int, tenths);
    QFETCH(bool, right);
    Harness h;
    auto q = h.open<ScreenId::CovalentQuiz>();
    QCOMPARE(h.currentName(), QString("共有結合の問題"));
    q.click(Command2[ones]);
    q.click(Command2[tenths]);
    QCOMPARE(h.sound.played,
             QStringList{h.navigator().context().contentPath(right ? kRightSound : kWrongSound)});
    QCOMPARE(q.shown(List3), right);
    QCOMPARE(q.shown(List4), !right);
    QVERIFY(h.errors.messages.isEmpty());
}

MIROSUTA_TEST_CLASS(CovalentTest)
#include "tst_covalent.moc"
