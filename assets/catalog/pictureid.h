#pragma once

// The program's own pictures by typed id, shared by the catalog (their
// sizes), the renderer (how each is drawn), the screen-reader names and the
// screens. A picture drawn once per structure carries its structure; a piece,
// a digit key or a word button carries its number. What each kind is comes
// from its row (picturekinds.h).

#include "picturekinds.h"

#include <QMetaType>
#include <QString>
#include <cstdint>
#include <vector>

namespace cell {
enum class Structure;
enum class CrystalType;
} // namespace cell

// The kinds in the order of their rows (picturekinds.h).
enum class PictureKind : std::uint8_t {
    None, // no picture of the program's: one read from the content folder
#define MIROSUTA_PICTURE_KIND(name, ...) name,
    MIROSUTA_PICTURES(MIROSUTA_PICTURE_KIND)
#undef MIROSUTA_PICTURE_KIND
};
// How many kinds there are, None aside: they run from 1 to this.
#define MIROSUTA_PICTURE_KIND_COUNT(...) +1
inline constexpr int kPictureKinds = 0 MIROSUTA_PICTURES(MIROSUTA_PICTURE_KIND_COUNT);
#undef MIROSUTA_PICTURE_KIND_COUNT

enum class WordPicture : std::uint8_t { Focus, JoinLeft, JoinRight };

struct PictureId {
    PictureKind kind = PictureKind::None;
    int structure = 0; // cell::Structure, for the kinds drawn per structure
    int number = 0;    // piece, digit or word

    constexpr bool operator==(const PictureId&) const = default;
    constexpr bool isNone() const { return kind == PictureKind::None; }
    cell::Structure cellStructure() const { return cell::Structure(structure); }

    // The picture's name in the program's resources: "face-a", "ballstick-bcc",
    // "piece-hcp-3", "key-0", "btn-menu".
    QString fileName() const;
    // Its place among the pictures of its kind (its row's variants).
    int variant() const;
};
// Data-driven tests carry ids in their columns.
Q_DECLARE_METATYPE(PictureId)

// The two faces of word buttons: the small orange ones of every screen and the
// large blue ones of the menu's lessons.
enum class ButtonStyle : std::uint8_t { Small, Lesson };

// The words of the word buttons are rows beside the pictures (MIROSUTA_WORDS,
// picturekinds.h).
enum class Word : std::uint8_t {
#define MIROSUTA_WORD_ID(name, file, text, style) name,
    MIROSUTA_WORDS(MIROSUTA_WORD_ID)
#undef MIROSUTA_WORD_ID
};

struct WordButton {
    Word word;
    const char* file; // the face's resource name
    const char* text; // the word, UTF-8
    ButtonStyle style;
};

const WordButton& wordButton(Word w);
QString wordText(Word w);
// Every word, in the enum's order.
const WordButton* wordButtonsBegin();
const WordButton* wordButtonsEnd();

// Every picture of a kind, in the order of its row's variants.
std::vector<PictureId> picturesOf(PictureKind kind);

namespace pictures {

inline constexpr PictureId None{};
inline constexpr PictureId Title{PictureKind::Title};
inline constexpr PictureId Icon{PictureKind::Icon};
inline constexpr PictureId FaceA{PictureKind::FaceA};
inline constexpr PictureId FaceB{PictureKind::FaceB};
inline constexpr PictureId Marker{PictureKind::Marker};
inline constexpr PictureId MarkerRing{PictureKind::MarkerRing};
inline constexpr PictureId QuestionMark{PictureKind::QuestionMark};
inline constexpr PictureId QuestionPanel{PictureKind::QuestionPanel};
inline constexpr PictureId PlateRadius{PictureKind::PlateRadius};
inline constexpr PictureId BannerSummary{PictureKind::BannerSummary};
inline constexpr PictureId TitleDrill{PictureKind::TitleDrill};
inline constexpr PictureId RadiusAtom{PictureKind::RadiusAtom};
inline constexpr PictureId RadiusFccFace{PictureKind::RadiusFccFace};
inline constexpr PictureId RadiusFccLabelled{PictureKind::RadiusFccLabelled};
inline constexpr PictureId RadiusFccDerivation{PictureKind::RadiusFccDerivation};
inline constexpr PictureId RadiusBccHexagon{PictureKind::RadiusBccHexagon};
inline constexpr PictureId RadiusBccLabelled{PictureKind::RadiusBccLabelled};
inline constexpr PictureId RadiusBccDerivation{PictureKind::RadiusBccDerivation};

// A sphere cut into `parts` pieces (1, 2, 4, 6 or 8), labelled with its fraction.
PictureId hint(int parts);
// One kind of picture of one structure: of(PictureKind::Plate, Bcc) is "plate-bcc".
PictureId of(PictureKind kind, cell::Structure s);
PictureId piece(cell::Structure s, int index);
PictureId key(int digit);
// A picture of a crystal of the ionic and covalent lessons:
// crystal(PictureKind::CrystalCell, NaCl) is "crystal-cell-nacl".
PictureId crystal(PictureKind kind, cell::CrystalType t);
inline constexpr PictureId Graphite{PictureKind::Graphite};
// Layer A of the stacking lesson: 0 alone, 1 with six neighbours, 2 with its hollows.
PictureId stackLayer(int variant);
inline constexpr PictureId StackChoice{PictureKind::StackChoice};
PictureId face(Word w);
// A word on a turning drawing, and back from it.
PictureId wordOn(PictureId drawing, WordPicture w);
PictureId drawingOfWord(PictureId word);
WordPicture wordOf(PictureId word);

} // namespace pictures
