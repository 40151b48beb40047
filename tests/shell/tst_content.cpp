// Checks the explanation texts that ship with the program: their bytes, that
// every line fits the panel that shows it, and that the counts and values they
// teach agree with the cell model.

#include "cellmodel.h"
#include "drilldesign.h"
#include "drillstartdesign.h"
#include "latticeatomsdesign.h"
#include "latticeinteriordesign.h"
#include "latticeintrodesign.h"
#include "latticeneighboursdesign.h"
#include "metals.h"
#include "packingdesign.h"
#include "radiusdesign.h"
#include "stackingdesign.h"
#include "startdesign.h"
#include "summarydesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textloader.h"
#include "textpanel.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QStringEncoder>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

namespace {

QString sourceContent() {
    return QStringLiteral(MIROSUTA_SOURCE_DIR "/content");
}

QString sourcePath(const QString& relative) {
    QString rel = relative;
    rel.replace('\\', '/');
    return sourceContent() + rel;
}

QByteArray shippedBytes(const QString& relative) {
    QFile f(sourcePath(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList shippedLines(const QString& relative) {
    return DecodeLines(shippedBytes(relative));
}

struct LessonTexts {
    cell::Structure structure;
    QString folder;
    ScreenId intro, interior, atoms, neighbours;
};

const QList<LessonTexts>& lessons() {
    static const QList<LessonTexts> all{
        {cell::Structure::Bcc, "体心立方", ScreenId::BccIntro, ScreenId::BccInterior,
         ScreenId::BccAtoms, ScreenId::BccNeighbours},
        {cell::Structure::Fcc, "面心立方", ScreenId::FccIntro, ScreenId::FccInterior,
         ScreenId::FccAtoms, ScreenId::FccNeighbours},
        {cell::Structure::Hcp, "六方最密", ScreenId::HcpIntro, ScreenId::HcpInterior,
         ScreenId::HcpAtoms, ScreenId::HcpNeighbours},
    };
    return all;
}

// ---- arithmetic in the texts

struct Term {
    double fraction = 1; // the part of one atom
    int count = 1;
    bool plainCount = false; // written as a bare number of whole atoms
};

struct Equation {
    QString text;
    QList<Term> terms; // left side, summed
    double left = 0;
    double right = 0;
};

bool parseNumber(const QString& s, double* value, bool* isFraction = nullptr) {
    static const QRegularExpression re(QStringLiteral("^(\\d+)(?:/(\\d+))?$"));
    const auto m = re.match(s.trimmed());
    if (!m.hasMatch())
        return false;
    const double den = m.captured(2).isEmpty() ? 1.0 : m.captured(2).toDouble();
    if (den == 0)
        return false;
    *value = m.captured(1).toDouble() / den;
    if (isFraction)
        *isFraction = !m.captured(2).isEmpty();
    return true;
}

// Reads "頂点の原子　1/8個 × 8 ＝ 1個" or "合計　1/8 × 8 ＋ 1 ＝ 2（個）": the
// label before the first digit and the unit 個 are dropped.
bool parseEquation(const QString& line, Equation* eq, QString* why) {
    QString s = line.normalized(QString::NormalizationForm_KC);
    s.remove(QStringLiteral("個")).remove('(').remove(')');
    const qsizetype first = s.indexOf(QRegularExpression(QStringLiteral("\\d")));
    if (first < 0) {
        *why = "no number";
        return false;
    }
    const QStringList sides = s.mid(first).split('=');
    if (sides.size() != 2) {
        *why = "not one equals sign";
        return false;
    }
    if (!parseNumber(sides[1], &eq->right)) {
        *why = "right side is not a number";
        return false;
    }
    eq->left = 0;
    for (const QString& t : sides[0].split('+')) {
        const QStringList factors = t.split(QChar(0xD7)); // ×
        Term term;
        double a = 0, b = 1;
        bool aIsFraction = false;
        if (factors.size() > 2 || !parseNumber(factors[0], &a, &aIsFraction) ||
            (factors.size() == 2 && !parseNumber(factors[1], &b))) {
            *why = "cannot read the term \"" + t.trimmed() + "\"";
            return false;
        }
        if (factors.size() == 1 && !aIsFraction) {
            term.count = int(a);
            term.plainCount = true;
        } else {
            term.fraction = a;
            term.count = int(b);
        }
        eq->terms << term;
        eq->left += term.fraction * term.count;
    }
    return true;
}

// Every line with ＝ in the file, parsed; fails the test on a line it cannot read.
QList<Equation> equationsIn(const QStringList& lines) {
    QList<Equation> out;
    for (const QString& l : lines) {
        if (!l.contains(QStringLiteral("＝")) && !l.contains('='))
            continue;
        Equation eq;
        eq.text = l;
        QString why;
        if (!parseEquation(l, &eq, &why)) {
            QTest::qFail(qPrintable("cannot read \"" + l + "\": " + why), __FILE__, __LINE__);
            return {};
        }
        out << eq;
    }
    return out;
}

// "答え　8個" → 8
int statedAnswer(const QStringList& lines) {
    for (const QString& l : lines) {
        if (!l.contains(QStringLiteral("答え")))
            continue;
        const auto m = QRegularExpression(QStringLiteral("(\\d+)"))
                           .match(l.normalized(QString::NormalizationForm_KC));
        if (m.hasMatch())
            return m.captured(1).toInt();
    }
    return -1;
}

// The equation with the most terms is the count for the whole cell.
const Equation* wholeCount(const QList<Equation>& eqs) {
    const Equation* best = nullptr;
    for (const Equation& e : eqs)
        if (!best || e.terms.size() > best->terms.size())
            best = &e;
    return best;
}

// ---- the crystal around the model's cell

double distance(cell::Vec3 a, cell::Vec3 b) {
    return (a - b).length();
}

// The model's atoms and their images under the cell's edge vectors, which are
// lattice translations (cube edges; hexagon sides and the prism height).
std::vector<cell::Vec3> crystalAround(const cell::Cell& c) {
    std::vector<cell::Vec3> steps;
    for (const auto& e : c.edges) {
        const cell::Vec3 d = c.corners[e[1]] - c.corners[e[0]];
        steps.push_back(d);
        steps.push_back(d * -1.0);
    }
    auto key = [](cell::Vec3 p) {
        return std::tuple(std::lround(p.x * 1e6), std::lround(p.y * 1e6), std::lround(p.z * 1e6));
    };
    std::map<std::tuple<long, long, long>, cell::Vec3> points;
    for (const cell::Atom& a : c.atoms)
        points.emplace(key(a.pos), a.pos);
    for (int round = 0; round < 3; ++round) {
        std::vector<cell::Vec3> now;
        for (const auto& [k, p] : points)
            now.push_back(p);
        for (const cell::Vec3& p : now)
            for (const cell::Vec3& d : steps)
                points.emplace(key(p + d), p + d);
    }
    std::vector<cell::Vec3> out;
    for (const auto& [k, p] : points)
        out.push_back(p);
    return out;
}

// Atoms at the smallest distance from the atom at p.
int nearestNeighbours(const std::vector<cell::Vec3>& crystal, cell::Vec3 p) {
    double nearest = 1e9;
    for (const cell::Vec3& q : crystal)
        if (distance(p, q) > 1e-6)
            nearest = std::min(nearest, distance(p, q));
    int n = 0;
    for (const cell::Vec3& q : crystal)
        if (std::abs(distance(p, q) - nearest) < 1e-6)
            ++n;
    return n;
}

std::map<std::pair<int, int>, int> fractionCounts(const cell::Cell& c) {
    std::map<std::pair<int, int>, int> counts;
    for (const cell::Atom& a : c.atoms) {
        const int g = std::gcd(a.fractionNum, a.fractionDen);
        ++counts[{a.fractionNum / g, a.fractionDen / g}];
    }
    return counts;
}

std::pair<int, int> asFraction(double f) {
    for (int den = 1; den <= 12; ++den)
        if (std::abs(f * den - std::round(f * den)) < 1e-9) {
            const int num = int(std::round(f * den));
            const int g = std::gcd(num, den);
            return {num / g, den / g};
        }
    return {0, 0};
}

QString describe(const std::map<std::pair<int, int>, int>& counts) {
    QStringList parts;
    for (const auto& [f, n] : counts)
        parts << QStringLiteral("%1/%2 x %3").arg(f.first).arg(f.second).arg(n);
    return parts.join(", ");
}

QString roundedTo(double v, const QString& like) {
    const qsizetype dot = like.indexOf('.');
    return QString::number(v, 'f', dot < 0 ? 0 : int(like.size() - dot - 1));
}

} // namespace

class ContentTest : public QObject {
    Q_OBJECT

private slots:
    void panelTableCoversEveryText();
    void onlyTheTextsAreShipped();

    void shippedTextIsWellFormed_data();
    void shippedTextIsWellFormed();

    void linesFitTheirPanel_data();
    void linesFitTheirPanel();

    void buildingTextNamesTheModelsFractions_data();
    void buildingTextNamesTheModelsFractions();
    void atomCountAnswerAddsUpToTheModel_data();
    void atomCountAnswerAddsUpToTheModel();
    void neighbourAnswerMatchesTheModel_data();
    void neighbourAnswerMatchesTheModel();
    void radiusValuesFollowFromTheModel_data();
    void radiusValuesFollowFromTheModel();

private:
    static void lessonRows();
};

void ContentTest::panelTableCoversEveryText() {
    // Each text is shown by one panel of the declarations, so that it is
    // measured against the room it has.
    QStringList files;
    for (const PanelDesign& p : allPanelDesigns())
        files << p.file;
    QCOMPARE(QSet<QString>(files.begin(), files.end()).size(), files.size());
}

void ContentTest::onlyTheTextsAreShipped() {
    // The whole folder is installed: a misnamed copy or an editor's backup
    // would ship without ever being shown.
    QStringList expected;
    for (const QString& f : allTextFiles())
        expected << QDir::cleanPath(sourcePath(f));
    QStringList found;
    QDirIterator it(sourceContent() + "/説明", QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir::cleanPath(it.next());
    expected.sort();
    found.sort();
    QCOMPARE(found, expected);
}

void ContentTest::shippedTextIsWellFormed_data() {
    QTest::addColumn<QString>("file");
    for (const QString& f : allTextFiles())
        QTest::newRow(qPrintable(f.mid(4))) << f;
}

void ContentTest::shippedTextIsWellFormed() {
    QFETCH(QString, file);
    QVERIFY2(QFile::exists(sourcePath(file)), qPrintable(sourcePath(file)));
    const QByteArray bytes = shippedBytes(file);
    QVERIFY2(!bytes.isEmpty(), "empty file");
    QVERIFY2(bytes.endsWith("\r\n"), "the last line has no CR LF");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n',
                     qPrintable(QStringLiteral("lone CR at byte %1").arg(i)));
        if (bytes[i] == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r',
                     qPrintable(QStringLiteral("lone LF at byte %1").arg(i)));
    }
    const QStringList lines = DecodeLines(bytes);
    QVERIFY(!lines.isEmpty());
    QVERIFY2(!lines.first().trimmed().isEmpty(), "the text starts with a blank row");
    QVERIFY2(!lines.last().trimmed().isEmpty(), "the text ends with a blank row");
    for (const QString& l : lines) {
        QVERIFY2(!l.contains(QChar::ReplacementCharacter), qPrintable("not CP932: " + l));
        for (QChar c : l)
            QVERIFY2(c.unicode() >= 0x20, qPrintable("control character in: " + l));
    }
    // Decoding and encoding again gives the same bytes: no character depends
    // on which Shift_JIS table reads it.
    QStringEncoder enc("Shift_JIS");
    QByteArray again;
    for (const QString& l : lines)
        again += QByteArray(enc.encode(l)) + "\r\n";
    QVERIFY(!enc.hasError());
    QCOMPARE(again, bytes);
}

void ContentTest::linesFitTheirPanel_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("filledAtLoad");
    for (const PanelDesign& p : allPanelDesigns())
        QTest::newRow(
            qPrintable(screenDesign(p.screen).formName + " " + p.name + " " + p.file.mid(4)))
            << p.screen << p.name << p.file
            << screenDesign(p.screen).panelsFilledAtLoad().contains(p.name);
}

void ContentTest::linesFitTheirPanel() {
    QFETCH(ScreenId, screen);
    QFETCH(QString, panel);
    QFETCH(QString, file);
    QFETCH(bool, filledAtLoad);
    Harness h;
    // The shipped texts, in the harness's folder that also holds the built
    // pictures and sounds (the drill reads its first question picture at load).
    for (const QString& f : allTextFiles())
        h.content.writeBytes(f, shippedBytes(f));
    h.open(screen);
    QVERIFY2(h.errors.messages.isEmpty(), qPrintable(h.errors.messages.join('\n')));
    QCOMPARE(h.currentName(), screenDesign(screen).formName);
    auto* p = qobject_cast<TextPanel*>(h.named(panel));
    QVERIFY2(p, "no such panel");

    const QStringList lines = shippedLines(file);
    if (filledAtLoad)
        QCOMPARE(p->lines(), lines); // the screen shows this file in this panel
    else
        QCOMPARE(FillListFromFile(p, h.content.base(), file), QString());
    QVERIFY(h.errors.messages.isEmpty());
    QCOMPARE(p->lines(), lines);

    // Measured as the content checker measures them: in the panel's font,
    // inside its frame and margins, less the scroll bar when it needs one.
    const QFontMetrics fm(p->font());
    for (const QString& l : lines)
        QVERIFY2(p->cutOffPixels(l) == 0, qPrintable(QStringLiteral("%1 px in %2 px: %3")
                                                         .arg(fm.horizontalAdvance(l))
                                                         .arg(p->textRoom())
                                                         .arg(l)));
    QVERIFY2(p->count() <= p->rowsInView(),
             qPrintable(QStringLiteral("%1 rows of %2 px need a scroll bar in %3 px")
                            .arg(p->count())
                            .arg(p->sizeHintForRow(0))
                            .arg(p->contentsRect().height())));
}

void ContentTest::lessonRows() {
    QTest::addColumn<cell::Structure>("structure");
    QTest::addColumn<QString>("folder");
    for (const LessonTexts& l : lessons())
        QTest::newRow(qPrintable(l.folder)) << l.structure << l.folder;
}

void ContentTest::buildingTextNamesTheModelsFractions_data() {
    lessonRows();
}

void ContentTest::buildingTextNamesTheModelsFractions() {
    // While building the cell, msg5 tells which part of each atom goes in; it
    // must name the model's fractions and no other.
    QFETCH(cell::Structure, structure);
    QFETCH(QString, folder);
    std::set<QString> model;
    for (const auto& [f, n] : fractionCounts(cell::model(structure)))
        if (f.second > 1)
            model.insert(QStringLiteral("%1/%2").arg(f.first).arg(f.second));
    std::set<QString> named;
    const QString text = shippedLines(QStringLiteral("\\説明\\%1\\msg5.txt").arg(folder))
                             .join('\n')
                             .normalized(QString::NormalizationForm_KC);
    auto it = QRegularExpression(QStringLiteral("\\d+/\\d+")).globalMatch(text);
    while (it.hasNext())
        named.insert(it.next().captured());
    QCOMPARE(QStringList(named.begin(), named.end()), QStringList(model.begin(), model.end()));
}

void ContentTest::atomCountAnswerAddsUpToTheModel_data() {
    lessonRows();
}

void ContentTest::atomCountAnswerAddsUpToTheModel() {
    QFETCH(cell::Structure, structure);
    QFETCH(QString, folder);
    const cell::Cell& c = cell::model(structure);
    const QStringList lines = shippedLines(QStringLiteral("\\説明\\%1\\msg8.txt").arg(folder));
    const QList<Equation> eqs = equationsIn(lines);
    QVERIFY(!eqs.isEmpty());
    for (const Equation& e : eqs)
        QVERIFY2(std::abs(e.left - e.right) < 1e-9, qPrintable("wrong sum: " + e.text));
    // The whole-cell sum takes each kind of atom as often as the cell has it.
    const Equation* whole = wholeCount(eqs);
    std::map<std::pair<int, int>, int> stated;
    for (const Term& t : whole->terms)
        stated[t.plainCount ? std::pair(1, 1) : asFraction(t.fraction)] += t.count;
    QCOMPARE(describe(stated), describe(fractionCounts(c)));
    QCOMPARE(whole->right, cell::atomsPerCell(c));
    QCOMPARE(double(statedAnswer(lines)), cell::atomsPerCell(c));
}

void ContentTest::neighbourAnswerMatchesTheModel_data() {
    lessonRows();
}

void ContentTest::neighbourAnswerMatchesTheModel() {
    QFETCH(cell::Structure, structure);
    QFETCH(QString, folder);
    const cell::Cell& c = cell::model(structure);
    const std::vector<cell::Vec3> crystal = crystalAround(c);
    // Every atom of these crystals has the same number of nearest neighbours.
    const int expected = nearestNeighbours(crystal, c.atoms.front().pos);
    for (const cell::Atom& a : c.atoms)
        QCOMPARE(nearestNeighbours(crystal, a.pos), expected);

    const QStringList lines = shippedLines(QStringLiteral("\\説明\\%1\\msg10.txt").arg(folder));
    QCOMPARE(statedAnswer(lines), expected);
    const QList<Equation> eqs = equationsIn(lines);
    for (const Equation& e : eqs)
        QVERIFY2(std::abs(e.left - e.right) < 1e-9, qPrintable("wrong sum: " + e.text));
    if (const Equation* whole = wholeCount(eqs))
        QCOMPARE(whole->right, double(expected));
}

void ContentTest::radiusValuesFollowFromTheModel_data() {
    QTest::addColumn<cell::Structure>("structure");
    QTest::addColumn<QString>("name");
    QTest::newRow("面心立方格子") << cell::Structure::Fcc << "面心立方格子";
    QTest::newRow("体心立方格子") << cell::Structure::Bcc << "体心立方格子";
}

void ContentTest::radiusValuesFollowFromTheModel() {
    // The closing text of the radius lesson states r/a for each cube and works
    // an example; the model's hard-sphere radius (edge 1) is r/a.
    QFETCH(cell::Structure, structure);
    QFETCH(QString, name);
    const double ratio = cell::model(structure).radius;
    QStringList lines = shippedLines("\\説明\\原子半径\\msg6.txt");
    for (QString& l : lines)
        l = l.normalized(QString::NormalizationForm_KC);

    // "面心立方格子（…）" then "4r = √2 a より r = √2 a/4 ≒ 0.354 a"
    static const QRegularExpression law(QStringLiteral(
        "4r\\s*=\\s*√(\\d)\\s*a.*r\\s*=\\s*√(\\d)\\s*a\\s*/\\s*4\\s*≒\\s*(\\d+\\.\\d+)\\s*a"));
    QString factor;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (!lines[i].contains(name) || lines[i].startsWith(QStringLiteral("例")))
            continue;
        const auto m = law.match(lines[i + 1]);
        if (!m.hasMatch())
            continue;
        QCOMPARE(m.captured(1), m.captured(2));
        QCOMPARE(std::sqrt(m.captured(1).toDouble()) / 4, ratio);
        factor = m.captured(3);
        QCOMPARE(factor, roundedTo(ratio, factor));
    }
    QVERIFY2(!factor.isEmpty(), "no r = √n a/4 line under the structure's name");

