#include "pictureid.h"

#include "cellmodel.h"
#include "crystals.h"

#include <QtGlobal>
#include <iterator>

using namespace picturerow;

namespace {

const WordButton kWords[] = {
#define MIROSUTA_WORD_ROW(name, file, text, style) {Word::name, file, text, ButtonStyle::style},
    MIROSUTA_WORDS(MIROSUTA_WORD_ROW)
#undef MIROSUTA_WORD_ROW
};

#define MIROSUTA_PICTURE_ROW(name, stem, variants, size, family, spoken)                           \
    {PictureKind::name, stem, variants, size, family, spoken},
constexpr PictureRow kRows[] = {MIROSUTA_PICTURES(MIROSUTA_PICTURE_ROW)};
#undef MIROSUTA_PICTURE_ROW

// The close-packed structures in the order of their pictures.
constexpr cell::Structure kClosePacked[] = {cell::Structure::Hcp, cell::Structure::Fcc};

} // namespace

const WordButton& wordButton(Word w) {
    const WordButton& b = kWords[std::size_t(w)];
    Q_ASSERT(b.word == w);
    return b;
}

QString wordText(Word w) {
    return QString::fromUtf8(wordButton(w).text);
}

const WordButton* wordButtonsBegin() {
    return std::begin(kWords);
}

const WordButton* wordButtonsEnd() {
    return std::end(kWords);
}

const PictureRow& pictureRow(PictureKind kind) {
    const PictureRow& row = kRows[std::size_t(kind) - 1];
    Q_ASSERT(row.kind == kind);
    return row;
}

QString PictureId::fileName() const {
    const PictureRow& row = pictureRow(kind);
    const QString stem = QString::fromLatin1(row.stem);
    const auto key = [this] { return QString::fromStdString(cell::structureKey(cellStructure())); };
    switch (row.variants.variants) {
    case Variants::One:
        return stem;
    case Variants::PerStructure:
    case Variants::ClosePacked:
        return stem + '-' + key();
    case Variants::Numbered:
        return stem + '-' + QString::number(number);
    case Variants::PerPiece:
        return stem + '-' + key() + '-' + QString::number(number);
    case Variants::PerWord:
        return QString::fromLatin1(wordButton(Word(number)).file);
    case Variants::PerCrystal:
        return stem + '-' + QString::fromUtf8(cell::crystal(cell::CrystalType(number)).key);
    case Variants::OnDrawings: {
        const char* const suffix[] = {"-focus", "-join-left", "-join-right"};
        return pictures::drawingOfWord(*this).fileName() +
               QLatin1String(suffix[int(pictures::wordOf(*this))]);
    }
    }
    Q_UNREACHABLE();
}

int PictureId::variant() const {
    switch (pictureRow(kind).variants.variants) {
    case Variants::One:
        return 0;
    case Variants::PerStructure:
        return structure;
    case Variants::ClosePacked:
        return cellStructure() == kClosePacked[0] ? 0 : 1;
    case Variants::Numbered:
    case Variants::PerPiece:
    case Variants::PerWord:
    case Variants::PerCrystal:
        return number;
    case Variants::OnDrawings:
        return int(pictures::wordOf(*this));
    }
    Q_UNREACHABLE();
}

std::vector<PictureId> picturesOf(PictureKind kind) {
    const VariantRule& rule = pictureRow(kind).variants;
    std::vector<PictureId> ids;
    switch (rule.variants) {
    case Variants::One:
        ids.push_back({kind});
        break;
    case Variants::PerStructure:
        for (cell::Structure s : cell::kAllStructures)
            ids.push_back(pictures::of(kind, s));
        break;
    case Variants::ClosePacked:
        for (cell::Structure s : kClosePacked)
            ids.push_back(pictures::of(kind, s));
        break;
    case Variants::Numbered:
        for (int n = 0; n < rule.count; ++n)
            ids.push_back({kind, 0, n});
        break;
    case Variants::PerPiece:
        for (cell::Structure s : cell::kAllStructures)
            for (int p = 0; p < cell::pieceCount(s); ++p)
                ids.push_back({kind, int(s), p});
        break;
    case Variants::PerWord:
        for (const WordButton* b = wordButtonsBegin(); b != wordButtonsEnd(); ++b)
            ids.push_back(pictures::face(b->word));
        break;
    case Variants::PerCrystal:
        for (cell::CrystalType t : cell::kAllCrystalTypes)
            ids.push_back(pictures::crystal(kind, t));
        break;
    case Variants::OnDrawings:
        // The callouts of the coordination pictures; the two cells apart of
        // the close-packed structures' answer are joined by arrows with a
        // word each.
        for (cell::Structure s : cell::kAllStructures) {
            const PictureId question = pictures::of(PictureKind::NeighbourQuestion, s),
                            answer = pictures::of(PictureKind::NeighbourAnswer, s);
            ids.push_back(pictures::wordOn(question, WordPicture::Focus));
            ids.push_back(pictures::wordOn(answer, WordPicture::Focus));
            if (s != cell::Structure::Bcc)
                for (WordPicture w : {WordPicture::JoinLeft, WordPicture::JoinRight})
                    ids.push_back(pictures::wordOn(answer, w));
        }
        break;
    }
    return ids;
}

namespace pictures {

PictureId hint(int parts) {
    switch (parts) {
    case 1:
        return {PictureKind::HintWhole};
    case 2:
        return {PictureKind::HintHalf};
    case 4:
        return {PictureKind::HintQuarter};
    case 6:
        return {PictureKind::HintSixth};
    default:
        break;
    }
    return {PictureKind::HintEighth};
}

PictureId of(PictureKind kind, cell::Structure s) {
    return {kind, int(s), 0};
}

PictureId piece(cell::Structure s, int index) {
    return {PictureKind::Piece, int(s), index};
}

PictureId stackLayer(int variant) {
    return {PictureKind::StackLayer, 0, variant};
}

PictureId crystal(PictureKind kind, cell::CrystalType t) {
    return {kind, 0, int(t)};
}

PictureId key(int digit) {
    return {PictureKind::Key, 0, digit};
}

PictureId face(Word w) {
    return {PictureKind::WordFace, 0, int(w)};
}

// The drawing's kind and the word share the number.
PictureId wordOn(PictureId drawing, WordPicture w) {
    return {PictureKind::DrawingWord, drawing.structure, int(drawing.kind) * 4 + int(w)};
}

PictureId drawingOfWord(PictureId word) {
    return {PictureKind(word.number / 4), word.structure, 0};
}

WordPicture wordOf(PictureId word) {
    return WordPicture(word.number % 4);
}

} // namespace pictures
