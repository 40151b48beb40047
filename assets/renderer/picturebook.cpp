#include "picturebook.h"

#include "cellmodel.h"
#include "cellpictures.h"
#include "flatpictures.h"
#include "radiuspictures.h"

#include <QRegularExpression>

namespace {

bool structureFrom(const QString& key, cell::Structure& s) {
    for (cell::Structure t : cell::kAllStructures)
        if (key == QString::fromStdString(cell::structureKey(t))) {
            s = t;
            return true;
        }
    return false;
}

} // namespace

QImage PictureBook::draw(const PictureEntry& e) const {
    const CellPictures cells(m_factor);
    const FlatPictures flat(m_factor);
    const RadiusPictures radius(m_factor);
    const QString& n = e.name;

    static const QRegularExpression perStructure(QStringLiteral(
        "^(ballstick|emptycell|cutaway|spheres|neighbour-q|neighbour-a|plate)-(bcc|fcc|hcp)$"));
    static const QRegularExpression pieceName(QStringLiteral("^piece-(bcc|fcc|hcp)-(\\d+)$"));
    cell::Structure s;
    if (const auto m = perStructure.match(n); m.hasMatch() && structureFrom(m.captured(2), s)) {
        const QString kind = m.captured(1);
        if (kind == "ballstick")
            return cells.ballStick(s);
        if (kind == "emptycell")
            return cells.emptyCell(s);
        if (kind == "cutaway")
            return cells.cutaway(s);
        if (kind == "spheres")
            return cells.sphereBlock(s);
        if (kind == "neighbour-q" || kind == "neighbour-a")
            return cells.neighbours(kind, s);
        return flat.structurePlate(s, e.size);
    }
    static const QRegularExpression wordName(
        QStringLiteral("^(neighbour-[qa]-(bcc|fcc|hcp))-(focus|join-left|join-right)$"));
    if (const auto m = wordName.match(n); m.hasMatch()) {
        const QString w = m.captured(3);
        return cells.word(m.captured(1), w == "focus"       ? WordPicture::Focus
                                         : w == "join-left" ? WordPicture::JoinLeft
                                                            : WordPicture::JoinRight);
    }
    if (const auto m = pieceName.match(n); m.hasMatch() && structureFrom(m.captured(1), s))
        return cells.piece(s, m.captured(2).toInt());

    if (n == "hint-1")
        return cells.hint(1, e.size);
    if (n == "hint-half")
        return cells.hint(2, e.size);
    if (n == "hint-quarter")
        return cells.hint(4, e.size);
    if (n == "hint-eighth")
        return cells.hint(8, e.size);
    if (n == "hint-sixth")
        return cells.hint(6, e.size);

    if (n.startsWith("radius-"))
        return radius.draw(n, e.size);
    return flat.draw(n, e.size);
}
