#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Powers, charges and subscripts in a row of an explanation text. Code page
// 932 has no raised or lowered characters, so a teacher types them:
//   ^ raises and _ lowers what follows it directly: a number with its sign
//   (r^3, 10^-8, 10^23, Zn^2+), a sign alone (Na^+, Cl^-) or one letter (N_A);
//   braces take anything else (10^{-8}, e^{2x}).
// The full-width ＾ and ＿ are ordinary characters. A row whose markup is
// faulty is shown as typed, and the content checker names the fault.
class LineMarkup {
public:
    enum class Shift { None, Raised, Lowered };
    struct Run {
        QString text;
        Shift shift = Shift::None;
        bool operator==(const Run&) const = default;
    };

    static LineMarkup parse(QStringView row);

    // The row as drawn, in order. Without markup, or with a fault, it is one
    // plain run of the row as typed.
    const QList<Run>& runs() const { return m_runs; }
    // Some run is raised or lowered.
    bool hasMarkup() const;
    // What is wrong with the markup, in Japanese; empty when nothing is.
    const QString& fault() const { return m_fault; }
    // The character (1-based) of the mark that is faulty; 0 without one. The
    // fault reads on from it: 「12 文字目の」+ fault().
    int faultColumn() const { return m_faultColumn; }

    // The row in words for a screen reader, never the markup: 10のマイナス8乗,
    // rの3乗, 立方センチメートル, ナトリウムイオン, アボガドロ定数.
    QString spoken() const;

private:
    QList<Run> m_runs;
    QString m_fault;
    int m_faultColumn = 0;
};
