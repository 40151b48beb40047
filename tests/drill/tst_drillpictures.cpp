#include "contentpicture.h"
#include "drilldesign.h"
#include "drillfixture.h"
#include "drillstartdesign.h"
#include "lazysoundplayer.h"
#include "testmain.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

using namespace drilltest;

// The question and mark pictures from the content folder, failures included;
// the start screen, the drill's layout and the real sound player.
class DrillPictureTest : public QObject {
    Q_OBJECT

private slots:
    void questionPictureIsCentredInItsFrame_data();
    void questionPictureIsCentredInItsFrame();
    void unreadablePictureEndsTheProgram_data();
    void unreadablePictureEndsTheProgram();
    void contentPictureLoader_data();
    void contentPictureLoader();
    void overlaidElementsStackInFront_data();
    void overlaidElementsStackInFront();
    void startScreenLeadsIntoTheDrill_data();
    void startScreenLeadsIntoTheDrill();
    void soundPlayerNeverHoldsTheDrillUp();
    void missingOrDamagedSoundModuleIsSilent_data();
    void missingOrDamagedSoundModuleIsSilent();
};

void DrillPictureTest::questionPictureIsCentredInItsFrame_data() {
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::newRow("3000 x 2400 twips") << QSize(200, 160) << 2032.5 << 2940.0;
    QTest::newRow("exactly the frame") << QSize(341, 242) << 975.0 << 2325.0;
    QTest::newRow("larger than the frame") << QSize(400, 300) << 532.5 << 1890.0;
    QTest::newRow("odd sizes") << QSize(77, 33) << 2955.0 << 3892.5;
    QTest::newRow("one pixel") << QSize(1, 1) << 3525.0 << 4132.5;
}

void DrillPictureTest::questionPictureIsCentredInItsFrame() {
    using namespace controls::drill;
    QFETCH(QSize, pixels);
    QFETCH(double, left);
    QFETCH(double, top);
    Harness h;
    writeDrillPictures(h);
    h.content.writeBytes("\\画像\\mondai1.gif", gifBytes(pixels));
    QVERIFY(openDrill(h, drawFor(1)));
    // Centred in its frame of 975, 2325, 5115 x 3630 twips, to the nearest pixel.
    const QRect placed = h.on<controls::drill::Tag>().element<QWidget>(Image5)->geometry();
    QCOMPARE(placed.size(), pixels);
    QVERIFY(qAbs(placed.x() * 15 - left) <= 7.5 && qAbs(placed.y() * 15 - top) <= 7.5);
    QVERIFY(h.on<controls::drill::Tag>().shown(Image5));
}

void DrillPictureTest::unreadablePictureEndsTheProgram_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // empty: the file is missing
    QTest::addColumn<int>("rightAnswers"); // before the failing step
    QTest::addColumn<int>("firstDraw");
    QTest::addColumn<bool>("wrong");
    QTest::addColumn<QString>("reason");
    const QString missing = "見つかりません";
    QTest::newRow("first question")
        << "\\画像\\mondai3.gif" << QByteArray() << 0 << 3 << false << missing;
    QTest::newRow("later question")
        << "\\画像\\mondai4.gif" << QByteArray() << 1 << 3 << false << missing;
    QTest::newRow("right mark") << "\\画像\\maru.gif" << QByteArray() << 0 << 2 << false << missing;
    QTest::newRow("wrong mark") << "\\画像\\batu.gif" << QByteArray() << 0 << 2 << true << missing;
    QTest::newRow("damaged question")
        << "\\画像\\mondai2.gif" << QByteArray("GIF89a\x01\x02", 8) << 0 << 2 << false << "壊れ";
    QTest::newRow("huge mark") << "\\画像\\maru.gif"
                               << claimingGif(QSize(60000, 60000), QSize(60000, 60000)) << 0 << 1
                               << false << "大きすぎ";
}

