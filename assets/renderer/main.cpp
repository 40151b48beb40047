// Draws every picture of the catalog into the folder given as the first
// argument, as PNG files at their logical size and at twice it, and writes
// there the resource file that lists them, so that the program holds exactly
// the catalog's pictures. A second argument, if given, draws only the pictures
// whose names start with it (and writes no resource file).
//
//   picture-renderer --palette <outdir> [name-prefix]
// writes every picture at its smallest, for packs that a network carries
// (the browser build's): in 256 colours where they look the same, deflated
// at the highest level.
//
//   picture-renderer --scale FACTOR NAME FILE
// draws one picture of the catalog at FACTOR times its size into FILE (the
// browser build's home-screen icons).
#include "lettering.h"
#include "picturebook.h"
#include "picturecatalog.h"
#include "pngwriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

namespace {

// The resource file of the pictures: ":/pictures/<name>.png" and "@2x".
bool writeResourceFile(const QDir& out, const QStringList& files) {
    QSaveFile f(out.filePath("pictures.qrc"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QByteArray text = "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const QString& file : files)
        text += QStringLiteral("    <file alias=\"pictures/%1\">%1</file>\n").arg(file).toUtf8();
    text += "  </qresource>\n</RCC>\n";
    f.write(text);
    return f.commit();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    PngPacking packing = PngPacking::Fastest;
    if (argc > 1 && qstrcmp(argv[1], "--palette") == 0) {
        packing = PngPacking::Palette;
        --argc;
        ++argv;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: picture-renderer [--palette] <outdir> [name-prefix]\n"
                             "       picture-renderer --scale <factor> <name> <file>\n");
        return 2;
    }
    QString error;
    if (!Lettering::loadFonts(&error)) {
        std::fprintf(stderr, "picture-renderer: %s\n", qPrintable(error));
        return 1;
    }
    if (argc == 5 && qstrcmp(argv[1], "--scale") == 0) {
        const double factor = QByteArray(argv[2]).toDouble();
        const QString name = QString::fromLocal8Bit(argv[3]);
        if (const PictureEntry* e = pictureEntry(name); e && factor > 0) {
            // Served over a network: compressed, unlike the program's own.
            if (PictureBook(factor).draw(*e).save(QString::fromLocal8Bit(argv[4]), "PNG", 0))
                return 0;
            std::fprintf(stderr, "picture-renderer: cannot write %s\n", argv[4]);
            return 1;
        }
        std::fprintf(stderr, "picture-renderer: no picture %s at %s\n", argv[3], argv[2]);
        return 2;
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
    QStringList files;
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
            const QString name = e.name + QLatin1String(suffixes[k]) + ".png";
            if (const QString error = writePng(img, out.filePath(name), packing);
                !error.isEmpty()) {
                std::fprintf(stderr, "picture-renderer: %s\n", qPrintable(error));
                return 1;
            }
            files << name;
        }
    }
    if (only.isEmpty() && !writeResourceFile(out, files)) {
        std::fprintf(stderr, "picture-renderer: cannot write %s\n",
                     qPrintable(out.filePath("pictures.qrc")));
        return 1;
    }
    std::printf("picture-renderer: %d pictures in %.2f s\n", int(files.size()),
                clock.elapsed() / 1000.0);
    return 0;
}
