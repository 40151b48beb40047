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

bool Destination::allows(int arrived) const {
    if (kind == Kind::State)
        return arrived == state;
    return kind == Kind::Decided &&
           std::find(states.begin(), states.end(), arrived) != states.end();
}

int ScreenDesign::stateIndex(const QString& name) const {
    for (std::size_t i = 0; i < states.size(); ++i)
        if (states[i].name == name)
            return int(i);
    return -1;
}

QStringList ScreenDesign::panelsFilledAtLoad() const {
    QStringList filledLater;
    for (const StateDesign& s : states)
        filledLater << s.fill;
    QStringList out;
    for (const ElementDesign& e : elements)
        if (e.kind == ElementKind::Panel && !filledLater.contains(e.name))
            out << e.name;
    return out;
}

bool ScreenDesign::shownIn(int state, const QString& name) const {
    // The latest word on it, from the state back to the opening.
    for (int i = state; i >= 0; i = states[std::size_t(i)].base) {
        const StateDesign& s = states[std::size_t(i)];
        if (s.show.contains(name))
            return true;
        if (s.hide.contains(name))
            return false;
    }
    const ElementDesign* e = element(name);
    return e && e->shown;
}

QStringList ScreenDesign::stagedElements() const {
    QStringList out;
    for (const ElementDesign& e : elements)
        for (const StateDesign& s : states)
            if (s.show.contains(e.name) || s.hide.contains(e.name)) {
                out << e.name;
                break;
            }
    return out;
}

const Transition* ScreenDesign::pressIn(int state, const QString& name) const {
    if (state >= 0 && state < int(states.size()))
        for (const Transition& t : states[std::size_t(state)].transitions)
            if (t.trigger == Transition::Trigger::Press && t.key == AnswerKey::None &&
                t.element == name)
                return &t;
    for (const Transition& t : presses)
        if (t.element == name)
            return &t;
    return nullptr;
}

std::optional<std::optional<ScreenId>> ScreenDesign::moveOf(const QString& name) const {
    for (const Transition& t : presses) {
        if (t.element != name)
            continue;
        if (t.to.kind == Destination::Kind::Screen)
            return std::optional<ScreenId>(t.to.screen);
        if (t.to.kind == Destination::Kind::End)
            return std::optional<ScreenId>();
    }
    return std::nullopt;
}

bool ScreenDesign::takes(const std::type_info& tag) const {
    return std::any_of(tags.begin(), tags.end(),
                       [&](const std::type_info* t) { return *t == tag; });
}

QStringList ScreenDesign::problems() const {
    QStringList out;
    const auto fault = [&](const QString& what) { out << formName + ": " + what; };
    // An element by its name, or an array's first element.
    const auto declared = [&](const QString& name) {
        return element(name) || element(name + QStringLiteral("(0)"));
    };
    const auto need = [&](const QString& name, const char* where) {
        if (!declared(name))
            fault(QStringLiteral("%1 names %2, which is not declared").arg(where, name));
    };
    for (const ElementDesign& e : elements) {
        if (!e.parent.isEmpty()) {
            const ElementDesign* frame = element(e.parent);
            if (!frame || frame->kind != ElementKind::Frame || frame > &e)
                fault(e.name + " lies in " + e.parent + ", which is no frame declared before it");
        }
        if (e.onDrawing != OnDrawing::None) {
            const ElementDesign* d = element(e.drawing);
            if (!d || d->kind != ElementKind::Drawing)
                fault(e.name + " lies on " + e.drawing + ", which is no drawing");
        }
    }
    for (const QString& name : tabOrder)
        need(name, "the tab order");
    if (!firstFocus.isEmpty())
        need(firstFocus, "the first focus");
    const auto checkTransition = [&](const Transition& t, const QString& where) {
        if (t.trigger == Transition::Trigger::Wait) {
            if (!timers.contains(t.element))
                fault(QStringLiteral("%1 waits on %2, which is no timer").arg(where, t.element));
        } else {
            need(t.element, qPrintable(where));
        }
        const auto inRange = [&](int s) { return s >= 0 && s < int(states.size()); };
        if ((t.to.kind == Destination::Kind::State && !inRange(t.to.state)) ||
            (t.to.kind == Destination::Kind::Decided &&
             (t.to.states.empty() ||
              !std::all_of(t.to.states.begin(), t.to.states.end(), inRange))))
            fault(where + " leads to a state the screen lacks");
        if (t.to.kind == Destination::Kind::Screen && t.to.screen == ScreenId::Count)
            fault(where + " leads to no screen");
    };
    for (const Transition& t : presses)
        checkTransition(t, QStringLiteral("a press of %1").arg(t.element));
    for (const StateDesign& s : states) {
        const QString where = QStringLiteral("state %1").arg(s.name);
        for (const QString& name : s.show + s.hide + s.hideFirst)
            need(name, qPrintable(where));
        for (const QString& name : s.fill) {
            const ElementDesign* e = element(name);
            if (!e || e->kind != ElementKind::Panel)
                fault(QStringLiteral("%1 fills %2, which is no panel").arg(where, name));
        }
        if (!s.focus.isEmpty())
            need(s.focus, qPrintable(where));
        const int index = int(&s - states.data());
        for (const Transition& t : s.transitions) {
            checkTransition(t, where + QStringLiteral(" (%1)").arg(t.element));
            // A learner presses only what is shown.
            if (t.trigger == Transition::Trigger::Press && t.key == AnswerKey::None &&
                element(t.element) && !shownIn(index, t.element))
                fault(QStringLiteral("%1 is left by a press of %2, which it hides")
                          .arg(where, t.element));
        }
    }
    // Every state is reached from the opening.
    std::vector<bool> reached(states.size(), false);
    std::vector<int> todo{0};
    reached[0] = true;
    while (!todo.empty()) {
        const int s = todo.back();
        todo.pop_back();
        for (const Transition& t : states[std::size_t(s)].transitions) {
            std::vector<int> next = t.to.states;
            if (t.to.kind == Destination::Kind::State)
                next = {t.to.state};
            for (int n : next)
                if (n >= 0 && n < int(states.size()) && !reached[std::size_t(n)]) {
                    reached[std::size_t(n)] = true;
                    todo.push_back(n);
                }
        }
    }
    for (std::size_t i = 0; i < states.size(); ++i)
        if (!reached[i])
            fault(QStringLiteral("state %1 cannot be reached").arg(states[i].name));
    return out;
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
#define MIROSUTA_DESIGN_OF(name, tag) [] { return design(ScreenTag<ScreenId::name>{}); },
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

QStringList designProblems() {
    QStringList out;
    for (int i = 0; i < kScreenCount; ++i) {
        const ScreenDesign& d = screenDesign(ScreenId(i));
        if (d.id != ScreenId(i))
            out << QStringLiteral("%1: declared with the id of another screen").arg(d.formName);
        out << d.problems();
    }
    return out;
}