void DrillPictureTest::unreadablePictureEndsTheProgram() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, rightAnswers);
    QFETCH(int, firstDraw);
    QFETCH(bool, wrong);
    QFETCH(QString, reason);
    Harness h;
    writeDrillPictures(h);
    bytes.isEmpty() ? h.content.remove(file) : h.content.writeBytes(file, bytes);
    openDrill(h, drawFor(firstDraw));
    for (int i = 0; i < rightAnswers; ++i) {
        answerRight(h);
        endPause(h, drawFor(4));
    }
    if (h.current())
        wrong ? answerWrong(h) : answerRight(h);
    QCOMPARE(h.errors.messages.size(), 1);
    QVERIFY(h.errors.messages[0].contains(h.content.full(file)));
    QVERIFY2(h.errors.messages[0].contains(reason), qPrintable(h.errors.messages[0]));
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QCOMPARE(h.currentName(), QString());
}

void DrillPictureTest::contentPictureLoader_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size"); // invalid: refused
    QTest::addColumn<QString>("reason");
    const QByteArray valid = gifBytes(QSize(50, 40));
    QTest::newRow("valid") << valid << QSize(50, 40) << QString();
    QTest::newRow("at the size limit")
        << gifBytes(QSize(2000, 2000)) << QSize(2000, 2000) << QString();
    QTest::newRow("one pixel too wide") << gifBytes(QSize(2001, 10)) << QSize() << "大きすぎ";
    QTest::newRow("empty file") << QByteArray() << QSize() << "壊れ";
    QTest::newRow("header only") << QByteArray("GIF89a") << QSize() << "壊れ";
    QTest::newRow("garbage") << QByteArray(5000, '\xA5') << QSize() << "壊れ";
    QTest::newRow("claims 60000 x 60000")
        << claimingGif(QSize(60000, 60000), QSize(60000, 60000)) << QSize() << "大きすぎ";
    // A frame larger than its screen is cut to the screen, without a large allocation.
    QTest::newRow("small screen, huge frame")
        << claimingGif(QSize(10, 10), QSize(60000, 60000)) << QSize(10, 10) << QString();
    QTest::newRow("tall screen, small frame")
        << claimingGif(QSize(8, 8200), QSize(8, 8)) << QSize() << "大きすぎ";
    QTest::newRow("huge frame kept for restoring")
        << claimingGif(QSize(10, 10), QSize(60000, 60000), 3) << QSize(10, 10) << QString();
    QImage png(20, 20, QImage::Format_RGB32);
    png.fill(Qt::red);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    QTest::newRow("a PNG under a GIF name") << pngBytes << QSize() << "GIF";
}

void DrillPictureTest::contentPictureLoader() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.gif");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QPixmap pixmap;
    const QString why = loadContentPicture(path, &pixmap);
    if (size.isValid()) {
        QCOMPARE(why, QString());
        QCOMPARE(pixmap.size(), size);
    } else {
        QVERIFY(pixmap.isNull());
        QVERIFY2(why.contains(reason), qPrintable(why));
    }
    // Missing files and folders are refused with their own reasons.
    QVERIFY(loadContentPicture(dir.filePath("none.gif"), &pixmap).contains("見つかりません"));
    QVERIFY(loadContentPicture(dir.path(), &pixmap).contains("フォルダー"));
}

void DrillPictureTest::overlaidElementsStackInFront_data() {
    using namespace controls::drill;
    QTest::addColumn<ControlName>("front");
    QTest::addColumn<ControlName>("back");
    for (ControlName under : {Image5, Label1[0], Label1[1], Image4[0], Image4[1]})
        QTest::addRow("mark over %s", qPrintable(under.text())) << Image6 << under;
    for (ControlName over : {Label1[0], Label1[1], Image4[0], Image4[1], Label2, Image5,
                             Command2[0], Command2[9], Image7, List2})
        QTest::addRow("%s over the panel", qPrintable(over.text())) << over << Image2;
}

void DrillPictureTest::overlaidElementsStackInFront() {
    using namespace controls::drill;
    QFETCH(ControlName, front);
    QFETCH(ControlName, back);
    Harness h;
    writeDrillPictures(h);
    openDrill(h, 0.0);
    const QObjectList& stack = h.current()->children(); // back to front
    QWidget* f = qobject_cast<QWidget*>(h.named(front));
    QWidget* b = qobject_cast<QWidget*>(h.named(back));
    QVERIFY(f && b);
    QVERIFY(f->geometry().intersects(b->geometry()) || back.text() != Image2.text());
    QVERIFY(stack.indexOf(f) > stack.indexOf(b));
}

