#include "drilldesign.h"
#include "latticeinteriordesign.h"
#include "picture.h"
#include "testmain.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>
#include <deque>
#include <optional>

namespace {

// The name under which the drill's pause is let pass: the clock moves on past
// the pause and the timer ticks.
const QString kTick = controls::drill::Timer1.text();

// The named elements of a screen, found once per state or click.
QList<QWidget*> elementsOf(const Screen* s) {
    QList<QWidget*> out;
    for (QWidget* w : s->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            out << w;
    return out;
}

bool pauseRuns(const Screen* s) {
    const auto* timer = s->findChild<QTimer*>(kTick);
    return timer && timer->isActive();
}

// What a learner can press: shown, enabled, with an area; and the pause while
// it runs.
QStringList pressable(const Screen* s, const QList<QWidget*>& elements) {
    QStringList out;
    for (const QWidget* w : elements)
        if (w->isVisibleTo(s) && w->isEnabled() && w->width() > 0 && w->height() > 0)
            out << w->objectName();
    if (pauseRuns(s))
        out << kTick;
    return out;
}

void press(Harness& h, const QString& name) {
    Screen* s = h.current();
    if (name == kTick) {
        h.clock.now += 3.0;
        QMetaObject::invokeMethod(s->findChild<QTimer*>(kTick), "timeout");
    } else {
        QWidget* w = s->findChild<QWidget*>(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    Harness::flushDeletes();
}

int openScreenWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Screen*>(w))
            ++n;
    return n;
}

// What is wrong with the program after a press: one screen window open (none
// once it has ended), no error reported, at most one marker on a viewer.
QStringList faultsAfterPress(Harness& h, const QList<QWidget*>& elements) {
    QStringList faults;
    const int windows = openScreenWindows();
    if (windows != (h.navigator().ended() ? 0 : 1))
        faults << QStringLiteral("%1 screen windows").arg(windows);
    if (h.current() && h.current()->isHidden())
        faults << "the open screen is hidden";
    if (!h.errors.messages.isEmpty())
        faults << h.errors.messages;
    h.errors.messages.clear();
    h.exits.statuses.clear();
    if (Screen* s = h.current(); s && s->objectName().endsWith("内部")) {
        static const QRegularExpression marker(
            "^" + QRegularExpression::escape(controls::latticeInterior::Image3.text()) +
            "\\(\\d+\\)$");
        int markers = 0;
        for (const QWidget* w : elements)
            markers += marker.match(w->objectName()).hasMatch() && !w->isHidden();
        if (markers > 1)
            faults << QStringLiteral("%1 markers shown").arg(markers);
    }
    return faults;
}

// A state as the learner sees it: the shown elements, the words of the shown
// labels, the shown pictures, and whether the pause runs.
class StateKeys {
public:
    QString of(const Screen* s, const QList<QWidget*>& elements) {
        // While the drill's pause runs its entry is closed: the typed digits
        // lead nowhere else, only right or wrong (the mark shown) does.
        const bool pause = pauseRuns(s);
        QString key = pause ? kTick : QString();
        for (QWidget* w : elements) {
            if (w->isHidden())
                continue;
            key += w->objectName();
            if (auto* p = qobject_cast<Picture*>(w))
                key += '#' + QString::number(pictureHash(p->picture()));
            else if (const auto* l = qobject_cast<const QLabel*>(w); l && !pause)
                key += '=' + l->text();
            key += ';';
        }
        return key;
    }

private:
    // Pictures loaded at run time (the drill's question and mark) are new
    // pixmaps at every load; their pixels tell them apart.
    size_t pictureHash(const QPixmap& p) {
        auto it = m_hashes.constFind(p.cacheKey());
        if (it == m_hashes.cend()) {
            const QImage img = p.toImage();
            it = m_hashes.insert(p.cacheKey(), qHashBits(img.constBits(), img.sizeInBytes()));
        }
        return *it;
    }
    QHash<qint64, size_t> m_hashes;
};

// One press in one state, and where it led.
struct Tap {
    QStringList path; // presses from the screen's opening to the state
    QString element;
    QString face;        // the button's word or the label's caption
    bool stayed = false; // the same screen is still open
    bool ended = false;
    QString landedOn; // form name of the screen open afterwards
    QString caption;  // and its window caption
    QStringList faults;
};

struct Walk {
    int states = 0;
    QList<Tap> presses;
    QSet<QString> everShown;
};

// From the screen's opening, presses every pressable element in every state
// that the presses lead to. Each state is reached again from a fresh opening
// by the presses that first led to it; a press that changes nothing the
// learner sees is taken to leave the state as it was.
Walk walkScreen(Harness& h, ScreenId id) {
    Walk walk;
    StateKeys keys;
    QSet<QString> known;
    std::deque<QStringList> queue{{}};
    const auto reach = [&](const QStringList& path) {
        if (h.navigator().ended())
            h.newRun();
        h.open(id);
        for (const QString& p : path)
            press(h, p);
        return h.current() && h.current()->id() == id;
    };
    while (!queue.empty()) {
        const QStringList path = queue.front();
        queue.pop_front();
        if (!reach(path)) {
            walk.presses << Tap{path, {}, {}, false, false, {}, {}, {"cannot be reached again"}};
            continue;
        }
        ++walk.states;
        QList<QWidget*> elements = elementsOf(h.current());
        const QString key = keys.of(h.current(), elements);
        known.insert(key);
        for (const QWidget* w : elements)
            if (!w->isHidden())
                walk.everShown.insert(w->objectName());
        bool inState = true;
        for (const QString& name : pressable(h.current(), elements)) {
            if (!inState) {
                reach(path);
                elements = elementsOf(h.current());
            }
            Tap p;
            p.path = path;
            p.element = name;
            // Names found on the screen at run time, so looked up directly.
            if (const auto* b = h.current()->findChild<QAbstractButton*>(name))
                p.face = b->text();
            else if (const auto* l = h.current()->findChild<QLabel*>(name))
                p.face = l->text();
            press(h, name);
            const Screen* now = h.current();
            p.stayed = now && now->id() == id;
            p.ended = h.navigator().ended();
            if (now && !p.stayed) {
                p.landedOn = now->objectName();
                p.caption = now->windowTitle();
            }
            const QList<QWidget*> after = p.stayed ? elements : QList<QWidget*>();
            p.faults = faultsAfterPress(h, after);
            inState = false;
            if (p.stayed) {
                const QString k = keys.of(now, elements);
                inState = k == key;
                if (!known.contains(k)) {
                    known.insert(k);
                    queue.push_back(path + QStringList{name});
                }
            }
            walk.presses << p;
        }
    }
    return walk;
}

QString describe(const Tap& p) {
    return QStringLiteral("%1 after [%2]").arg(p.element, p.path.join(' '));
}

// Where the declaration lets a press of the element lead, in some state or
// in all: every screen it opens; none when it stays; an empty target for the end.
QList<std::optional<ScreenId>> movesOf(const ScreenDesign& d, const QString& element) {
    QList<std::optional<ScreenId>> out;
    const auto add = [&](const Transition& t) {
        if (t.element != element)
            return;
        if (t.to.kind == Destination::Kind::Screen)
            out << t.to.screen;
        else if (t.to.kind == Destination::Kind::End)
            out << std::nullopt;
    };
    for (const StateDesign& s : d.states)
        for (const Transition& t : s.transitions)
            add(t);
    for (const Transition& t : d.presses)
        add(t);
    return out;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void walkPressesEverythingEverywhere_data() { addScreenRows(); }
    void walkPressesEverythingEverywhere();
    void randomClicksKeepTheProgramWhole_data();
    void randomClicksKeepTheProgramWhole();
};

// Every element of the screen, in every state, stays or lands where the
// screen's declaration lets it lead: a target of its moves, or the end. Every
// declared move is met as a learner meets it, and every element is shown in
// some state.
void MonkeyTest::walkPressesEverythingEverywhere() {
    QFETCH(ScreenId, id);
    Harness h;
    const ScreenDesign& design = screenDesign(id);
    const Walk walk = walkScreen(h, id);
    QSet<QString> moved, moving;
    for (const Tap& p : walk.presses) {
        QVERIFY2(p.faults.isEmpty(), qPrintable(describe(p) + ": " + p.faults.join("; ")));
        const QList<std::optional<ScreenId>> moves = movesOf(design, p.element);
        if (moves.isEmpty()) {
            QVERIFY2(p.stayed, qPrintable(describe(p) + " left the screen"));
            continue;
        }
        QVERIFY2(!p.face.isEmpty(), qPrintable(describe(p) + " has no word or caption"));
        moving.insert(p.element);
        if (p.stayed)
            continue;
        bool declared = false;
        for (const std::optional<ScreenId>& target : moves)
            declared = declared || (target ? p.landedOn == screenDesign(*target).formName &&
                                                 p.caption == screenDesign(*target).caption
                                           : p.ended);
        QVERIFY2(declared, qPrintable(describe(p) + " landed on " + p.landedOn));
        moved.insert(p.element);
    }
    for (const QString& e : moving)
        QVERIFY2(moved.contains(e), qPrintable(e + " never moved"));
    h.newRun();
    QStringList neverShown;
    for (const QWidget* w : elementsOf(h.open(id)))
        if (!walk.everShown.contains(w->objectName()))
            neverShown << w->objectName();
    QVERIFY2(neverShown.isEmpty(), qPrintable("never shown: " + neverShown.join(' ')));
    qInfo("%d states, %d presses", walk.states, int(walk.presses.size()));
}

// A seeded tour of random clicks, restarting at every end: 5,000 clicks, or as
// many as MIROSUTA_MONKEY_CLICKS asks for (the long run: 100000). Rounds of
// 1,000 clicks with their own seeds keep each within the per-function timeout.
void MonkeyTest::randomClicksKeepTheProgramWhole_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("clicks");
    const int asked = qEnvironmentVariableIntValue("MIROSUTA_MONKEY_CLICKS");
    const int total = asked > 0 ? asked : 5000;
    constexpr int kRound = 1000;
    for (int r = 0; r * kRound < total; ++r)
        QTest::addRow("round %d", r + 1)
            << quint32(20261208 + r) << qMin(kRound, total - r * kRound);
}

void MonkeyTest::randomClicksKeepTheProgramWhole() {
    QFETCH(quint32, seed);
    QFETCH(int, clicks);
    Harness h;
    QRandomGenerator rng(seed);
    h.navigator().startUp(h.content.base());
    int ends = 0;
    QHash<QString, int> visits;
    for (int i = 0; i < clicks; ++i) {
        if (h.navigator().ended()) {
            ++ends;
            h.newRun();
            h.navigator().startUp(h.content.base());
        }
        Screen* s = h.current();
        QVERIFY2(s, qPrintable(QString("no screen open after click %1").arg(i)));
        ++visits[s->objectName()];
        // The drill's pause passes with the clock: let time run on a little per click.
        h.clock.now += 0.35;
        if (auto* timer = s->findChild<QTimer*>(kTick);
            timer && timer->isActive() && rng.bounded(3) == 0) {
            QMetaObject::invokeMethod(timer, "timeout");
            Harness::flushDeletes();
            continue;
        }
        const QList<QWidget*> elements = elementsOf(s);
        QStringList targets = pressable(s, elements);
        targets.removeAll(kTick);
        QVERIFY(!targets.isEmpty());
        const QString name = targets.at(int(rng.bounded(quint32(targets.size()))));
        press(h, name);
        const bool stayed = h.current() == s;
        const QStringList faults = faultsAfterPress(h, stayed ? elements : QList<QWidget*>());
        QVERIFY2(
            faults.isEmpty(),
            qPrintable(QStringLiteral("click %1 on %2: %3").arg(i).arg(name, faults.join("; "))));
    }
    qInfo("%d clicks, %d ends, %d screens visited", clicks, ends, int(visits.size()));
    if (clicks >= 1000)
        QVERIFY(visits.size() >= 10);
}

MIROSUTA_TEST_CLASS(MonkeyTest)
#include "tst_monkey.moc"
