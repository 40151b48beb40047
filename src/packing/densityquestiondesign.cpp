#include "packingdesign.h"

using namespace controls::densityQuestion;

namespace {

constexpr int kAnswerTop = 3450, kBoxHeight = 915, kBoxWidth = 1515;
constexpr int kBoxLeft[2] = {1500, 3375};
constexpr int kKeyLeft = 240, kKeyStep = 990, kKeyTop = 5400;
// The mark's size on this screen: the drill's marks, smaller, so that the
// question above and the keys below stay in sight.
constexpr int kMarkPixels = 120;

} // namespace

AccessibleText densityBoxText(int box) {
    return {QStringLiteral("%1の欄「？」").arg(densityPlaceName(box)),
            QStringLiteral("数字のキーで入れる")};
}

QString densityPlaceName(int box) {
    return box == 0 ? QStringLiteral("一の位") : QStringLiteral("小数第一位");
}

DensityQuestion metalQuestion(const cell::Metal& m) {
    return {QStringLiteral("密度問題"),
            QStringLiteral("密度の問題"),
            kPackingFolder,
            13,
            14,
            15,
            16,
            {{packing::metalTitle(m), {}},
             {packing::edgeLine(m), packing::edgeSpoken(m)},
             {packing::molarMassLine(m), {}},
             {packing::avogadroLine(), packing::avogadroSpoken()}},
            cell::density(m)};
}

DensityQuestion substanceQuestion(const cell::Substance& s, const QString& formName,
                                  const QString& title, const char* folder, int firstText) {
    return {formName,
            title,
            folder,
            firstText,
            firstText + 1,
            firstText + 2,
            firstText + 3,
            {{packing::substanceTitle(s), {}},
             {packing::edgeLine(s.edgeNm), packing::edgeSpoken(s.edgeNm)},
             {packing::molarMassLine(s.molarMass), {}},
             {packing::avogadroLine(), packing::avogadroSpoken()}},
            cell::density(s)};
}

ScreenDesign design(ScreenTag<ScreenId::DensityQuiz> tag) {
    return densityQuestionDesign(tag, metalQuestion(cell::metal(kQuestionMetal)));
}

void declareDensityQuestion(Design<Tag>& d, const DensityQuestion& q) {
    const QColor red(255, 0, 0);
    addPackingTitle(d, Label1, q.title);
    d.picture(Image1, 10380, 120, pictures::FaceB);
    d.panel(List1, explanation(q.folder, q.question), QRect(240, 960, 6000, 2250),
            PanelGround::Blue)
        .spoken("問題");
    // The substance's numbers stay; under them the hint after a first wrong
    // answer, the worked answer after a second, or the explanation.
    const QRect fact(6480, 960, 4800, 375);
    const Control<Tag> factLabels[] = {Label2, Label3, Label4, Label5};
    Q_ASSERT(q.facts.size() == std::size(factLabels));
    for (std::size_t i = 0; i < q.facts.size(); ++i) {
        Declared<Tag> line =
            addFact(d, factLabels[i], fact.translated(0, 390 * int(i)), q.facts[i].text);
        if (!q.facts[i].spoken.isEmpty())
            line.spoken(q.facts[i].spoken, {});
    }
    const QRect under(6480, 2580, 4800, 2640);
    d.panel(List2, explanation(q.folder, q.worked), under, PanelGround::DarkBlue)
        .hidden()
        .spoken("解き方");
    d.panel(List3, explanation(q.folder, q.explained), under, PanelGround::DarkBlue)
        .hidden()
        .spoken("正解の説明");
    d.panel(List4, explanation(q.folder, q.hint), under, PanelGround::DarkBlue)
        .hidden()
        .spoken("ヒント");

    // ρ ＝ □.□ g/cm³: the boxes hold the digits, the "?" lies over an empty one.
    d.label(Label6, QRect(240, kAnswerTop, 1200, kBoxHeight), QStringLiteral("ρ ＝"), 20,
            packing::kInk)
        .spoken("密度 ロー");
    for (int box = 0; box < 2; ++box) {
        d.label(Label7[box], QRect(kBoxLeft[box], kAnswerTop, kBoxWidth, kBoxHeight), QString(), 36,
                red, Qt::white)
            .spoken(densityPlaceName(box), {});
        d.picture(Image2[box], kBoxLeft[box], kAnswerTop, pictures::QuestionMark)
            .spoken(densityBoxText(box));
    }
    d.label(Label8,
            QRect(kBoxLeft[0] + kBoxWidth, kAnswerTop, kBoxLeft[1] - kBoxLeft[0] - kBoxWidth,
                  kBoxHeight),
            QStringLiteral("."), 36, packing::kInk)
        .spoken("小数点");
    d.label(Label9, QRect(kBoxLeft[1] + kBoxWidth + 60, kAnswerTop, 1500, kBoxHeight),
            QStringLiteral("g/cm³"), 15.75, packing::kInk, QColor(),
            Qt::AlignLeft | Qt::AlignVCenter)
        .spoken("グラム毎立方センチメートル");

    for (int i = 0; i < 10; ++i)
        d.button(Command2[i], pictures::key(i), QString::number(i),
                 QRect(kKeyLeft + i * kKeyStep, kKeyTop, 960, 690));
    const QPoint menu = bottomButton(d.clientTwips(), 1);
    d.button(Command1, Word::Menu, menu.x(), menu.y()).to(ScreenId::Menu);
    // The mark lies over the answer it judges, clear of the question above
    // and the keys below (drawn at kMarkPixels, whatever the picture's size).
    d.picture(Image3, 2295, 3240, pictures::None)
        .size(pixelsToTwips(kMarkPixels), pixelsToTwips(kMarkPixels))
        .hidden();

    // The class (densityquestionscreen.h) enters the states as the entry goes:
    // a first digit, then the judgement, a wrong one the first time with a
    // hint and after that with the worked answer; the next digit starts a new
    // entry beside what the judgement brought.
    const State<Tag> first = d.state("first").hide(Image2[0]);
    const State<Tag> right = d.state("right").show({List3, Image3}).hide({Image2[0], Image2[1]});
    const State<Tag> hint = d.state("hint").show({List4, Image3});
    const State<Tag> worked = d.state("worked").show({List2, Image3});
    const State<Tag> again = d.state("again").show(List3).hide(Image2[0]);
    const State<Tag> retry = d.state("retry").show(List4).hide(Image2[0]);
    const State<Tag> retryWorked = d.state("retry-worked").show(List2).hide(Image2[0]);
    // Any key is a first digit.
    const auto digitLeads = [](const State<Tag>& from, const State<Tag>& to) {
        from.onKey(Command2, AnswerKey::Right, {to}).onKey(Command2, AnswerKey::Wrong, {to});
    };
    digitLeads(d.opening(), first);
    digitLeads(right, again);
    digitLeads(hint, retry);
    digitLeads(worked, retryWorked);
    // The second is judged: a wrong answer brings the hint the first time.
    for (const State<Tag>& s : {first, again, retry, retryWorked})
        s.onKey(Command2, AnswerKey::Right, {right})
            .onKey(Command2, AnswerKey::Wrong, {hint, worked});

    Names<Tag> order;
    for (int i = 0; i < 10; ++i)
        order << Command2[i];
    order << Command1 << List1 << List4 << List2 << List3;
    d.tabOrder(order);
    d.firstFocus(Command2[0]);
    const std::array<int, 2> answer = packing::answerDigits(q.density);
    d.answer({answer[0], answer[1]});
}
