// Draws every picture of the catalog into the folder given as the first
// argument, as PNG files at their logical size and at twice it. A second argument, if
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
    // Each picture at its own size for ordinary screens, and at twice the
    // size ("@2x") for high-DPI ones.
    const PictureBook books[] = {PictureBook(1.0), PictureBook(2.0)};
    const char* suffixes[] = {"", "@2x"};
    int count = 0;
    for (const PictureEntry& e : pictureCatalog()) {
        if (!only.isEmpty() && !e.name.startsWith(only))
            continue;
        for (int k = 0; k < 2; ++k) {
            const QImage img = books[k].draw(e);
            const QSize wanted = e.size * (k + 1);
            if (img.size() != wanted) {
                std::fprintf(stderr, "picture-renderer: %s%s drawn at %dx%d, wanted %dx%d\n",
                             qPrintable(e.name), suffixes[k], img.width(), img.height(),
                             wanted.width(), wanted.height());
                return 1;
            }
            const QString file = out.filePath(e.name + QLatin1String(suffixes[k]) + ".png");
            if (const QString error = writeFastPng(img, file); !error.isEmpty()) {
                std::fprintf(stderr, "picture-renderer: %s\n", qPrintable(error));
                return 1;
            }
            ++count;
        }
    }
    std::printf("picture-renderer: %d pictures in %.2f s\n", count, clock.elapsed() / 1000.0);
    return 0;
}
