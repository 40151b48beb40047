#pragma once

// What a screen reader says for each picture of the catalog (the button faces
// aside: a button is named by its word) and for the changing elements. Names are short Japanese
// phrases; a description adds what the picture teaches.

#include "pictureid.h"

#include <QString>

namespace cell {
enum class Structure;
}

struct AccessibleText {
    QString name;
    QString description;
};

// A picture of the catalog by its name; an empty name for a picture the
// table does not know.
AccessibleText pictureText(const QString& picture);
AccessibleText pictureText(PictureId picture);

// The interior viewers: the marker on atom `index` and the part of that atom
// that lies inside the cell, e.g. "頂点の原子 1/8 (1/9)".
AccessibleText markerText(cell::Structure s, int index);
AccessibleText pieceText(cell::Structure s, int index);

// The drill's changing elements, announced as they change.
QString drillOrdinalText(int ordinal);         // 第1問
AccessibleText drillQuestionText(int ordinal); // 第1問の結晶の図
QString drillDigitText(int box, int digit);    // box 0 is A, 1 is B
AccessibleText drillAnswerBoxText(int box);    // the "?" over an empty box
AccessibleText drillMarkText(bool right);      // 正解 or 不正解
