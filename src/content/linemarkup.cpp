#include "linemarkup.h"

#include <QRegularExpression>

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isLatin(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool isGreek(QChar c) {
    return c.unicode() >= 0x391 && c.unicode() <= 0x3C9;
}
bool isSign(QChar c) {
    return c == u'+' || c == u'-';
}
bool isMark(QChar c) {
    return c == u'^' || c == u'_';
}

// How many characters a mark takes without braces, from i on; 0 when none can
// be taken. A number with a sign before it (10^-8) or after it (Zn^2+), a sign
// alone (Na^+), or one letter (N_A). A sign after the number belongs to it
// only when no term follows: a^2+b is a² + b.
qsizetype bareOperand(QStringView row, qsizetype i) {
    const qsizetype n = row.size();
    qsizetype j = i;
    if (j < n && isSign(row[j]))
        ++j;
    const qsizetype digits = j;
    while (j < n && isDigit(row[j]))
        ++j;
    if (j > digits) {
        if (digits == i && j < n && isSign(row[j]) &&
            (j + 1 == n || !(isLatin(row[j + 1]) || isDigit(row[j + 1]))))
            ++j;
        return j - i;
    }
    if (j > i)
        return j - i;
    return i < n && (isLatin(row[i]) || isGreek(row[i])) ? 1 : 0;
}

QString markName(QChar mark) {
    return mark == u'^' ? QStringLiteral("上付き") : QStringLiteral("下付き");
}

const QString& usage() {
    static const QString text =
        QStringLiteral("続けて書けるのは、数字（r^3、10^-8）、符号（Na^+、Cl^-）、一文字（N_A）、"
                       "{ } でくくった文字（10^{-8}）です。");
    return text;
}

// Ions a lesson names, as a screen reader should say them.
struct Ion {
    const char16_t* formula; // with its charge, as the row writes it without marks
    const char16_t* name;
};
constexpr Ion kIons[] = {
    {u"H+", u"水素イオン"},           {u"Li+", u"リチウムイオン"},
    {u"Na+", u"ナトリウムイオン"},    {u"K+", u"カリウムイオン"},
    {u"Cs+", u"セシウムイオン"},      {u"Ag+", u"銀イオン"},
    {u"Cu+", u"1価の銅イオン"},       {u"NH4+", u"アンモニウムイオン"},
    {u"Mg2+", u"マグネシウムイオン"}, {u"Ca2+", u"カルシウムイオン"},
    {u"Ba2+", u"バリウムイオン"},     {u"Zn2+", u"亜鉛イオン"},
    {u"Cu2+", u"2価の銅イオン"},      {u"Fe2+", u"2価の鉄イオン"},
    {u"Fe3+", u"3価の鉄イオン"},      {u"Al3+", u"アルミニウムイオン"},
    {u"F-", u"フッ化物イオン"},       {u"Cl-", u"塩化物イオン"},
    {u"Br-", u"臭化物イオン"},        {u"I-", u"ヨウ化物イオン"},
    {u"O2-", u"酸化物イオン"},        {u"S2-", u"硫化物イオン"},
    {u"OH-", u"水酸化物イオン"},      {u"NO3-", u"硝酸イオン"},
    {u"SO42-", u"硫酸イオン"},        {u"CO32-", u"炭酸イオン"},
};

// A charge after a formula names the ion (Na^+ ナトリウムイオン; an ion the
// table lacks, Ti^4+, is Tiの4価の陽イオン); after anything else it is read
// as a sign (r^+ rプラス).
void speakCharge(QString* out, const QString& number, QChar sign) {
    static const QRegularExpression formula(QStringLiteral("(?<![A-Za-z0-9])[A-Z][A-Za-z0-9]*$"));
    const QRegularExpressionMatch f = formula.match(*out);
    const bool cation = sign == u'+';
    if (f.hasMatch()) {
        const QString key = f.captured() + number + sign;
        for (const Ion& ion : kIons)
            if (key == QStringView(ion.formula)) {
                out->chop(f.capturedLength());
                *out += QStringView(ion.name);
                return;
            }
        *out += QStringLiteral("の%1価の%2イオン")
                    .arg(number.isEmpty() ? QStringLiteral("1") : number,
                         cation ? QStringLiteral("陽") : QStringLiteral("陰"));
        return;
    }
    *out += number + (cation ? QStringLiteral("プラス") : QStringLiteral("マイナス"));
}

// cm^3 立方センチメートル, g/cm^3 グラム毎立方センチメートル; false when no unit
// of length stands before the power.
bool speakUnit(QString* out, const QString& power) {
    if (power != QLatin1String("2") && power != QLatin1String("3"))
        return false;
    static const QRegularExpression unit(QStringLiteral("(?<![A-Za-z])(g/)?([nckm]?)m$"));
    const QRegularExpressionMatch u = unit.match(*out);
    if (!u.hasMatch())
        return false;
    const QString prefix = u.captured(2);
    const QString name = prefix == QLatin1String("n")   ? QStringLiteral("ナノ")
                         : prefix == QLatin1String("c") ? QStringLiteral("センチ")
                         : prefix == QLatin1String("m") ? QStringLiteral("ミリ")
                         : prefix == QLatin1String("k") ? QStringLiteral("キロ")
                                                        : QString();
    out->chop(u.capturedLength());
    *out += (u.capturedLength(1) > 0 ? QStringLiteral("グラム毎") : QString()) +
            (power == QLatin1String("3") ? QStringLiteral("立方") : QStringLiteral("平方")) + name +
            QStringLiteral("メートル");
    return true;
}

void speakRaised(QString* out, const QString& text) {
    static const QRegularExpression charge(QStringLiteral("^([0-9]*)([+-])$"));
    const QRegularExpressionMatch c = charge.match(text);
    if (c.hasMatch()) {
        speakCharge(out, c.captured(1), c.captured(2).front());
        return;
    }
    if (speakUnit(out, text))
        return;
    QString power = text;
    power.replace(u'-', QStringLiteral("マイナス")).replace(u'+', QStringLiteral("プラス"));
    *out += QStringLiteral("の") + power + QStringLiteral("乗");
}

void speakLowered(QString* out, const QString& text) {
    // N_A alone, not the A of a longer name.
    const qsizetype n = out->size();
    if (text == QLatin1String("A") && n > 0 && out->back() == u'N' &&
        (n == 1 || !isLatin(out->at(n - 2)))) {
        out->chop(1);
        *out += QStringLiteral("アボガドロ定数");
        return;
    }
    *out += text;
}

} // namespace

