#pragma once

// Helpers for the drill's tests: small GIF pictures written with giflib, and
// steps of a drill run driven through the fake clock and random generator.

#include "drilldesign.h"
#include "drillquestions.h"
#include "drillscreen.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <QTimerEvent>
#include <gif_lib.h>
#include <vector>

namespace drilltest {

// The ratio shipped question n (1 to 5) shows, A then B.
struct RightRatio {
    int a, b;
};
inline RightRatio rightRatio(int n) {
    const DrillQuestion q = shippedQuestions().at(n - 1);
    return {q.rightA, q.rightB};
}

// Distinct sizes tell which file is on screen.
inline QSize questionSize(int n) {
    return QSize(100 + 20 * n, 80 + 10 * n);
}
inline const QSize kMaruSize(90, 70);
inline const QSize kBatuSize(80, 60);

inline int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// A GIF of one colour.
inline QByteArray gifBytes(QSize size) {
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    GifColorType colours[2] = {{0, 0, 0}, {255, 0, 0}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, size.width(), size.height(), 1, 0, map);
    EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, nullptr);
    std::vector<GifPixelType> row(std::size_t(size.width()), 1);
    for (int y = 0; y < size.height(); ++y)
        EGifPutLine(gif, row.data(), size.width());
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
    return out;
}

// A short GIF whose header claims a logical screen and a frame of the given
// sizes; disposal 3 asks the decoder to keep a copy of the frame's area.
inline QByteArray claimingGif(QSize screen, QSize frame, int disposal = 0) {
    auto le16 = [](int v) { return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char(v >> 8)); };
    QByteArray b("GIF89a");
    b += le16(screen.width()) + le16(screen.height());
    b += QByteArray("\x80\x00\x00", 3) + QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    if (disposal)
        b +=
            QByteArray("\x21\xf9\x04", 3) + char(disposal << 2) + QByteArray("\x00\x00\x00\x00", 4);
    b += QByteArray(",\x00\x00\x00\x00", 5) + le16(frame.width()) + le16(frame.height());
    b += QByteArray("\x00\x02\x02\x4c\x01\x00;", 7);
    return b;
}

inline void writeDrillPictures(Harness& h) {
    for (int n = 1; n <= 5; ++n)
        h.content.writeBytes(QStringLiteral("\\画像\\mondai%1.gif").arg(n),
                             gifBytes(questionSize(n)));
    h.content.writeBytes("\\画像\\maru.gif", gifBytes(kMaruSize));
    h.content.writeBytes("\\画像\\batu.gif", gifBytes(kBatuSize));
}

// A draw that selects question n (1 to 5).
inline double drawFor(int n) {
    return (n - 1) / 5.0 + 0.1;
}

inline DrillScreen* drill(Harness& h) {
    return qobject_cast<DrillScreen*>(h.current());
}

inline DrillScreen* openDrill(Harness& h, double draw) {
    h.random.values = {draw};
    h.open(ScreenId::Drill);
    return drill(h);
}

// The question whose picture is on screen, 0 if none matches.
inline int shownQuestion(Harness& h) {
    auto* image = h.on<controls::drill::Tag>().element<QWidget>(controls::drill::Image5);
    for (int n = 1; image && n <= 5; ++n)
        if (image->size() == questionSize(n))
            return n;
    return 0;
}

inline void press(Harness& h, int digit) {
    h.on<controls::drill::Tag>().click(controls::drill::Command2[digit]);
}

inline void enter(Harness& h, int a, int b) {
    press(h, a);
    press(h, b);
}

inline void answerRight(Harness& h) {
    const int n = drill(h)->game().questionNo();
    enter(h, rightRatio(n).a, rightRatio(n).b);
}

inline void answerWrong(Harness& h) {
    const int n = drill(h)->game().questionNo();
    enter(h, rightRatio(n).a + 1, rightRatio(n).b);
}

inline QTimer* timer1(Harness& h) {
    return h.current() ? h.current()->findChild<QTimer*>(controls::drill::Timer1.text()) : nullptr;
}

// One tick of Timer1 as the event loop would deliver it; false when the
// timer is not running.
inline bool tick(Harness& h) {
    QTimer* t = timer1(h);
    if (!t || !t->isActive())
        return false;
    QTimerEvent e(t->timerId());
    QCoreApplication::sendEvent(t, &e);
    Harness::flushDeletes();
    return true;
}

// Lets the feedback pause run out; the next draw, if any, uses `draw`.
inline void endPause(Harness& h, double draw = 0.0) {
    h.random.values = {draw};
    h.clock.now += 3.0;
    tick(h);
}

} // namespace drilltest
