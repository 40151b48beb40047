#include "ionicdesign.h"
#include "label.h"
#include "menudesign.h"
#include "packingdesign.h"
#include "radiusratioscreen.h"
#include "ratiocontrol.h"
#include "ratiocut.h"
#include "testmain.h"
#include "testsupport.h"

#include <QFile>
#include <QStringDecoder>
#include <cmath>

// The ionic-crystal lesson: the numbers its screens show against the cell
// model and the textbook's, the cut of 限界半径比 and its control, the lesson
// from the menu to the question. The walk through every state and its
// メニュー is the navigation test's.

namespace {

using cell::CrystalType;

constexpr CrystalType kIonic[] = {CrystalType::NaCl, CrystalType::CsCl, CrystalType::ZnS};

QString shippedText(int n) {
    QFile f(QStringLiteral(MIROSUTA_SOURCE_DIR "/content/説明/%1/msg%2.txt")
                .arg(QString::fromUtf8(kIonicFolder))
                .arg(n));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder cp932("Shift_JIS");
    return cp932.decode(f.readAll());
}

QString caption(ScreenId id, const char* element) {
    const ElementDesign* e = screenDesign(id).element(QString::fromUtf8(element));
    return e ? e->caption : QString();
}

// What a count line adds up to: "1/8 × 8 ＋ 1/2 × 6" is 4.
double sumOf(const QString& line) {
    const QString sum = line.section(QStringLiteral("："), 1).section(QStringLiteral(" ＝ "), 0, 0);
    double total = 0;
    for (const QString& part : sum.split(QStringLiteral(" ＋ "))) {
        const QStringList factors = part.split(QStringLiteral(" × "));
        const QStringList fraction = factors.front().split('/');
        double v = fraction.front().toDouble() / (fraction.size() > 1 ? fraction[1].toDouble() : 1);
        if (factors.size() > 1)
            v *= factors[1].toDouble();
        total += v;
    }
    return total;
}

} // namespace

class IonicTest : public QObject {
    Q_OBJECT

private slots:
    void cellsShowTheModelsNumbers();
    void limitsAndContactsAgreeWithTheModel();
    void ratioStopsOnTheLimitAndWithinSense();
    void cutShowsTheLimitWhereAnionsTouch();
    void ratioScreenByKeysAndButtons();
    void lessonLeadsFromTheMenuToTheQuestion();
    void questionIsJudgedByTheModelsDensity();
    void questionTextsCarryTheModelsNumbers();
};

// The counts and coordination numbers on the cells' screens, as the
// textbook writes them, and as the model adds them up.
void IonicTest::cellsShowTheModelsNumbers() {
    const struct {
        ScreenId screen;
        CrystalType type;
        const char* cation;
        const char* anion;
        const char* coordination;
    } rows[] = {
        {ScreenId::NaclCell, CrystalType::NaCl, "Na^+：1/4 × 12 ＋ 1 ＝ 4個",
         "Cl^-：1/8 × 8 ＋ 1/2 × 6 ＝ 4個", "配位数 6"},
        {ScreenId::CsclCell, CrystalType::CsCl, "Cs^+：内部に 1個", "Cl^-：1/8 × 8 ＝ 1個",
         "配位数 8"},
        {ScreenId::ZnsCell, CrystalType::ZnS, "Zn^2+：内部に 4個",
         "S^2-：1/8 × 8 ＋ 1/2 × 6 ＝ 4個", "配位数 4"},
    };
    for (const auto& r : rows) {
        const QString cation = caption(r.screen, "Label2"), anion = caption(r.screen, "Label3");
        QCOMPARE(cation, QString::fromUtf8(r.cation));
        QCOMPARE(anion, QString::fromUtf8(r.anion));
        QCOMPARE(caption(r.screen, "Label4"), QString::fromUtf8(r.coordination));
        const cell::Crystal& c = cell::crystal(r.type);
        if (!cation.contains(QStringLiteral("内部")))
            QCOMPARE(sumOf(cation), cell::particlesPerCell(c, 0));
        QCOMPARE(sumOf(anion), cell::particlesPerCell(c, 1));
        // In these crystals of one cation to one anion, each ion has as
        // many neighbours as the other.
        QCOMPARE(cell::coordinationNumber(c, 0), cell::coordinationNumber(c, 1));
    }
}

