#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>

namespace {

// What a learner can see of an element, to compare a screen with its design.
QString describe(const QWidget* w) {
    QString d = QStringLiteral("%1 hidden=%2 geo=%3,%4,%5,%6")
                    .arg(w->objectName())
                    .arg(w->isHidden())
                    .arg(w->x())
                    .arg(w->y())
                    .arg(w->width())
                    .arg(w->height());
    if (auto* p = qobject_cast<const TextPanel*>(w))
        d += " items=" + p->lines().join('|');
    if (auto* l = qobject_cast<const QLabel*>(w))
        d += " text=" + l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        d += " button=" + b->text();
    return d;
}

QStringList snapshot(const Screen* s) {
    QStringList out;
    for (const QWidget* w : s->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            out << describe(w);
    out.sort();
    return out;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void everyScreenHasItsFrame_data() { addScreenRows(); }
    void everyScreenHasItsFrame();
    void reentryRebuildsTheDesign_data() { addScreenRows(); }
    void reentryRebuildsTheDesign();
    void everyStateAsDeclared_data() { addScreenRows(); }
    void everyStateAsDeclared();
};

void NavigationTest::everyScreenHasItsFrame() {
    QFETCH(ScreenId, id);
    Harness h;
    Screen* s = h.open(id);
    QVERIFY(s);
    const ScreenDesign& info = screenDesign(id);
    QCOMPARE(s->objectName(), info.formName);
    QCOMPARE(s->windowTitle(), info.caption);
    QCOMPARE(s->size(), info.clientTwips / 15);
    QCOMPARE(s->minimumSize(), s->maximumSize());
    QVERIFY(!(s->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(s->windowFlags() & Qt::WindowMaximizeButtonHint));
    // In a browser the page is the window: a screen has no frame to drag or close.
    if (QGuiApplication::platformName() == QLatin1String("wasm"))
        QVERIFY(s->windowFlags() & Qt::FramelessWindowHint);
    else
        QVERIFY(s->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(s->palette().color(QPalette::Window), QColor(0, 255, 255));
    QVERIFY(!s->windowIcon().isNull());
    QVERIFY(!s->isHidden());
    // Every picture button speaks its face word; every element has a control name.
    for (auto* b : s->findChildren<QAbstractButton*>())
        QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
    for (auto* w : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
    // Every element lies inside the window.
    for (auto* w : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(s->rect().contains(w->geometry()) || w->geometry().isEmpty(),
                 qPrintable(describe(w)));
}

void NavigationTest::reentryRebuildsTheDesign() {
    QFETCH(ScreenId, id);
    Harness h;
    Screen* first = h.open(id);
    QVERIFY2(first, qPrintable(h.errors.messages.join('\n')));
    const QStringList designed = snapshot(first);
    // Disturb the screen as a learner would: into the state its declaration
    // reaches last.
    QList<WalkStep> deepest;
    h.walk().walk(id, [&](Screen*, const WalkPlace& place, bool) { deepest = place.path; });
    QVERIFY(h.walk().replay(id, deepest));
    h.navigator().switchScreen(ScreenId::Menu);
    Screen* again = h.open(id);
    QVERIFY(again);
    QCOMPARE(snapshot(again), designed);
}

// Every state of every screen reached from its opening as its declaration
// leads: each shows what it declares, each shown panel its own text, and
// every way out leads where it is declared.
void NavigationTest::everyStateAsDeclared() {
    QFETCH(ScreenId, id);
    Harness h;
    const ScreenDesign& d = screenDesign(id);
    QStringList faults;
    const auto visit = [&](Screen* s, const WalkPlace& place, bool) {
        const QString where = d.formName + '-' + s->stateName();
        for (const QString& n : d.stagedElements())
            if (h.shownNamed(n) != d.shownIn(place.state, n))
                faults << where + ": " + n + (h.shownNamed(n) ? " shown" : " hidden");
        for (const ElementDesign& e : d.elements)
            if (e.kind == ElementKind::Panel && h.shownNamed(e.name) &&
                panelLinesOf(h.named(e.name)) != QStringList{e.file})
                faults << where + ": " + e.name + " shows " +
                              panelLinesOf(h.named(e.name)).join('|');
    };
    const auto tried = [&](const WalkPlace& from, const Transition& way, int arrived,
                           ScreenId after) {
        const QString what =
            QStringLiteral("%1-%2, %3: ")
                .arg(d.formName, d.states[std::size_t(from.state)].name, way.element);
        if (way.leaves() && !(arrived < 0 && after == way.to.screen))
            faults << what + "did not open its screen";
        else if (!way.leaves() && (arrived < 0 || !way.to.allows(arrived)))
            faults << what + "led elsewhere";
    };
    const std::vector<bool> reached = h.walk().walk(id, visit, tried);
    for (std::size_t i = 0; i < reached.size(); ++i)
        if (!reached[i])
            faults << d.formName + '-' + d.states[i].name + ": never reached";
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY2(h.errors.messages.isEmpty(), qPrintable(h.errors.messages.join('\n')));
}

MIROSUTA_TEST_CLASS(NavigationTest)
#include "tst_navigation.moc"
