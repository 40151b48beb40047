#include "packingdesign.h"

#include <cmath>

namespace packing {

namespace {

QString superscript(int n) {
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString out = n < 0 ? QStringLiteral("⁻") : QString();
    for (QChar c : QString::number(std::abs(n)))
        out += digits.at(c.digitValue());
    return out;
}

int exponentOf(double value) {
    return int(std::floor(std::log10(std::abs(value))));
}

} // namespace

QString figures(double value, int count) {
    const int decimals = std::max(0, count - 1 - exponentOf(cell::roundToFigures(value, count)));
    return QString::number(cell::roundToFigures(value, count), 'f', decimals);
}

QString scientific(double value, int count) {
    const int e = exponentOf(cell::roundToFigures(value, count));
    return figures(value / std::pow(10.0, e), count) + QStringLiteral("×10") + superscript(e);
}

QString atomCount(cell::Structure s) {
    return QString::number(std::lround(cell::atomsPerCell(cell::model(s))));
}

QString structureName(cell::Structure s) {
    switch (s) {
    case cell::Structure::Bcc:
        return QStringLiteral("体心立方格子");
    case cell::Structure::Fcc:
        return QStringLiteral("面心立方格子");
    case cell::Structure::Hcp:
        break;
    }
    return QStringLiteral("六方最密構造");
}

QString metalTitle(const cell::Metal& m) {
    return QStringLiteral("%1 %2（%3）")
        .arg(QString::fromUtf8(m.name.data(), qsizetype(m.name.size())),
             QString::fromLatin1(m.symbol.data(), qsizetype(m.symbol.size())),
             structureName(m.structure));
}

QString substanceTitle(const cell::Substance& s) {
    return QStringLiteral("%1 %2").arg(
        QString::fromUtf8(s.name.data(), qsizetype(s.name.size())),
        QString::fromLatin1(s.formula.data(), qsizetype(s.formula.size())));
}

QString edgeLine(double edgeNm) {
    return QStringLiteral("a ＝ %1 nm ＝ %2 cm")
        .arg(figures(edgeNm, 3), scientific(edgeNm * cell::kCmPerNm, 3));
}

QString edgeSpoken(double edgeNm) {
    const double cm = edgeNm * cell::kCmPerNm;
    const int e = exponentOf(cm);
    return QStringLiteral("a は %1 ナノメートル、%2 かける 10 の %3 乗 センチメートル")
        .arg(figures(edgeNm, 3), figures(cm / std::pow(10.0, e), 3))
        .arg(e);
}

QString molarMassLine(double molarMass) {
    return QStringLiteral("M ＝ %1 g/mol").arg(figures(molarMass, 3));
}

QString avogadroLine() {
    return QStringLiteral("N_A ＝ %1 /mol").arg(scientific(cell::kAvogadro, 3));
}

QString avogadroSpoken() {
    const int e = exponentOf(cell::kAvogadro);
    return QStringLiteral("アボガドロ定数 %1 かける 10 の %2 乗 毎モル")
        .arg(figures(cell::kAvogadro / std::pow(10.0, e), 3))
        .arg(e);
}

std::array<int, 2> answerDigits(double density) {
    const double rho = cell::roundToFigures(density, 2);
    const int tenths = int(std::lround(rho * 10));
    Q_ASSERT(tenths >= 10 && tenths < 100); // the entry is □.□
    return {tenths / 10, tenths % 10};
}

} // namespace packing
