#include "picturecatalog.h"

#include "cellmodel.h"

#include <QHash>

namespace {

std::vector<PictureEntry> buildCatalog() {
    std::vector<PictureEntry> v;
    auto add = [&](PictureId id, int w, int h) { v.push_back({id, id.fileName(), QSize(w, h)}); };
    using namespace pictures;

    add(Title, 384, 76); // program title
    add(Icon, 32, 32);   // window icon
    add(FaceA, 62, 65);
    add(FaceB, 62, 65);
    for (const WordButton* b = wordButtonsBegin(); b != wordButtonsEnd(); ++b) {
        // Small orange word buttons, large blue lesson buttons.
        const QSize size = b->style == ButtonStyle::Small ? QSize(107, 49) : QSize(189, 55);
        add(face(b->word), size.width(), size.height());
    }
    add(PlateRadius, 300, 56);   // 原子半径の学習
    add(BannerSummary, 356, 68); // 構造のまとめ
    add(TitleDrill, 356, 68);    // drill title
    add(Marker, 17, 17);
    add(QuestionMark, 101, 61);
    add(QuestionPanel, 715, 380);
    for (int d = 0; d < 10; ++d)
        add(key(d), 64, 46);
    for (int parts : {1, 2, 4, 8, 6})
        add(hint(parts), 110, 120);
    add(RadiusAtom, 220, 200);
    add(RadiusFccFace, 260, 260);
    add(RadiusFccLabelled, 260, 260);
    add(RadiusFccDerivation, 400, 300);
    add(RadiusBccHexagon, 260, 260);
    add(RadiusBccLabelled, 260, 260);
    add(RadiusBccDerivation, 400, 330);

    const QSize cutaway[] = {QSize(179, 189), QSize(174, 193), QSize(151, 184)};
    // The menu's, smaller: they end above its top row of lesson buttons.
    const QSize menuCutaway[] = {QSize(124, 130), QSize(120, 133), QSize(104, 127)};
    int i = 0;
    for (cell::Structure s : cell::kAllStructures) {
        add(of(PictureKind::Plate, s), 232, 52); // structure title plate
        add(of(PictureKind::Cutaway, s), cutaway[i].width(), cutaway[i].height());
        add(of(PictureKind::MenuCutaway, s), menuCutaway[i].width(), menuCutaway[i].height());
        add(of(PictureKind::Spheres, s), 285, 298); // hard-sphere block
        const cell::Camera& cam = cell::lessonCamera(s);
        add(of(PictureKind::BallStick, s), cam.width, cam.height);
        add(of(PictureKind::EmptyCell, s), cam.width, cam.height);
        add(of(PictureKind::NeighbourQuestion, s), 260, 260);
        // The answer of the two close-packed structures shows two cells apart.
        add(of(PictureKind::NeighbourAnswer, s), 260, s == cell::Structure::Bcc ? 260 : 400);
        // Their words, set on them when they turn; the two cells apart are
        // joined by arrows with a word each.
        std::vector<PictureId> words = {
            wordOn(of(PictureKind::NeighbourQuestion, s), WordPicture::Focus),
            wordOn(of(PictureKind::NeighbourAnswer, s), WordPicture::Focus)};
        if (s != cell::Structure::Bcc)
            for (WordPicture w : {WordPicture::JoinLeft, WordPicture::JoinRight})
                words.push_back(wordOn(of(PictureKind::NeighbourAnswer, s), w));
        for (PictureId w : words) {
            const QSize size = wordPictureSize(wordOf(w));
            add(w, size.width(), size.height());
        }
        for (int p = 0; p < cell::pieceCount(s); ++p) {
            const cell::Rect2 r = cell::pieceRect(s, p);
            add(piece(s, p), r.width, r.height);
        }
        ++i;
    }
    // The stacking lesson: layer A alone and the two layers wide, the stacks
    // and their cells side by side.
    for (int variant = 0; variant < 3; ++variant)
        add(stackLayer(variant), 400, 320);
    add(StackChoice, 400, 320);
    for (cell::Structure s : {cell::Structure::Hcp, cell::Structure::Fcc}) {
        add(of(PictureKind::Stack, s), 240, 300);
        add(of(PictureKind::StackCell, s), 240, 300);
        add(of(PictureKind::StackNeighbours, s), 240, 300);
    }
    return v;
}

} // namespace

const std::vector<PictureEntry>& pictureCatalog() {
    static const std::vector<PictureEntry> catalog = buildCatalog();
    return catalog;
}

const PictureEntry* pictureEntry(const QString& name) {
    static const QHash<QString, const PictureEntry*> byName = [] {
        QHash<QString, const PictureEntry*> h;
        for (const PictureEntry& e : pictureCatalog())
            h.insert(e.name, &e);
        return h;
    }();
    return byName.value(name, nullptr);
}

QSize pictureSize(const QString& name) {
    const PictureEntry* entry = pictureEntry(name);
    return entry ? entry->size : QSize();
}

QSize pictureSize(PictureId id) {
    return pictureSize(id.fileName());
}

QSize wordPictureSize(WordPicture w) {
    // The word's box and its outline, whatever its fraction of a pixel.
    return w == WordPicture::Focus ? QSize(46, 28) : QSize(40, 32);
}
