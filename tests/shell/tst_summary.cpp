#include "label.h"
#include "latticeatomsdesign.h"
#include "menudesign.h"
#include "summarydesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include <QPointer>

using namespace controls::summary;

namespace {

const QString kSummaryText = "\\説明\\まとめ\\msg1.txt";

QStringList captions(const Harness& h) {
    QStringList out;
    for (ControlName label :
         {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
          Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19})
        out << qobject_cast<Label*>(h.named(label))->text();
    return out;
}

} // namespace

class SummaryTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithFocusOnMenu();
    void linksLeadToTheirLessons_data();
    void linksLeadToTheirLessons();
    void otherCellsChangeNothing_data();
    void otherCellsChangeNothing();
    void emptyTextLeavesTheTableWorking();
    void reentryRefillsThePanel();
};

void SummaryTest::opensWithFocusOnMenu() {
    Harness h;
    h.content.writeLines(kSummaryText, {"三つの構造", "　を比べよう"});
    h.open(ScreenId::Menu);
    h.on<controls::menu::Tag>().click(controls::menu::Command4);
    QCOMPARE(h.currentName(), QString("まとめ"));
    QCOMPARE(h.current()->windowTitle(), QString("ミロスタのまとめ"));
    QCOMPARE(h.current()->size(), QSize(768, 480));
    QCOMPARE(h.on<controls::summary::Tag>().panelLines(List1),
             (QStringList{"三つの構造", "　を比べよう"}));
    QCOMPARE(h.on<controls::summary::Tag>().element<TextPanel>(List1)->ground(),
             TextPanel::Ground::Blue);
    QVERIFY(h.current()->focusWidget());
    QCOMPARE(h.current()->focusWidget()->objectName(), Command1.text());
    // Links look like every other cell; Tab reaches them, a click gives them
    // no focus.
    for (Label* l : h.current()->findChildren<Label*>()) {
        const int n = l->objectName().mid(5).toInt();
        QCOMPARE(l->focusPolicy(), n >= 8 && n <= 16 ? Qt::TabFocus : Qt::NoFocus);
        QVERIFY(!l->font().underline());
        QVERIFY(!l->testAttribute(Qt::WA_SetCursor));
    }
    h.on<controls::summary::Tag>().click(Command1);
    QCOMPARE(h.currentName(), QString("メニュー"));
}

void SummaryTest::linksLeadToTheirLessons_data() {
    QTest::addColumn<ControlName>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<ScreenId>("target");
    QTest::newRow("BCC name") << Label8 << "体心立方格子" << ScreenId::BccInterior;
    QTest::newRow("FCC name") << Label9 << "面心立方格子" << ScreenId::FccInterior;
    QTest::newRow("HCP name") << Label10 << "六方最密構造" << ScreenId::HcpInterior;
    QTest::newRow("BCC atoms") << Label11 << "２　個" << ScreenId::BccAtoms;
    QTest::newRow("FCC atoms") << Label12 << "４　個" << ScreenId::FccAtoms;
    QTest::newRow("HCP atoms") << Label13 << "６　個" << ScreenId::HcpAtoms;
    QTest::newRow("BCC neighbours") << Label14 << "８　個" << ScreenId::BccNeighbours;
    QTest::newRow("FCC neighbours") << Label15 << "１２個" << ScreenId::FccNeighbours;
    QTest::newRow("HCP neighbours") << Label16 << "１２個" << ScreenId::HcpNeighbours;
}

void SummaryTest::linksLeadToTheirLessons() {
    QFETCH(ControlName, label);
    QFETCH(QString, caption);
    QFETCH(ScreenId, target);
    Harness h;
    h.open(ScreenId::Summary);
    QCOMPARE(qobject_cast<Label*>(h.named(label))->text(), caption);
    h.clickNamed(label);
    QCOMPARE(h.current()->id(), target);
    QVERIFY(h.errors.messages.isEmpty());
    QVERIFY(h.exits.statuses.isEmpty());
}

void SummaryTest::otherCellsChangeNothing_data() {
    QTest::addColumn<ControlName>("element");
    for (ControlName element : {Label1,  Label2,  Label3, Label4, Label5, Label6, Label7, Label17,
                                Label18, Label19, Image1, Image2, Image3, Image4, Image5, Shape1,
                                Shape2,  Shape3,  Shape4, Shape5, Shape6, Shape7, Shape8, List1})
        QTest::newRow(qPrintable(element.text())) << element;
}

void SummaryTest::otherCellsChangeNothing() {
    QFETCH(ControlName, element);
    Harness h;
    h.content.writeLines(kSummaryText, {"一行目", "二行目"});
    h.open(ScreenId::Summary);
    QPointer<Screen> summary = h.current();
    const QStringList before = captions(h);
    h.clickNamed(element);
    h.clickNamed(element);
    QVERIFY(summary);
    QCOMPARE(h.current(), summary.data());
    QCOMPARE(captions(h), before);
    QCOMPARE(h.on<controls::summary::Tag>().panelLines(List1), (QStringList{"一行目", "二行目"}));
    QVERIFY(h.errors.messages.isEmpty());
    QVERIFY(h.exits.statuses.isEmpty());
}

void SummaryTest::emptyTextLeavesTheTableWorking() {
    Harness h;
    h.content.writeBytes(kSummaryText, QByteArray());
    h.open(ScreenId::Summary);
    QCOMPARE(h.currentName(), QString("まとめ"));
    QVERIFY(h.on<controls::summary::Tag>().shown(List1));
    QCOMPARE(h.on<controls::summary::Tag>().element<TextPanel>(List1)->count(), 0);
    h.on<controls::summary::Tag>().click(Label16);
    QCOMPARE(h.current()->id(), ScreenId::HcpNeighbours);
    QVERIFY(h.errors.messages.isEmpty());
}

void SummaryTest::reentryRefillsThePanel() {
    Harness h;
    h.content.writeLines(kSummaryText, {"最初の文"});
    h.open(ScreenId::Menu);
    h.on<controls::menu::Tag>().click(controls::menu::Command4);
    const QStringList table = captions(h);
    h.on<controls::summary::Tag>().click(Label12);
    QCOMPARE(h.current()->id(), ScreenId::FccAtoms);
    h.content.writeLines(kSummaryText, {"書き換えた文", "もう一行"});
    h.on<controls::latticeAtoms::Tag>().click(controls::latticeAtoms::Command2);
    QCOMPARE(h.currentName(), QString("メニュー"));
    h.on<controls::menu::Tag>().click(controls::menu::Command4);
    QCOMPARE(h.currentName(), QString("まとめ"));
    QCOMPARE(h.on<controls::summary::Tag>().panelLines(List1),
             (QStringList{"書き換えた文", "もう一行"}));
    QCOMPARE(captions(h), table);
    h.on<controls::summary::Tag>().click(Label15);
    QCOMPARE(h.current()->id(), ScreenId::FccNeighbours);
}

MIROSUTA_TEST_CLASS(SummaryTest)
#include "tst_summary.moc"
