#include "pictureid.h"

#include "cellmodel.h"

#include <QtGlobal>
#include <iterator>

namespace {

const WordButton kWords[] = {
#define MIROSUTA_WORD_ROW(name, file, text, style) {Word::name, file, text, ButtonStyle::style},
    MIROSUTA_WORDS(MIROSUTA_WORD_ROW)
#undef MIROSUTA_WORD_ROW
};

const char* stemOf(PictureKind k) {
    switch (k) {
    case PictureKind::None:
        return "";
    case PictureKind::Title:
        return "title";
    case PictureKind::Icon:
        return "icon";
    case PictureKind::FaceA:
        return "face-a";
    case PictureKind::FaceB:
        return "face-b";
    case PictureKind::Marker:
        return "marker";
    case PictureKind::QuestionMark:
        return "qmark";
    case PictureKind::QuestionPanel:
        return "question-panel";
    case PictureKind::PlateRadius:
        return "plate-radius";
    case PictureKind::BannerSummary:
        return "banner-summary";
    case PictureKind::TitleDrill:
        return "title-drill";
    case PictureKind::HintWhole:
        return "hint-1";
    case PictureKind::HintHalf:
        return "hint-half";
    case PictureKind::HintQuarter:
        return "hint-quarter";
    case PictureKind::HintEighth:
        return "hint-eighth";
    case PictureKind::HintSixth:
        return "hint-sixth";
    case PictureKind::RadiusAtom:
        return "radius-atom";
    case PictureKind::RadiusFccFace:
        return "radius-fcc-face";
    case PictureKind::RadiusFccLabelled:
        return "radius-fcc-labelled";
    case PictureKind::RadiusFccDerivation:
        return "radius-fcc-derivation";
    case PictureKind::RadiusBccHexagon:
        return "radius-bcc-hexagon";
    case PictureKind::RadiusBccLabelled:
        return "radius-bcc-labelled";
    case PictureKind::RadiusBccDerivation:
        return "radius-bcc-derivation";
    case PictureKind::Plate:
        return "plate";
    case PictureKind::Cutaway:
        return "cutaway";
    case PictureKind::MenuCutaway:
        return "menu-cutaway";
    case PictureKind::Spheres:
        return "spheres";
    case PictureKind::BallStick:
        return "ballstick";
    case PictureKind::EmptyCell:
        return "emptycell";
    case PictureKind::NeighbourQuestion:
        return "neighbour-q";
    case PictureKind::NeighbourAnswer:
        return "neighbour-a";
    case PictureKind::StackLayer:
        return "stack-layer";
    case PictureKind::StackChoice:
        return "stack-choice";
    case PictureKind::Stack:
        return "stack";
    case PictureKind::StackCell:
        return "stack-cell";
    case PictureKind::StackNeighbours:
        return "stack-neighbours";
    case PictureKind::Piece:
        return "piece";
    case PictureKind::Key:
        return "key";
    case PictureKind::WordFace:
    case PictureKind::DrawingWord:
        break;
    }
    return "";
}

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

QString PictureId::fileName() const {
    const QString stem = QString::fromLatin1(stemOf(kind));
    const auto key = [this] { return QString::fromStdString(cell::structureKey(cellStructure())); };
    switch (kind) {
    case PictureKind::Plate:
    case PictureKind::Cutaway:
    case PictureKind::MenuCutaway:
    case PictureKind::Spheres:
    case PictureKind::BallStick:
    case PictureKind::EmptyCell:
    case PictureKind::NeighbourQuestion:
    case PictureKind::NeighbourAnswer:
    case PictureKind::Stack:
    case PictureKind::StackCell:
    case PictureKind::StackNeighbours:
        return stem + '-' + key();
    case PictureKind::Piece:
        return stem + '-' + key() + '-' + QString::number(number);
    case PictureKind::Key:
    case PictureKind::StackLayer:
        return stem + '-' + QString::number(number);
    case PictureKind::WordFace:
        return QString::fromLatin1(wordButton(Word(number)).file);
    case PictureKind::DrawingWord: {
        const char* const suffix[] = {"-focus", "-join-left", "-join-right"};
        return pictures::drawingOfWord(*this).fileName() +
               QLatin1String(suffix[int(pictures::wordOf(*this))]);
    }
    default:
        return stem;
    }
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