    // "例）銅 Cu（面心立方格子） a = 0.362 nm" then "r ≒ 0.354 × 0.362 nm ≒ 0.128 nm";
    // a metal of the density lessons' table has the table's edge.
    static const QRegularExpression given(QStringLiteral("a\\s*=\\s*(\\d+\\.\\d+)\\s*nm"));
    static const QRegularExpression worked(QStringLiteral(
        "r\\s*≒\\s*(\\d+\\.\\d+)\\s*×\\s*(\\d+\\.\\d+)\\s*nm\\s*≒\\s*(\\d+\\.\\d+)\\s*nm"));
    int examples = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (!lines[i].startsWith(QStringLiteral("例")) || !lines[i].contains(name))
            continue;
        const auto a = given.match(lines[i]);
        const auto r = worked.match(lines[i + 1]);
        QVERIFY2(a.hasMatch() && r.hasMatch(), qPrintable(lines[i] + " / " + lines[i + 1]));
        QCOMPARE(r.captured(1), factor);
        QCOMPARE(r.captured(2), a.captured(1));
        const QString result = r.captured(3);
        QCOMPARE(result, roundedTo(factor.toDouble() * a.captured(1).toDouble(), result));
        QCOMPARE(result, roundedTo(ratio * a.captured(1).toDouble(), result));
        for (const cell::Metal& m : cell::metals())
            if (lines[i].contains(QLatin1String(m.symbol.data(), qsizetype(m.symbol.size()))))
                QCOMPARE(a.captured(1).toDouble(), m.edgeNm);
        ++examples;
    }
    QVERIFY2(examples > 0, "no worked example for this cube");
}

MIROSUTA_TEST_CLASS(ContentTest)
#include "tst_content.moc"
