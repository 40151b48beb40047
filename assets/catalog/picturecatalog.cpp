#include "picturecatalog.h"

#include "cellmodel.h"

#include <QHash>

namespace {

std::vector<PictureEntry> buildCatalog() {
    std::vector<PictureEntry> v;
    auto add = [&](const QString& name, int w, int h) { v.push_back({name, QSize(w, h)}); };

    add("title", 384, 76); // program title
    add("icon", 32, 32);   // window icon
    add("face-a", 62, 65); // guide face A, looking right
    add("face-b", 62, 65); // guide face B, looking left
    for (const char* b : {"btn-run", "btn-menu", "btn-next", "btn-again", "btn-end"})
        add(b, 107, 49); // small orange word buttons
    for (const char* b :
         {"btn-bcc", "btn-fcc", "btn-hcp", "btn-summary", "btn-drill", "btn-radius"})
        add(b, 189, 55);            // large blue lesson buttons
    add("plate-radius", 300, 56);   // 原子半径の学習
    add("banner-summary", 356, 68); // 構造のまとめ
    add("title-drill", 356, 68);    // drill title
    add("marker", 17, 17);
    add("qmark", 101, 61);           // "?" over an answer box
    add("question-panel", 715, 380); // drill question panel
    for (int d = 0; d < 10; ++d)
        add(keyName(d), 64, 46);
    for (const char* h : {"hint-1", "hint-half", "hint-quarter", "hint-eighth", "hint-sixth"})
        add(h, 110, 120);
    add("radius-atom", 220, 200);
    add("radius-fcc-face", 260, 260);
    add("radius-fcc-labelled", 260, 260);
    add("radius-fcc-derivation", 400, 300);
    add("radius-bcc-hexagon", 260, 260);
    add("radius-bcc-labelled", 260, 260);
    add("radius-bcc-derivation", 400, 330);

    const QSize cutaway[] = {QSize(179, 189), QSize(174, 193), QSize(151, 184)};
    int i = 0;
    for (cell::Structure s : cell::kAllStructures) {
        add(pictureName("plate", s), 232, 52); // structure title plate
        add(pictureName("cutaway", s), cutaway[i].width(), cutaway[i].height());
        add(pictureName("spheres", s), 285, 298); // hard-sphere block
        const cell::Camera& cam = cell::lessonCamera(s);
        add(pictureName("ballstick", s), cam.width, cam.height);
        add(pictureName("emptycell", s), cam.width, cam.height);
        add(pictureName("neighbour-q", s), 260, 260);
        // The answer of the two close-packed structures shows two cells apart.
        add(pictureName("neighbour-a", s), 260, s == cell::Structure::Bcc ? 260 : 400);
        // Their words, set on them when they turn; the two cells apart are
        // joined by arrows with a word each.
        std::vector<std::pair<QString, WordPicture>> words = {
            {pictureName("neighbour-q", s), WordPicture::Focus},
            {pictureName("neighbour-a", s), WordPicture::Focus}};
        if (s != cell::Structure::Bcc)
            for (WordPicture w : {WordPicture::JoinLeft, WordPicture::JoinRight})
                words.push_back({pictureName("neighbour-a", s), w});
        for (const auto& [drawing, w] : words) {
            const QSize size = wordPictureSize(w);
            add(wordPictureName(drawing, w), size.width(), size.height());
        }
        for (int p = 0; p < cell::pieceCount(s); ++p) {
            const cell::Rect2 r = cell::pieceRect(s, p);
            add(pieceName(s, p), r.width, r.height);
        }
        ++i;
    }
    return v;
}

} // namespace

const std::vector<PictureEntry>& pictureCatalog() {
    static const std::vector<PictureEntry> catalog = buildCatalog();
    return catalog;
}

QSize pictureSize(const QString& name) {
    static const QHash<QString, QSize> sizes = [] {
        QHash<QString, QSize> h;
        for (const PictureEntry& e : pictureCatalog())
            h.insert(e.name, e.size);
        return h;
    }();
    return sizes.value(name);
}

QString pictureName(const QString& stem, cell::Structure s) {
    return stem + '-' + QString::fromStdString(cell::structureKey(s));
}

QString pieceName(cell::Structure s, int index) {
    return pictureName("piece", s) + '-' + QString::number(index);
}

QString keyName(int digit) {
    return QStringLiteral("key-%1").arg(digit);
}

QString wordPictureName(const QString& drawing, WordPicture w) {
    switch (w) {
    case WordPicture::Focus:
        return drawing + "-focus";
    case WordPicture::JoinLeft:
        return drawing + "-join-left";
    case WordPicture::JoinRight:
        break;
    }
    return drawing + "-join-right";
}

QSize wordPictureSize(WordPicture w) {
    // The word's box and its outline, whatever its fraction of a pixel.
    return w == WordPicture::Focus ? QSize(46, 28) : QSize(40, 32);
}
