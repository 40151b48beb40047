// Draws every picture of the catalog into the folder given as the first
// argument, as PNG files at twice their logical size. A second argument, if
// given, draws only the pictures whose names start with it.
#include "lettering.h"
#include "picturebook.h"
#include "picturecatalog.h"
#include "pngwriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: picture-renderer <outdir> [name-prefix]\n");
        return 2;
    }
    QString error;
    if (!Lettering::loadFonts(&error)) {
        std::fprintf(stderr, "picture-renderer: %s\n", qPrintable(error));
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(out.path());
    QElapsedTimer clock;
    clock.start();
    const PictureBook book(2.0);
    int count = 0;
    for (const PictureEntry& e : pictureCatalog()) {
        if (!only.isEmpty() && !e.name.startsWith(only))
            continue;
        const QImage img = book.draw(e);
        if (img.size() != e.size * 2) {
            std::fprintf(stderr, "picture-renderer: %s drawn at %dx%d, wanted %dx%d\n",
                         qPrintable(e.name), img.width(), img.height(), e.size.width() * 2,
                         e.size.height() * 2);
            return 1;
        }
        if (const QString error = writeFastPng(img, out.filePath(e.name + ".png"));
            !error.isEmpty()) {
            std::fprintf(stderr, "picture-renderer: %s\n", qPrintable(error));
            return 1;
        }
        ++count;
    }
    std::printf("picture-renderer: %d pictures in %.2f s\n", count, clock.elapsed() / 1000.0);
    return 0;
}