void DrillPictureTest::startScreenLeadsIntoTheDrill_data() {
    using namespace controls::drillStart;
    QTest::addColumn<ControlName>("button");
    QTest::addColumn<QString>("target");
    QTest::newRow("実行") << Command1 << "ドリル";
    QTest::newRow("メニュー") << Command2 << "メニュー";
}

void DrillPictureTest::startScreenLeadsIntoTheDrill() {
    QFETCH(ControlName, button);
    QFETCH(QString, target);
    Harness h;
    writeDrillPictures(h);
    h.content.writeLines("\\説明\\ドリル\\msg1.txt", {"ドリルの説明", "", "　字下げ"});
    h.open(ScreenId::DrillStart);
    QCOMPARE(h.currentName(), QString("ドリル開始"));
    QCOMPARE(h.on<controls::drillStart::Tag>().panelLines(controls::drillStart::List1),
             (QStringList{"ドリルの説明", "", "　字下げ"}));
    h.clickNamed(button);
    QCOMPARE(h.currentName(), target);
    QVERIFY(h.errors.messages.isEmpty());
}

void DrillPictureTest::soundPlayerNeverHoldsTheDrillUp() {
    using namespace controls::drill;
    // The program's player with the built sound module, and sounds that are
    // missing, a folder, or noise: the drill judges, shows its mark and
    // reports nothing.
    Harness h;
    LazySoundPlayer player(QStringLiteral(MIROSUTA_OUTPUT_DIR));
    h.useSound(player);
    h.content.remove("\\音\\o.wav");
    QDir().mkpath(h.content.full("\\音\\gokaku.wav"));
    h.content.writeBytes("\\音\\x.wav", QByteArray(4096, '\x11'));
    h.random.values = {0.0};
    h.open(ScreenId::Drill);
    QVERIFY(h.current());
    h.on<controls::drill::Tag>().click(Command2[2]);
    h.on<controls::drill::Tag>().click(Command2[4]); // wrong: x.wav is noise
    QVERIFY(h.on<controls::drill::Tag>().shown(Image6));
    QVERIFY2(player.loaded(), "the sound module was not loaded");
    player.play(h.content.full("\\音\\o.wav"));
    player.play(h.content.full("\\音\\gokaku.wav"));
    player.play(QString());
    QCoreApplication::processEvents();
    QVERIFY(h.errors.messages.isEmpty());
    QVERIFY(h.exits.statuses.isEmpty());
    QCOMPARE(h.currentName(), QString("ドリル"));
}

void DrillPictureTest::missingOrDamagedSoundModuleIsSilent_data() {
    QTest::addColumn<QByteArray>("module"); // the module file's bytes; empty: no file
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("garbage") << QByteArray(8192, '\x5a');
    QTest::newRow("not a library") << QByteArray("\x7f"
                                                 "ELF truncated");
}

void DrillPictureTest::missingOrDamagedSoundModuleIsSilent() {
    using namespace controls::drill;
    QFETCH(QByteArray, module);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (!module.isEmpty()) {
        QFile f(folder.filePath(QStringLiteral("mirosuta-sound.so")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(module);
    }
    Harness h;
    LazySoundPlayer player(folder.path());
    h.useSound(player);
    player.prepareSoon();
    h.random.values = {0.0};
    h.open(ScreenId::Drill);
    h.on<controls::drill::Tag>().click(Command2[2]);
    h.on<controls::drill::Tag>().click(Command2[4]); // judged: a sound is asked for
    QVERIFY(h.on<controls::drill::Tag>().shown(Image6));
    QVERIFY(!player.loaded());
    QTest::qWait(400); // past the prepare delay: trying again changes nothing
    QVERIFY(!player.loaded());
    QVERIFY(h.errors.messages.isEmpty());
    QVERIFY(h.exits.statuses.isEmpty());
}

MIROSUTA_TEST_CLASS(DrillPictureTest)
#include "tst_drillpictures.moc"