LineMarkup LineMarkup::parse(QStringView row) {
    LineMarkup m;
    QString plain;
    const auto fail = [&](qsizetype at, const QString& why) {
        m.m_runs = {{row.toString(), Shift::None}};
        m.m_fault = why;
        m.m_faultColumn = int(at) + 1;
        return m;
    };
    const qsizetype n = row.size();
    for (qsizetype i = 0; i < n;) {
        const QChar mark = row[i];
        if (!isMark(mark)) {
            plain += mark;
            ++i;
            continue;
        }
        const qsizetype from = i + 1;
        qsizetype length = 0, next = 0;
        if (from < n && row[from] == u'{') {
            qsizetype close = from + 1;
            for (; close < n && row[close] != u'}'; ++close)
                if (isMark(row[close]) || row[close] == u'{')
                    return fail(i, QStringLiteral("「%1{ }」の中に「%2」は書けません。")
                                       .arg(mark)
                                       .arg(row[close]));
            if (close == n)
                return fail(i, QStringLiteral("「%1{」を閉じる「}」がありません。").arg(mark));
            if (close == from + 1)
                return fail(i, QStringLiteral("「%1{}」の中が空です。").arg(mark));
            length = close - from - 1;
            next = close + 1;
            i = from + 1;
        } else {
            length = bareOperand(row, from);
            if (length == 0)
                return fail(i, (from == n
                                    ? QStringLiteral("「%1」（%2）が行の終わりにあります。")
                                          .arg(mark)
                                          .arg(markName(mark))
                                    : QStringLiteral("「%1」（%2）のあとの「%3」は%2にできません。")
                                          .arg(mark)
                                          .arg(markName(mark))
                                          .arg(row[from])) +
                                   usage());
            next = from + length;
            i = from;
        }
        if (!plain.isEmpty())
            m.m_runs.append({plain, Shift::None});
        plain.clear();
        m.m_runs.append(
            {row.sliced(i, length).toString(), mark == u'^' ? Shift::Raised : Shift::Lowered});
        i = next;
    }
    if (!plain.isEmpty() || m.m_runs.isEmpty())
        m.m_runs.append({plain, Shift::None});
    return m;
}

bool LineMarkup::hasMarkup() const {
    return m_runs.size() > 1 || (m_runs.size() == 1 && m_runs.front().shift != Shift::None);
}

QString LineMarkup::spoken() const {
    QString out;
    for (const Run& r : m_runs) {
        switch (r.shift) {
        case Shift::None:
            out += r.text;
            break;
        case Shift::Raised:
            speakRaised(&out, r.text);
            break;
        case Shift::Lowered:
            speakLowered(&out, r.text);
            break;
        }
    }
    return out;
}
