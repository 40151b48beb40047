#include "picturecatalog.h"

#include "cellmodel.h"

#include <QHash>

namespace {

using picturerow::SizeRule;

QSize sizeOf(PictureId id) {
    const SizeRule& rule = pictureRow(id.kind).size;
    switch (rule.from) {
    case SizeRule::From::Given: {
        const int v = id.variant();
        return QSize(rule.widthOf(v), rule.heightOf(v));
    }
    case SizeRule::From::LessonCamera: {
        const cell::Camera& cam = cell::lessonCamera(id.cellStructure());
        return QSize(cam.width, cam.height);
    }
    case SizeRule::From::PieceBox: {
        const cell::Rect2 r = cell::pieceRect(id.cellStructure(), id.number);
        return QSize(r.width, r.height);
    }
    case SizeRule::From::ButtonStyle:
        // Small orange word buttons, large blue lesson buttons.
        return wordButton(Word(id.number)).style == ButtonStyle::Small ? QSize(107, 49)
                                                                       : QSize(189, 55);
    case SizeRule::From::WordBox:
        return wordPictureSize(pictures::wordOf(id));
    }
    Q_UNREACHABLE();
}

std::vector<PictureEntry> buildCatalog() {
    std::vector<PictureEntry> v;
    for (int k = 1; k <= kPictureKinds; ++k)
        for (PictureId id : picturesOf(PictureKind(k)))
            v.push_back({id, id.fileName(), sizeOf(id)});
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
