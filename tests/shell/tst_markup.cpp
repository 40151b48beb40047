// Powers, charges and subscripts in the texts: how a row's markup is read,
// said to a screen reader and drawn in a panel.

#include "linemarkup.h"
#include "testmain.h"
#include "textpanel.h"

#include <QAccessible>
#include <QImage>
#include <QStyle>
#include <QTest>

namespace {

// The runs as one string: raised runs in [^…], lowered ones in [_…].
QString drawn(const LineMarkup& m) {
    QString out;
    for (const LineMarkup::Run& r : m.runs())
        out += r.shift == LineMarkup::Shift::Raised    ? "[^" + r.text + "]"
               : r.shift == LineMarkup::Shift::Lowered ? "[_" + r.text + "]"
                                                       : r.text;
    return out;
}

// The topmost and bottommost inked rows of pixels (white on blue) between two columns.
std::pair<int, int> inkRows(const QImage& image, int left, int right) {
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < right; ++x)
            if (qRed(image.pixel(x, y)) > 128) {
                top = std::min(top, y);
                bottom = y;
                break;
            }
    return {top, bottom};
}

} // namespace

class MarkupTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAreReadAndSpoken_data();
    void rowsAreReadAndSpoken();
    void faultsAreNamedAtTheirMark_data();
    void faultsAreNamedAtTheirMark();
    void panelDrawsAndNamesMarkedRows();
};

void MarkupTest::rowsAreReadAndSpoken_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("power of a letter") << "球の体積は 4/3 πr^3 です。"
                                       << "球の体積は 4/3 πr[^3] です。"
                                       << "球の体積は 4/3 πrの3乗 です。";
    QTest::newRow("negative power, braced or bare")
        << "1 nm ＝ 10^-7 cm ＝ 10^{-7} cm"
        << "1 nm ＝ 10[^-7] cm ＝ 10[^-7] cm"
        << "1 nm ＝ 10のマイナス7乗 cm ＝ 10のマイナス7乗 cm";
    QTest::newRow("unit and constant") << "N_A ＝ 6.02 × 10^23 /mol，ρ ≒ 8.97 g/cm^3"
                                       << "N[_A] ＝ 6.02 × 10[^23] /mol，ρ ≒ 8.97 g/cm[^3]"
                                       << "アボガドロ定数 ＝ 6.02 × 10の23乗 /mol，ρ ≒ 8.97 "
                                          "グラム毎立方センチメートル";
    QTest::newRow("ions") << "Na^+ と Cl^-，Zn^2+ と S^2-，Ti^4+"
                          << "Na[^+] と Cl[^-]，Zn[^2+] と S[^2-]，Ti[^4+]"
                          << "ナトリウムイオン と 塩化物イオン，亜鉛イオン と 硫化物イオン，"
                             "Tiの4価の陽イオン";
    // A sign after a number is a term of its own when a term follows it.
    QTest::newRow("sum of powers, subscripts") << "a^2+b^2，CaF_2"
                                               << "a[^2]+b[^2]，CaF[_2]"
                                               << "aの2乗+bの2乗，CaF2";
    QTest::newRow("full-width marks are text") << "Ａ＾２，Ｎ＿Ａ"
                                               << "Ａ＾２，Ｎ＿Ａ"
                                               << "Ａ＾２，Ｎ＿Ａ";
}

void MarkupTest::rowsAreReadAndSpoken() {
    QFETCH(QString, row);
    QFETCH(QString, drawn);
    QFETCH(QString, spoken);
    const LineMarkup m = LineMarkup::parse(row);
    QCOMPARE(m.fault(), QString());
    QCOMPARE(::drawn(m), drawn);
    QCOMPARE(m.hasMarkup(), drawn != row);
    QCOMPARE(m.spoken(), spoken);
}

void MarkupTest::faultsAreNamedAtTheirMark_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("says");
    QTest::newRow("at the row's end") << "体積は r^" << 6 << "行の終わり";
    QTest::newRow("nothing to raise") << "10^ -8 cm" << 3 << "「^」（上付き）のあとの「 」";
    QTest::newRow("brace not closed") << "a ＝ 10^{-8 cm" << 7 << "「}」がありません";
    QTest::newRow("empty braces") << "N_{}" << 2 << "中が空";
    QTest::newRow("mark in braces") << "x^{a_b}" << 2 << "「_」は書けません";
}

