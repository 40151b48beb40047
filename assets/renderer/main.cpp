// Draws every picture of the catalog into the folder given as the first argument.
#include "picturecatalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    for (const PictureEntry& e : pictureCatalog()) {
        QImage img(e.size * 2, QImage::Format_ARGB32);
        img.fill(QColor(250, 250, 210));
        QPainter p(&img);
        p.scale(2, 2);
        p.setPen(Qt::darkGray);
        p.drawRect(QRect(QPoint(0, 0), e.size).adjusted(0, 0, -1, -1));
        p.drawText(QRect(QPoint(0, 0), e.size), Qt::AlignCenter | Qt::TextWordWrap, e.name);
        p.end();
        if (!img.save(out.filePath(e.name + ".png")))
            return 1;
    }
    return 0;
}