// The contact each screen writes (a ＝ 2(r⁺ ＋ r⁻)...) and the limits of
// 限界半径比 (√2 − 1...) are the model's, and the worked distances follow.
void IonicTest::limitsAndContactsAgreeWithTheModel() {
    const double written[] = {std::sqrt(2.0) - 1, std::sqrt(3.0) - 1, std::sqrt(6.0) / 2 - 1};
    // 0.564 ÷ 2 is exact; the others are rounded and must say so.
    const char* limits[] = {"≒ 0.414", "≒ 0.732", "≒ 0.225"};
    const char* contacts[] = {"＝ 0.282 nm", "≒ 0.357 nm", "≒ 0.234 nm"};
    for (int i = 0; i < 3; ++i) {
        const cell::Crystal& c = cell::crystal(kIonic[i]);
        QVERIFY(std::abs(ionic::contact(kIonic[i]).overEdge - cell::contactOverEdge(c)) < 1e-12);
        QVERIFY(std::abs(written[i] - cell::limitingRadiusRatio(c)) < 1e-12);
        QVERIFY2(ionic::limitLine(kIonic[i]).endsWith(QString::fromUtf8(limits[i])),
                 qPrintable(ionic::limitLine(kIonic[i])));
        QVERIFY2(ionic::contactLine(kIonic[i]).endsWith(QString::fromUtf8(contacts[i])),
                 qPrintable(ionic::contactLine(kIonic[i])));
    }
    QCOMPARE(caption(ScreenId::RadiusRatio, "Label9"), ionic::limitLine(CrystalType::NaCl));
}

// From either end, by any step, the ratio stops exactly on the limit before
// it passes it, and never leaves what makes sense.
void IonicTest::ratioStopsOnTheLimitAndWithinSense() {
    for (CrystalType t : kIonic) {
        const double limit = cell::limitingRadiusRatio(cell::crystal(t));
        for (double by : {0.01, 0.05, 0.1}) {
            for (int direction : {-1, 1}) {
                RatioControl r(limit);
                r.setToEnd(-direction);
                bool stopped = false;
                while (r.step(direction, by)) {
                    stopped = stopped || r.value() == limit;
                    if (!stopped)
                        QCOMPARE(r.fit(), direction < 0 ? RatioControl::Fit::Touching
                                                        : RatioControl::Fit::Loose);
                }
                QVERIFY(stopped);
                QCOMPARE(r.value(),
                         direction < 0 ? RatioControl::kSmallest : RatioControl::kLargest);
            }
        }
        RatioControl r(limit);
        r.setNear(limit + 0.003);
        QCOMPARE(r.value(), limit);
        QCOMPARE(r.fit(), RatioControl::Fit::Limit);
        r.setNear(limit - 0.02);
        QCOMPARE(r.fit(), RatioControl::Fit::Loose);
        r.setNear(7);
        QCOMPARE(r.value(), RatioControl::kLargest);
        r.setNear(-1);
        QCOMPARE(r.value(), RatioControl::kSmallest);
    }
}

// The cut holds the cation's anions (four, four, two); at the limit those
// neighbours touch each other, and below it the cell shrinks no more.
void IonicTest::cutShowsTheLimitWhereAnionsTouch() {
    const std::size_t anions[] = {4, 4, 2};
    for (int i = 0; i < 3; ++i) {
        const CrystalType t = kIonic[i];
        const RatioCut::Geometry g = RatioCut::geometry(t);
        QCOMPARE(g.contacts.size(), anions[i]);
        const double limit = cell::limitingRadiusRatio(cell::crystal(t));
        double closest = 1e9;
        for (std::size_t a = 0; a < g.contacts.size(); ++a)
            for (std::size_t b = a + 1; b < g.contacts.size(); ++b)
                closest = std::min(closest, std::hypot(g.contacts[a].x() - g.contacts[b].x(),
                                                       g.contacts[a].y() - g.contacts[b].y()));
        // Anion radii are 1: touching anions lie 2 apart.
        QVERIFY(std::abs(closest * RatioCut::edgeOverAnion(t, limit) - 2) < 1e-9);
        QVERIFY(closest * RatioCut::edgeOverAnion(t, limit + 0.1) > 2.1);
        QCOMPARE(RatioCut::edgeOverAnion(t, limit - 0.1), RatioCut::edgeOverAnion(t, limit));
        // The cation touches them all while the ratio is above the limit.
        const double a = RatioCut::edgeOverAnion(t, 0.9);
        for (QPointF p : g.contacts)
            QVERIFY(std::abs(std::hypot(p.x() - g.cation.x(), p.y() - g.cation.y()) * a - 1.9) <
                    1e-9);
    }
}