void MarkupTest::faultsAreNamedAtTheirMark() {
    QFETCH(QString, row);
    QFETCH(int, column);
    QFETCH(QString, says);
    const LineMarkup m = LineMarkup::parse(row);
    QCOMPARE(m.faultColumn(), column);
    QVERIFY2(m.fault().contains(says), qPrintable(m.fault()));
    // Shown and spoken as typed.
    QVERIFY(!m.hasMarkup());
    QCOMPARE(drawn(m), row);
    QCOMPARE(m.spoken(), row);
}

// A marked row keeps the plain row's text where they agree, raises and
// lowers the rest in a smaller size, is measured as drawn, and a screen
// reader finds its words as the row's name.
void MarkupTest::panelDrawsAndNamesMarkedRows() {
    // On a stage, as on a screen, waited for as the other shell tests wait:
    // the browser's platform makes a window active but may not report it exposed.
    QWidget stage;
    stage.resize(400, 100);
    TextPanel& panel = *new TextPanel(TextPanel::Ground::Blue, &stage);
    panel.resize(400, 100);
    const QString prefix = QStringLiteral("a ＝ 10");
    panel.setLines({prefix + QStringLiteral("^-8 cm"), prefix, QStringLiteral("N_A")});
    stage.show();
    panel.doItemsLayout();
    QVERIFY(QTest::qWaitForWindowActive(&stage));

    const QImage image = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect marked = panel.visualItemRect(panel.item(0)), plain = panel.visualItemRect(panel.item(1));
    const QPoint origin = panel.viewport()->mapTo(&panel, QPoint(0, 0));
    marked.translate(origin);
    plain.translate(origin);
    // Columns of a row, from where its text starts.
    const int start = panel.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &panel) + 1;
    const auto at = [&](const QString& text) { return start + panel.drawnWidth(text); };
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < at(prefix); ++x)
            QCOMPARE(image.pixel(marked.left() + x, marked.top() + y),
                     image.pixel(plain.left() + x, plain.top() + y));
    // The exponent's ink starts higher than the digits' and ends above their foot.
    const QImage row = image.copy(marked);
    const auto [digitTop, digitFoot] = inkRows(row, at(QStringLiteral("a ＝ ")), at(prefix));
    const auto [powerTop, powerFoot] = inkRows(row, at(prefix), at(prefix + QStringLiteral("^-8")));
    QVERIFY2(powerTop < digitTop && powerFoot < digitFoot - 3,
             qPrintable(QStringLiteral("digits %1–%2, power %3–%4")
                            .arg(digitTop)
                            .arg(digitFoot)
                            .arg(powerTop)
                            .arg(powerFoot)));

    // Chosen, the row turns white and its text, exponent too, takes the ground's colour.
    panel.setCurrentRow(0);
    const QImage chosen = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int y = marked.top(); y <= marked.bottom(); ++y)
        for (int x = at(prefix); x < at(prefix + QStringLiteral("^-8")); ++x)
            dark += qRed(chosen.pixel(marked.left() + x, y)) < 128 ? 1 : 0;
    QVERIFY(dark > 4);
    QCOMPARE(chosen.pixel(marked.left() + at(prefix), marked.bottom()), qRgb(255, 255, 255));

    const QFontMetrics fm(panel.font());
    const QString raw = panel.item(0)->text();
    QVERIFY(panel.drawnWidth(raw) < fm.horizontalAdvance(raw));
    QVERIFY(panel.drawnWidth(raw) > fm.horizontalAdvance(prefix + QStringLiteral(" cm")));
    QCOMPARE(panel.drawnWidth(prefix), fm.horizontalAdvance(prefix));

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&panel);
    QVERIFY(list && list->tableInterface());
    const QStringList names{QStringLiteral("a ＝ 10のマイナス8乗 cm"), prefix,
                            QStringLiteral("アボガドロ定数")};
    for (int i = 0; i < names.size(); ++i) {
        QAccessibleInterface* cell = list->tableInterface()->cellAt(i, 0);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), names[i]);
    }
    QCOMPARE(panel.lines().first(), raw); // the file's row, as written
}

MIROSUTA_TEST_CLASS(MarkupTest)
#include "tst_markup.moc"
