#include "accessiblenames.h"

#include "cellmodel.h"
#include "picturecatalog.h"

#include <QHash>

namespace {

using Table = QHash<QString, AccessibleText>;
using picturerow::Spoken;

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

AccessibleText spokenText(PictureId picture) {
    const Spoken& spoken = pictureRow(picture.kind).spoken;
    switch (spoken.from) {
    case Spoken::From::Row: {
        const int v = picture.variant();
        const auto text = [&](const picturerow::Texts& t) {
            const char* s = t.at(v);
            QString out = s ? u(s) : QString();
            // A structure's picture may name its structure.
            if (out.contains(QLatin1String("%1")))
                out = out.arg(u(picturerow::kStructureNames[picture.structure]));
            return out;
        };
        return {text(spoken.name), text(spoken.description)};
    }
    case Spoken::From::OtherKind:
        return spokenText({spoken.as, picture.structure, picture.number});
    case Spoken::From::Model:
        return pieceText(picture.cellStructure(), picture.number);
    case Spoken::From::Nothing:
        break;
    }
    return {};
}

Table buildPictureTable() {
    Table t;
    for (const PictureEntry& e : pictureCatalog())
        if (const AccessibleText text = spokenText(e.id); !text.name.isEmpty())
            t.insert(e.name, text);
    return t;
}

const Table& pictureTable() {
    static const Table table = buildPictureTable();
    return table;
}

// Fractions and places are spelled as they are read aloud: Japanese speech
// engines may read "1/8" as a date.
QString fraction(const cell::Atom& a) {
    if (a.fractionNum == a.fractionDen)
        return QStringLiteral("1");
    return u("%1分の%2").arg(a.fractionDen).arg(a.fractionNum);
}

QString place(int index, int count) {
    return u("（%1個のうち%2個目）").arg(count).arg(index + 1);
}

QString siteName(cell::Structure s, cell::Site site) {
    switch (site) {
    case cell::Site::Corner:
        return u("頂点の原子");
    case cell::Site::Face:
        return u("面の中心の原子");
    case cell::Site::Edge:
        return u("辺の原子");
    case cell::Site::Inner:
        return s == cell::Structure::Bcc ? u("体心の原子") : u("内部の原子");
    }
    Q_UNREACHABLE();
}

} // namespace

AccessibleText pictureText(const QString& picture) {
    return pictureTable().value(picture);
}

AccessibleText pictureText(PictureId picture) {
    return pictureText(picture.fileName());
}

AccessibleText markerText(cell::Structure s, int index) {
    const cell::Cell& c = cell::model(s);
    const cell::Atom& a = c.atoms[std::size_t(index)];
    const int n = cell::pieceCount(s);
    return {
        QStringLiteral("%1 %2%3").arg(siteName(s, a.site), fraction(a), place(index, n)),
        u("押すと、この原子の単位格子の内側にある部分 %1個 が左の単位格子に入る").arg(fraction(a))};
}

AccessibleText pieceText(cell::Structure s, int index) {
    const cell::Cell& c = cell::model(s);
    const cell::Atom& a = c.atoms[std::size_t(index)];
    const int n = cell::pieceCount(s);
    return {u("入れた%1の%2個%3").arg(siteName(s, a.site), fraction(a), place(index, n)),
            u("単位格子の内側にある部分")};
}

QString drillOrdinalText(int ordinal) {
    return u("第%1問").arg(ordinal);
}

AccessibleText drillQuestionText(int ordinal) {
    return {u("第%1問の結晶の図").arg(ordinal), u("A原子は赤、B原子は黄色で描かれている")};
}

QString drillDigitText(int box, int digit) {
    return u("%1の答え「%2」").arg(box == 0 ? 'A' : 'B').arg(digit);
}

AccessibleText drillAnswerBoxText(int box) {
    const QChar which = box == 0 ? 'A' : 'B';
    return {u("%1の答えの欄「？」").arg(which), u("数字のキーで%1原子の割合を入れる").arg(which)};
}

AccessibleText drillMarkText(bool right) {
    return right ? AccessibleText{u("正解"), u("○の印")} : AccessibleText{u("不正解"), u("×の印")};
}