// By the keys of the cut and by the buttons, the ratio and what it means
// show and are read out; another structure brings its own limit.
void IonicTest::ratioScreenByKeysAndButtons() {
    using namespace controls::radiusRatio;
    Harness h;
    auto s = h.open<ScreenId::RadiusRatio>();
    auto* screen = qobject_cast<RadiusRatioScreen*>(s.screen());
    QVERIFY(screen);
    RatioCut* cut = screen->cut();
    cut->setFocus();
    const double limit = cell::limitingRadiusRatio(cell::crystal(CrystalType::NaCl));
    while (cut->control().value() > limit)
        QTest::keyClick(cut, Qt::Key_Left);
    QCOMPARE(cut->control().value(), limit);
    QVERIFY(s.element<QWidget>(Label5)->accessibleName().contains(QStringLiteral("0.414")));
    QVERIFY(s.element<QWidget>(Label6)->accessibleName().contains(QStringLiteral("限界")));
    QVERIFY(cut->accessibleName().contains(QStringLiteral("NaCl型")));
    QVERIFY(cut->accessibleName().contains(QStringLiteral("0.414")));
    s.click(Label7);
    QVERIFY(s.element<QWidget>(Label6)->accessibleName().contains(QStringLiteral("不安定")));
    s.click(Label8);
    QCOMPARE(cut->control().value(), limit);
    s.click(Label3); // CsCl: the same ratio is now far below its limit
    QCOMPARE(cut->crystal(), CrystalType::CsCl);
    QVERIFY(s.element<QWidget>(Label5)->accessibleName().contains(QStringLiteral("0.732")));
    QCOMPARE(cut->control().fit(), RatioControl::Fit::Loose);
    // A drag to the right, across the drawing, grows the cation.
    QTest::mousePress(cut, Qt::LeftButton, {}, QPoint(10, 150));
    QTest::mouseMove(cut, QPoint(290, 150));
    QTest::mouseRelease(cut, Qt::LeftButton, {}, QPoint(290, 150));
    QCOMPARE(cut->control().fit(), RatioControl::Fit::Touching);
    QVERIFY(h.errors.messages.isEmpty());
}

// From the menu's page of further lessons, 実行 leads through every screen
// to the question; the NaCl screen's choice is a way, not a stop.
void IonicTest::lessonLeadsFromTheMenuToTheQuestion() {
    Harness h;
    auto menu = h.open<ScreenId::Menu>();
    menu.click(controls::menu::Command8);
    menu.click(menuLessonButton(ScreenId::IonicIntro));
    const QStringList screens{"イオン結晶", "NaCl型", "CsCl型", "ZnS型", "限界半径比"};
    for (const QString& name : screens) {
        QCOMPARE(h.currentName(), name);
        if (name == "NaCl型") {
            for (int i = 0; i < 3; ++i)
                h.on<controls::ionic::Tag>().click(controls::ionic::Command1);
            auto nacl = h.on<controls::naclCell::Tag>();
            QVERIFY(nacl.shown(controls::naclCell::Label6) &&
                    nacl.shown(controls::naclCell::Label7));
            nacl.click(controls::naclCell::Label6);
            QVERIFY(nacl.shown(controls::naclCell::Image4));
            nacl.click(controls::naclCell::Label7);
            QVERIFY(nacl.shown(controls::naclCell::Image2));
        }
        while (h.currentName() == name)
            h.on<controls::ionic::Tag>().click(controls::ionic::Command1);
    }
    QCOMPARE(h.current()->id(), ScreenId::IonicQuiz);
    QVERIFY(h.errors.messages.isEmpty());
}

// NaCl's density to two figures, 2.2, is right; another is wrong and
// brings the hint.
void IonicTest::questionIsJudgedByTheModelsDensity() {
    using namespace controls::densityQuestion;
    const double rho = cell::density(cell::substance(kIonicQuestionSubstance));
    QCOMPARE(QString::number(rho, 'f', 1), QString("2.2"));
    for (int tenths : {2, 1}) {
        Harness h;
        auto q = h.open<ScreenId::IonicQuiz>();
        q.click(Command2[2]);
        q.click(Command2[tenths]);
        QVERIFY(q.element<QWidget>(Image3));
        QCOMPARE(q.element<QWidget>(Image3)->accessibleName(),
                 tenths == 2 ? QString("正解") : QString("不正解"));
        QCOMPARE(q.shown(List4), tenths != 2);
    }
}

// The question's texts work NaCl's numbers as the model has them.
void IonicTest::questionTextsCarryTheModelsNumbers() {
    const cell::Substance& nacl = cell::substance(kIonicQuestionSubstance);
    const double a = nacl.edgeNm * cell::kCmPerNm;
    const int n = int(cell::particlesPerCell(cell::crystal(nacl.type), 0));
    const auto mantissa = [](double v) {
        return QString::number(v / std::pow(10.0, std::floor(std::log10(v))), 'f', 2);
    };
    const QString cells = QString::number(n), edge = mantissa(a), volume = mantissa(a * a * a),
                  mass = mantissa(n * nacl.molarMass / cell::kAvogadro),
                  molar = QString::number(nacl.molarMass, 'f', 1),
                  rho = QString::number(cell::density(nacl), 'f', 1),
                  handbook = QString::number(nacl.handbook, 'f', 2);
    const QList<std::pair<int, QStringList>> carried{
        {18, {cells, volume, molar, mass, rho}},
        {19, {cells, molar, edge, rho, handbook}},
        {20, {cells, edge, volume}},
    };
    for (const auto& [number, numbers] : carried) {
        const QString text = shippedText(number);
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(number)));
        for (const QString& v : numbers)
            QVERIFY2(text.contains(v),
                     qPrintable(QStringLiteral("msg%1 lacks %2").arg(number).arg(v)));
    }
}

MIROSUTA_TEST_CLASS(IonicTest)
#include "tst_ionic.moc"
