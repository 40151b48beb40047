#include "basefolder.h"
#include "testmain.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRandomGenerator>
#include <QTimer>

// Random clicks on whatever a learner could click, with the program's
// invariants checked after each one.
class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomClicksKeepTheProgramWhole_data();
    void randomClicksKeepTheProgramWhole();

private:
    static QList<QWidget*> clickable(Screen* s);
    static int openScreens();
};

QList<QWidget*> MonkeyTest::clickable(Screen* s) {
    QList<QWidget*> out;
    for (QWidget* w : s->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        if (w->isVisibleTo(s) && w->isEnabled() && w->width() > 0 && w->height() > 0)
            out << w;
    }
    return out;
}

int MonkeyTest::openScreens() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Screen*>(w))
            ++n;
    return n;
}

// 100,000 clicks in all, in rounds that each start the program afresh with
// their own seed (and stay inside the test runner's time limit per row).
void MonkeyTest::randomClicksKeepTheProgramWhole_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("clicks");
    const int total = qEnvironmentVariableIntValue("MIROSUTA_MONKEY_CLICKS") > 0
                          ? qEnvironmentVariableIntValue("MIROSUTA_MONKEY_CLICKS")
                          : 100000;
    const int rounds = 10;
    for (int r = 0; r < rounds; ++r)
        QTest::addRow("round %d", r + 1) << quint32(20261208 + r) << total / rounds;
}

void MonkeyTest::randomClicksKeepTheProgramWhole() {
    QFETCH(quint32, seed);
    QFETCH(int, clicks);
    Harness h;
    for (const char* media :
         {"\\画像\\mondai1.gif", "\\画像\\mondai2.gif", "\\画像\\mondai3.gif",
          "\\画像\\mondai4.gif", "\\画像\\mondai5.gif", "\\画像\\maru.gif", "\\画像\\batu.gif"})
        if (!h.content.copyShipped(media))
            QSKIP("the drill's pictures have not been built");
    QRandomGenerator rng(seed);
    StartUp(h.content.base());
    int ends = 0;
    QHash<QString, int> visits;
    for (int i = 0; i < clicks; ++i) {
        if (Navigator::instance().ended()) {
            ++ends;
            Navigator::instance().reset();
            StartUp(h.content.base());
        }
        Screen* s = h.current();
        QVERIFY2(s, qPrintable(QString("no screen open after click %1").arg(i)));
        ++visits[s->objectName()];
        // The drill's pause passes with the clock: let time run on a little per click.
        h.clock.now += 0.35;
        if (auto* timer = s->findChild<QTimer*>("Timer1");
            timer && timer->isActive() && rng.bounded(3) == 0) {
            QMetaObject::invokeMethod(timer, "timeout");
            Harness::flushDeletes();
            continue;
        }
        const QList<QWidget*> targets = clickable(s);
        QVERIFY(!targets.isEmpty());
        QWidget* w = targets.at(int(rng.bounded(quint32(targets.size()))));
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        Harness::flushDeletes();

        if (Navigator::instance().ended()) {
            QCOMPARE(openScreens(), 0);
            continue;
        }
        QCOMPARE(openScreens(), 1);
        QVERIFY(h.current());
        QVERIFY(!h.current()->isHidden());
        int markers = 0;
        for (QWidget* m : h.current()->findChildren<QWidget*>(
                 QRegularExpression(QStringLiteral("^Image3\\(\\d+\\)$"))))
            markers += m->isHidden() ? 0 : 1;
        if (h.current()->objectName().endsWith("内部"))
            QVERIFY2(markers <= 1, qPrintable(QString("%1 markers visible").arg(markers)));
    }
    QVERIFY(h.errors.messages.isEmpty());
    qInfo("%d clicks, %d ends, %d screens visited", clicks, ends, int(visits.size()));
    if (clicks >= 5000)
        QVERIFY(visits.size() >= 10);
}

MIROSUTA_TEST_CLASS(MonkeyTest)
#include "tst_monkey.moc"
