#include "statewalk.h"

#include "navigator.h"
#include "screen.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <deque>

void flushEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool clickElement(Screen* screen, const QString& name) {
    QWidget* w = screen ? screen->element(name) : nullptr;
    if (!w || !w->isVisibleTo(screen))
        return false;
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    flushEvents();
    return true;
}

QStringList pressesTo(const ScreenDesign& design, int state) {
    std::vector<QStringList> way(design.states.size());
    std::vector<bool> seen(design.states.size(), false);
    std::deque<int> todo{0};
    seen[0] = true;
    while (!todo.empty()) {
        const int s = todo.front();
        todo.pop_front();
        if (s == state)
            return way[std::size_t(s)];
        for (const Transition& t : design.states[std::size_t(s)].transitions) {
            if (t.trigger != Transition::Trigger::Press || t.key != AnswerKey::None ||
                t.to.kind != Destination::Kind::State || seen[std::size_t(t.to.state)])
                continue;
            seen[std::size_t(t.to.state)] = true;
            way[std::size_t(t.to.state)] = way[std::size_t(s)] + QStringList{t.element};
            todo.push_back(t.to.state);
        }
    }
    return {};
}

StateWalk::StateWalk(Navigator& navigator, MoveClock moveClock)
    : m_navigator(navigator), m_moveClock(std::move(moveClock)) {}

WalkStep StateWalk::stepFor(const Transition& way) const {
    if (way.trigger == Transition::Trigger::Wait)
        return {way.element, true, way.seconds};
    Screen* s = m_navigator.current();
    return {s ? s->pressFor(way) : QString()};
}

bool StateWalk::take(const WalkStep& step) {
    Screen* s = m_navigator.current();
    if (!s)
        return false;
    if (!step.wait)
        return clickElement(s, step.element);
    auto* timer = s->findChild<QTimer*>(step.element);
    if (!timer || !timer->isActive())
        return false;
    // Past the wait by a second, whatever the rounding of the clock.
    m_moveClock(step.seconds + 1);
    QMetaObject::invokeMethod(timer, "timeout");
    flushEvents();
    return true;
}

bool StateWalk::replay(ScreenId id, const QList<WalkStep>& path) {
    m_navigator.switchScreen(id);
    flushEvents();
    for (const WalkStep& step : path) {
        Screen* s = m_navigator.current();
        if (!s || s->id() != id || !take(step))
            return false;
    }
    Screen* s = m_navigator.current();
    return s && s->id() == id;
}

std::vector<bool> StateWalk::walk(ScreenId id, const Visit& visit, const Tried& tried) {
    const ScreenDesign& design = screenDesign(id);
    std::vector<bool> reached(design.states.size(), false);
    QSet<QString> seen;
    std::deque<WalkPlace> todo;
    const auto arrive = [&](Screen* s, const QList<WalkStep>& path) {
        WalkPlace place{s->state(), s->progress(), path};
        const QString key = QString::number(place.state) + '|' + place.progress;
        if (seen.contains(key) || seen.size() >= kMaxPlaces)
            return;
        seen.insert(key);
        const bool first = !reached[std::size_t(place.state)];
        reached[std::size_t(place.state)] = true;
        if (visit)
            visit(s, place, first);
        todo.push_back(std::move(place));
    };
    if (!replay(id, {}))
        return reached;
    arrive(m_navigator.current(), {});
    while (!todo.empty()) {
        const WalkPlace from = std::move(todo.front());
        todo.pop_front();
        const StateDesign& state = design.states[std::size_t(from.state)];
        std::vector<const Transition*> ways;
        for (const Transition& t : state.transitions)
            ways.push_back(&t);
        for (const Transition& t : design.presses)
            ways.push_back(&t);
        for (const Transition* way : ways) {
            if (way->to.kind == Destination::Kind::End)
                continue;
            if (!replay(id, from.path))
                break;
            const WalkStep step = stepFor(*way);
            if (step.element.isEmpty())
                continue; // no key can take it from here
            Screen* before = m_navigator.current();
            const bool taken = take(step);
            Screen* now = m_navigator.current();
            const bool left = !now || now != before;
            if (tried && (taken || left))
                tried(from, *way, left ? -1 : now->state(), now ? now->id() : ScreenId::Count);
            if (!left && taken)
                arrive(now, from.path + QList<WalkStep>{step});
        }
    }
    return reached;
}
