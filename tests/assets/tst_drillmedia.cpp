#include "crystals.h"
#include "drillcrystal.h"
#include "testmain.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <numeric>
#include <sndfile.h>

namespace {

QString shipped(const QString& folder, const QString& file) {
    return QDir(QStringLiteral(MIROSUTA_OUTPUT_DIR)).filePath(folder + '/' + file);
}

// How many atoms of an element a formula unit holds: "CaTiO3", "O" is 3.
int atomsInFormula(const std::string& formula, const std::string& element) {
    static const QRegularExpression part(QStringLiteral("([A-Z][a-z]?)(\\d*)"));
    int n = 0;
    for (const QRegularExpressionMatch& m : part.globalMatch(QString::fromStdString(formula)))
        if (m.captured(1).toStdString() == element)
            n += m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
    return n;
}

// The shipped questions, then the shelf.
std::vector<const drill::Crystal*> allCrystals() {
    std::vector<const drill::Crystal*> v;
    for (const auto* list : {&drill::drillCrystals(), &drill::shelfCrystals()})
        for (const drill::Crystal& c : *list)
            v.push_back(&c);
    return v;
}

QString guideText() {
    QFile f(QStringLiteral(MIROSUTA_SOURCE_DIR "/docs/先生方へ.md"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

// The drill's pictures must show crystals whose ratio is the drill's answer,
// and every media file must be readable the way the drill reads it.
class DrillMediaTest : public QObject {
    Q_OBJECT

private slots:
    void sharesFollowThePlaceInTheCell_data();
    void sharesFollowThePlaceInTheCell();
    void everyQuestionHasItsAnswersRatio_data();
    void everyQuestionHasItsAnswersRatio();
    void everyCrystalIsItsFormula_data();
    void everyCrystalIsItsFormula();
    void shelfAnswersCanBeEntered();
    void guideListsEveryPictureWithItsAnswer_data();
    void guideListsEveryPictureWithItsAnswer();
    void someQuestionNeedsTheEdgeQuarter();
    void questionPicturesLoadAndShowBothKinds_data();
    void questionPicturesLoadAndShowBothKinds();
    void marksHaveTransparentGround_data();
    void marksHaveTransparentGround();
    void soundsOpenAndAreAudible_data();
    void soundsOpenAndAreAudible();
};

void DrillMediaTest::sharesFollowThePlaceInTheCell_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<int>("eighths");
    QTest::newRow("inside") << 0.25 << 0.75 << 0.5 << 8;
    QTest::newRow("face") << 0.5 << 1.0 << 0.5 << 4;
    QTest::newRow("edge") << 0.0 << 0.5 << 1.0 << 2;
    QTest::newRow("corner") << 1.0 << 0.0 << 1.0 << 1;
}

void DrillMediaTest::sharesFollowThePlaceInTheCell() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(int, eighths);
    QCOMPARE(cell::eighthsInside({x, y, z}), eighths);
}

void DrillMediaTest::everyQuestionHasItsAnswersRatio_data() {
    // The shipped table, question by question.
    QTest::addColumn<int>("question");
    for (int n = 1; n <= drill::kShippedQuestionCount; ++n)
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void DrillMediaTest::everyQuestionHasItsAnswersRatio() {
    QFETCH(int, question);
    QCOMPARE(int(drill::drillCrystals().size()), drill::kShippedQuestionCount);
    const drill::Crystal& c = drill::drillCrystals().at(std::size_t(question - 1));
    const drill::ShippedQuestion& q = drill::kShippedQuestions[question - 1];
    QCOMPARE(QString::fromStdString(c.picture), QStringLiteral("mondai%1.gif").arg(question));
    QCOMPARE(QString::fromUtf8(q.picture), QString::fromStdString(c.picture));
    QCOMPARE(drill::countRatio(c), q.answer);
}

void DrillMediaTest::everyCrystalIsItsFormula_data() {
    QTest::addColumn<int>("index");
    const auto crystals = allCrystals();
    for (std::size_t i = 0; i < crystals.size(); ++i)
        QTest::newRow(crystals[i]->picture.c_str()) << int(i);
}

void DrillMediaTest::everyCrystalIsItsFormula() {
    QFETCH(int, index);
    const drill::Crystal& c = *allCrystals().at(std::size_t(index));
    // The drawn ratio is the formula's: ZnS 1 : 1, Li2O 2 : 1, CaTiO3's Ti : O 1 : 3.
    const int a = atomsInFormula(c.name, c.elementA), b = atomsInFormula(c.name, c.elementB);
    QVERIFY2(a > 0 && b > 0 && c.elementA != c.elementB, c.name.c_str());
    const int g = std::gcd(a, b);
    QCOMPARE(drill::countRatio(c), (drill::Ratio{a / g, b / g}));
    // Counting the parts inside the drawn cell gives the same atoms as the
    // crystal's formula unit: one count per motif atom.
    drill::Ratio motif;
    for (const drill::Site& s : c.motif) {
        QVERIFY(s.pos.x >= 0 && s.pos.x < 1 && s.pos.y >= 0 && s.pos.y < 1 && s.pos.z >= 0 &&
                s.pos.z < 1);
        (s.kind == drill::Kind::A ? motif.a : motif.b) += 8;
    }
    QCOMPARE(drill::eighthsPerCell(c), motif);
    // No two drawn atoms overlap, so each can be seen and counted.
    const auto sites = c.sites();
    for (std::size_t i = 0; i < sites.size(); ++i)
        for (std::size_t j = i + 1; j < sites.size(); ++j) {
            const double ri = sites[i].kind == drill::Kind::A ? c.radiusA : c.radiusB;
            const double rj = sites[j].kind == drill::Kind::A ? c.radiusA : c.radiusB;
            QVERIFY((sites[i].pos - sites[j].pos).length() > ri + rj);
        }
}

void DrillMediaTest::shelfAnswersCanBeEntered() {
    // Each answer is two digit keys, and no two shelf pictures share a file.
    QSet<QString> pictures;
    QSet<QPair<int, int>> answers;
    QCOMPARE(int(drill::shelfCrystals().size()), 10);
    for (const drill::Crystal& c : drill::shelfCrystals()) {
        const QString picture = QString::fromStdString(c.picture);
        QVERIFY2(picture.startsWith(QStringLiteral("追加/")), qPrintable(picture));
        QVERIFY(!pictures.contains(picture));
        pictures << picture;
        const drill::Ratio r = drill::countRatio(c);
        QVERIFY(r.a >= 1 && r.a <= 9 && r.b >= 1 && r.b <= 9);
        answers << qMakePair(r.a, r.b);
    }
    // Not one answer for all: a class cannot get through by habit.
    QVERIFY(answers.size() >= 4);
}

void DrillMediaTest::guideListsEveryPictureWithItsAnswer_data() {
    QTest::addColumn<int>("index");
    const auto crystals = allCrystals();
    for (std::size_t i = 0; i < crystals.size(); ++i)
        QTest::newRow(crystals[i]->picture.c_str()) << int(i);
}

void DrillMediaTest::guideListsEveryPictureWithItsAnswer() {
    QFETCH(int, index);
    const drill::Crystal& c = *allCrystals().at(std::size_t(index));
    const QString guide = guideText();
    QVERIFY(!guide.isEmpty());
    // The row of the picture: its file, which element is A and which B, its
    // answer and, for the shelf, its small picture.
    const QString picture = QString::fromStdString(c.picture);
    const QString row = QStringLiteral("| `%1` |").arg(picture);
    const qsizetype at = guide.indexOf(row);
    QVERIFY2(at >= 0, qPrintable(row));
    const QString line = guide.mid(at, guide.indexOf('\n', at) - at);
    const drill::Ratio r = drill::countRatio(c);
    QVERIFY2(line.contains(QStringLiteral("| %1：%2 |").arg(r.a).arg(r.b)), qPrintable(line));
    QVERIFY2(line.contains(QStringLiteral("A = %1").arg(QString::fromStdString(c.elementA))),
             qPrintable(line));
    QVERIFY2(line.contains(QStringLiteral("B = %1").arg(QString::fromStdString(c.elementB))),
             qPrintable(line));
    if (picture.startsWith(QStringLiteral("追加/"))) {
        const QString thumb = QStringLiteral("shelf/%1.png").arg(QFileInfo(picture).baseName());
        QVERIFY2(line.contains(thumb), qPrintable(line));
        QVERIFY(QFileInfo::exists(QStringLiteral(MIROSUTA_SOURCE_DIR "/docs/") + thumb));
    }
}

void DrillMediaTest::someQuestionNeedsTheEdgeQuarter() {
    bool edge = false;
    for (const drill::Crystal& c : drill::drillCrystals())
        for (const drill::Site& s : c.sites())
            edge = edge || cell::eighthsInside(s.pos) == 2;
    QVERIFY(edge);
}

void DrillMediaTest::questionPicturesLoadAndShowBothKinds_data() {
    QTest::addColumn<QString>("file");
    for (const drill::Crystal* c : allCrystals())
        QTest::newRow(c->picture.c_str()) << QString::fromStdString(c->picture);
}

void DrillMediaTest::questionPicturesLoadAndShowBothKinds() {
    QFETCH(QString, file);
    QImageReader reader(shipped(QStringLiteral("画像"), file));
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage img = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    // It fits the drill's question frame (341 x 242 pixels) and fills most of it.
    QVERIFY(img.width() <= 341 && img.height() <= 242);
    QVERIFY(img.width() >= 200 && img.height() >= 200);
    int red = 0, yellow = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = QColor::fromRgb(img.pixel(x, y));
            if (c.saturation() < 150 || c.value() < 120)
                continue;
            if (c.hue() < 12 || c.hue() > 350)
                ++red;
            else if (c.hue() > 40 && c.hue() < 62)
                ++yellow;
        }
    QVERIFY2(red > 300 && yellow > 300,
             qPrintable(QStringLiteral("red %1, yellow %2").arg(red).arg(yellow)));
}

void DrillMediaTest::marksHaveTransparentGround_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("hue"); // of the mark
    QTest::newRow("maru") << "maru.gif" << 0;
    QTest::newRow("batu") << "batu.gif" << 225;
}

void DrillMediaTest::marksHaveTransparentGround() {
    QFETCH(QString, file);
    QFETCH(int, hue);
    QImageReader reader(shipped(QStringLiteral("画像"), file));
    const QImage img = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QVERIFY(img.width() >= 100 && img.height() >= 100);
    int clear = 0, mark = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = QColor::fromRgba(img.pixel(x, y));
            if (c.alpha() == 0)
                ++clear;
            else if (c.saturation() > 200 && std::abs(c.hue() - hue) < 15)
                ++mark;
        }
    // The corners are see-through; the mark itself is a solid stroke.
    QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
    QVERIFY(clear > img.width() * img.height() / 3);
    QVERIFY(mark > img.width() * img.height() / 10);
}

