#include "covalentdesign.h"

#include "metals.h"

#include <cmath>
#include <map>

namespace covalent {

namespace {

// 3.57 かける 10 の マイナス8 乗, as a screen reader says a number in
// scientific notation.
QString scientificSpoken(double value, int count) {
    const int e = int(std::floor(std::log10(std::abs(cell::roundToFigures(value, count)))));
    const QString power = e < 0 ? QStringLiteral("マイナス%1").arg(-e) : QString::number(e);
    return QStringLiteral("%1 かける 10 の %2 乗")
        .arg(packing::figures(value / std::pow(10.0, e), count), power);
}

QString eighthsFraction(int eighths) {
    switch (eighths) {
    case 1:
        return QStringLiteral("1/8");
    case 2:
        return QStringLiteral("1/4");
    case 4:
        return QStringLiteral("1/2");
    }
    return {};
}

QString eighthsSpoken(int eighths) {
    switch (eighths) {
    case 1:
        return QStringLiteral("8分の1");
    case 2:
        return QStringLiteral("4分の1");
    case 4:
        return QStringLiteral("2分の1");
    }
    return {};
}

QString cellCount(const cell::Substance& s) {
    return QString::number(std::lround(cell::particlesPerCell(cell::crystal(s.type), 0)));
}

} // namespace

std::vector<CountTerm> countTerms(const cell::Crystal& c) {
    // Corners first, then edges, faces and the atoms inside: the order a
    // cell is counted in.
    std::map<int, int> byPart;
    for (const cell::CubicSite& site : cell::sitesTouchingCube(c.motif))
        ++byPart[cell::eighthsInside(site.pos)];
    std::vector<CountTerm> terms;
    for (const auto& [eighths, atoms] : byPart)
        terms.push_back({atoms, eighths});
    return terms;
}

QString countLine(const cell::Crystal& c) {
    QStringList terms;
    int eighths = 0;
    for (const CountTerm& t : countTerms(c)) {
        terms << (t.eighths == 8
                      ? QString::number(t.atoms)
                      : QStringLiteral("%1 × %2").arg(eighthsFraction(t.eighths)).arg(t.atoms));
        eighths += t.atoms * t.eighths;
    }
    return terms.join(QStringLiteral(" ＋ ")) + QStringLiteral(" ＝ %1").arg(eighths / 8);
}

QString countSpoken(const cell::Crystal& c) {
    QStringList terms;
    int eighths = 0;
    for (const CountTerm& t : countTerms(c)) {
        terms << (t.eighths == 8
                      ? QStringLiteral("%1個").arg(t.atoms)
                      : QStringLiteral("%1 かける %2").arg(eighthsSpoken(t.eighths)).arg(t.atoms));
        eighths += t.atoms * t.eighths;
    }
    return QStringLiteral("単位格子内の原子の数は、") + terms.join(QStringLiteral("、たす ")) +
           QStringLiteral("、で %1個").arg(eighths / 8);
}

QString bondLine(const cell::Substance& s, const QString& bond) {
    return QStringLiteral("%1 ＝ √3a ÷ 4 ≒ %2 nm")
        .arg(bond, packing::figures(cell::contactNm(s), 3));
}

int edgeFigures(const cell::Substance& s) {
    int n = 3;
    while (n < 6 && std::abs(cell::roundToFigures(s.edgeNm, n) - s.edgeNm) > 1e-12)
        ++n;
    return n;
}

QString densityWorking(const cell::Substance& s) {
    return QStringLiteral("ρ ＝ %1 × %2 ÷ (%3 × (%4)³)")
        .arg(cellCount(s), packing::figures(s.molarMass, 3),
             packing::scientific(cell::kAvogadro, 3),
             packing::scientific(s.edgeNm * cell::kCmPerNm, edgeFigures(s)));
}

QString densityWorkingSpoken(const cell::Substance& s) {
    return QStringLiteral("密度 ロー は、%1 かける %2 を、%3 かける、%4 の3乗、で割ったもの")
        .arg(cellCount(s), packing::figures(s.molarMass, 3), scientificSpoken(cell::kAvogadro, 3),
             scientificSpoken(s.edgeNm * cell::kCmPerNm, edgeFigures(s)));
}

QString densityResult(const cell::Substance& s) {
    return QStringLiteral("ρ ≒ %1 g/cm³（測定値 %2 g/cm³）")
        .arg(packing::figures(cell::density(s), 3), packing::figures(s.handbook, 3));
}

QString densityResultSpoken(const cell::Substance& s) {
    return QStringLiteral("密度はおよそ %1 グラム毎立方センチメートル。測定値は %2")
        .arg(packing::figures(cell::density(s), 3), packing::figures(s.handbook, 3));
}

QString share(double fraction) {
    return QStringLiteral("%1（%2 %）")
        .arg(packing::figures(fraction, 2))
        .arg(std::lround(fraction * 100));
}

const std::vector<KindsRow>& kindsRows() {
    // The properties as the textbooks set them side by side; a line at most
    // ten characters, the width of a column.
    static const std::vector<KindsRow> rows{
        {"粒子", {"陽イオンと\n自由電子", "陽イオンと\n陰イオン", "原子", "分子"}},
        {"結合", {"金属結合", "イオン結合", "共有結合", "分子間力"}},
        {"融点", {"高いものが多い", "高い", "非常に高い", "低い\n（昇華するものも）"}},
        {"硬さ",
         {"さまざま\n（展性・延性）", "かたいが\nもろい", "非常にかたい\n（黒鉛はやわらかい）",
          "やわらかく\nくだけやすい"}},
        {"電気伝導性",
         {"導く", "固体は導かない\n融解液・水溶液は\n導く", "導かない\n（黒鉛は導く）",
          "導かない"}},
        {"例", {"銅 Cu", "塩化ナトリウム\nNaCl", "ダイヤモンド C", "ヨウ素 I_2"}},
    };
    return rows;
}

const char* kindName(int column) {
    static const char* names[kKinds] = {"金属結晶", "イオン結晶", "共有結合の結晶", "分子結晶"};
    return names[column];
}

QString kindsCellSpoken(int row, int column) {
    const KindsRow& r = kindsRows()[std::size_t(row)];
    QString value = QString::fromUtf8(r.cells[column]);
    value.replace(QLatin1Char('\n'), QStringLiteral("、"));
    value.replace(QStringLiteral("I_2"), QStringLiteral("I2"));
    return QStringLiteral("%1の%2：%3")
        .arg(QString::fromUtf8(kindName(column)), QString::fromUtf8(r.heading), value);
}

} // namespace covalent
