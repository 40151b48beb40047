#include "radiusratioscreen.h"

#include "label.h"
#include "linemarkup.h"
#include "ratiocut.h"

using namespace controls::radiusRatio;
using cell::CrystalType;

namespace {

// The steps of 小さく and 大きく: a few presses cross the whole range.
constexpr double kButtonStep = 0.05;

} // namespace

RadiusRatioScreen::RadiusRatioScreen(const ScreenDesign& design, const ScreenContext& context)
    : TypedScreen(design, context) {
    QWidget* place = element<QWidget>(Image1);
    m_cut = new RatioCut(this);
    m_cut->setObjectName(QStringLiteral("RatioCut"));
    m_cut->setGeometry(place->geometry());
    // In the tab order where its place is: after the structures, before the buttons under it.
    QWidget::setTabOrder(element<QWidget>(Label4), m_cut);
    QWidget::setTabOrder(m_cut, element<QWidget>(Label7));
    connect(m_cut, &RatioCut::changed, this, &RadiusRatioScreen::showRatio);

    const std::pair<Control<controls::radiusRatio::Tag>, CrystalType> structures[] = {
        {Label2, CrystalType::NaCl}, {Label3, CrystalType::CsCl}, {Label4, CrystalType::ZnS}};
    for (const auto& [name, type] : structures)
        connect(element<Label>(name), &ClickableLabel::clicked, this,
                [this, type] { choose(type); });
    connect(element<Label>(Label7), &ClickableLabel::clicked, this,
            [this] { m_cut->step(-1, kButtonStep); });
    connect(element<Label>(Label8), &ClickableLabel::clicked, this,
            [this] { m_cut->step(1, kButtonStep); });
    choose(CrystalType::NaCl);
}

void RadiusRatioScreen::choose(CrystalType t) {
    m_cut->setCrystal(t);
    const std::pair<Control<controls::radiusRatio::Tag>, CrystalType> structures[] = {
        {Label2, CrystalType::NaCl}, {Label3, CrystalType::CsCl}, {Label4, CrystalType::ZnS}};
    for (const auto& [name, type] : structures) {
        auto* label = element<Label>(name);
        const bool chosen = type == t;
        label->setColours(chosen ? QColor(Qt::white) : ionic::kInk,
                          chosen ? ionic::kInk : QColor(Qt::white));
        label->setAccessibleDescription(chosen
                                            ? QStringLiteral("選んでいる構造")
                                            : QStringLiteral("押すと、この構造の断面図に替わる"));
    }
}

void RadiusRatioScreen::showRatio() {
    const RatioControl& c = m_cut->control();
    const QString ratio = QStringLiteral("r^+/r^- ＝ %1（限界 %2）")
                              .arg(ionic::decimals(c.value()), ionic::decimals(c.limit()));
    auto* value = element<Label>(Label5);
    value->setMarkedText(ratio);
    value->setAccessibleName(LineMarkup::parse(ratio).spoken());
    const QString fit = c.fit() == RatioControl::Fit::Touching
                            ? QStringLiteral("陽イオンは陰イオンに接しています（安定）")
                        : c.fit() == RatioControl::Fit::Limit
                            ? QStringLiteral("陰イオンどうしも接しました：限界半径比")
                            : QStringLiteral("陽イオンが陰イオンから離れています（不安定）");
    auto* state = element<Label>(Label6);
    state->setMarkedText(fit);
    state->setAccessibleName(fit);
}

QString RadiusRatioScreen::progress() const {
    return QStringLiteral("%1:%2").arg(int(m_cut->crystal())).arg(m_cut->control().value());
}
