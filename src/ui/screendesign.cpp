#include "screendesign.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <memory>

const ElementDesign* ScreenDesign::element(const QString& name) const {
    for (const ElementDesign& e : elements)
        if (e.name == name)
            return &e;
    return nullptr;
}

QStringList ScreenDesign::panelsFilledAtLoad() const {
    QStringList filledLater;
    for (const Press& s : stages)
        for (const Step& step : s.steps)
            if (step.kind == Step::Kind::Fill)
                filledLater << step.names;
    QStringList out;
    for (const ElementDesign& e : elements)
        if (e.kind == ElementKind::Panel && !filledLater.contains(e.name))
            out << e.name;
    return out;
}

std::optional<std::optional<ScreenId>> ScreenDesign::moveOf(const QString& element) const {
    for (const Press& p : presses) {
        if (p.element != element || p.steps.empty())
            continue;
        const Step& last = p.steps.back();
        if (last.kind == Step::Kind::Move)
            return std::optional<ScreenId>(last.target);
        if (last.kind == Step::Kind::End)
            return std::optional<ScreenId>();
    }
    return std::nullopt;
}

QSize buttonTwips(Word word) {
    // Small faces are 107 x 49 pixels, lesson faces 189 x 55.
    return wordButton(word).style == ButtonStyle::Small ? QSize(1605, 735) : QSize(2835, 825);
}

QString explanation(const char* folder, int number) {
    return QStringLiteral("\\説明\\%1\\msg%2.txt").arg(QString::fromUtf8(folder)).arg(number);
}

namespace {

using MakeDesign = ScreenDesign (*)();

// Each screen's declaration, by its id.
constexpr std::array<MakeDesign, kScreenCount> kDesigns{
#define MIROSUTA_DESIGN_OF(name) [] { return design(ScreenTag<ScreenId::name>{}); },
    MIROSUTA_SCREENS(MIROSUTA_DESIGN_OF)
#undef MIROSUTA_DESIGN_OF
};

} // namespace

const ScreenDesign& screenDesign(ScreenId id) {
    // Made once, when the screen is first opened (or a table asks for it).
    static std::array<std::unique_ptr<const ScreenDesign>, kScreenCount> made;
    auto& slot = made[std::size_t(id)];
    if (!slot) {
        slot = std::make_unique<const ScreenDesign>(kDesigns[std::size_t(id)]());
        Q_ASSERT(slot->id == id);
    }
    return *slot;
}

const QList<PanelDesign>& allPanelDesigns() {
    static const QList<PanelDesign> panels = [] {
        QList<PanelDesign> out;
        for (int i = 0; i < kScreenCount; ++i) {
            const ScreenDesign& d = screenDesign(ScreenId(i));
            for (const ElementDesign& e : d.elements)
                if (e.kind == ElementKind::Panel)
                    out << PanelDesign{d.id, e.name, e.file, e.twips, e.panelGround, e.shown};
        }
        return out;
    }();
    return panels;
}