void DrillMediaTest::soundsOpenAndAreAudible_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("minSeconds");
    QTest::newRow("o") << "o.wav" << 0.3;
    QTest::newRow("x") << "x.wav" << 0.3;
    QTest::newRow("gokaku") << "gokaku.wav" << 1.0;
}

void DrillMediaTest::soundsOpenAndAreAudible() {
    QFETCH(QString, file);
    QFETCH(double, minSeconds);
    SF_INFO info{};
    SNDFILE* f = sf_open(QFile::encodeName(shipped(QStringLiteral("音"), file)).constData(),
                         SFM_READ, &info);
    QVERIFY2(f, sf_strerror(nullptr));
    QCOMPARE(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    QVERIFY(info.samplerate > 0 && info.channels >= 1);
    QVERIFY(info.frames >= sf_count_t(minSeconds * info.samplerate));
    std::vector<float> samples(std::size_t(info.frames * info.channels));
    QCOMPARE(sf_readf_float(f, samples.data(), info.frames), info.frames);
    sf_close(f);
    float peak = 0;
    for (float v : samples)
        peak = std::max(peak, std::abs(v));
    QVERIFY(peak > 0.3f && peak <= 1.0f);
}

MIROSUTA_TEST_CLASS(DrillMediaTest)
#include "tst_drillmedia.moc"
