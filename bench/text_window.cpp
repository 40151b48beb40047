// A second yardstick: the bare window plus what any Japanese courseware
// shows first, one panel of text in bold Mincho, read from a CP932 file
// given as the argument. Links Qt Widgets only; prints its peak and resident
// memory (KiB) once the window is shown.
#include "processmemory.h"

#include <QApplication>
#include <QListWidget>
#include <QStringDecoder>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setFixedSize(768, 480);
    auto* panel = new QListWidget(&w);
    panel->setGeometry(43, 107, 392, 356);
    QFont font(QStringLiteral("IPAex明朝"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    panel->setFont(font);
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (file.open(QIODevice::ReadOnly)) {
            QStringDecoder decode("Shift_JIS");
            const QString text = decode(file.readAll());
            panel->addItems(text.split(QStringLiteral("\r\n")));
        }
    }
    w.show();
    settleEvents();
    std::printf("%ld %ld\n", peakKiB(), currentKiB());
    return 0;
}
