#include "lettering.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace {

QString g_mincho = QStringLiteral("IPAexMincho");
QString g_gothic = QStringLiteral("IPAexGothic");

// Outlines are made at a fixed large size and scaled, so that every size
// gets the same unhinted shapes.
constexpr int kMaster = 200;

QFont masterFont(Lettering::Face face) {
    QFont f(face == Lettering::Face::Mincho ? g_mincho : g_gothic);
    f.setPixelSize(kMaster);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

} // namespace

bool Lettering::loadFonts(QString* error) {
    struct Wanted {
        const char* file;
        QString* family;
    } wanted[] = {{"/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf", &g_mincho},
                  {"/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf", &g_gothic}};
    for (const Wanted& w : wanted) {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(w.file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            if (error)
                *error = QStringLiteral("font file missing: %1").arg(QString::fromUtf8(w.file));
            return false;
        }
        *w.family = families.first();
    }
    return true;
}

Lettering::Lettering(Face face, double pixelSize, double boldness)
    : m_face(face), m_size(pixelSize), m_boldness(boldness) {}

Lettering& Lettering::size(double pixelSize) {
    m_size = pixelSize;
    return *this;
}

Lettering& Lettering::colour(const QColor& c) {
    m_colour = c;
    return *this;
}

Lettering& Lettering::halo(const QColor& c, double width) {
    m_halo = c;
    m_haloWidth = width;
    return *this;
}

QPainterPath Lettering::path(const QString& text) const {
    QPainterPath master;
    master.addText(QPointF(0, 0), masterFont(m_face), text);
    QTransform t;
    t.scale(m_size / double(kMaster), m_size / double(kMaster));
    return t.map(master);
}

double Lettering::advance(const QString& text) const {
    return QFontMetricsF(masterFont(m_face)).horizontalAdvance(text) * m_size / double(kMaster);
}

double Lettering::ascent() const {
    return QFontMetricsF(masterFont(m_face)).ascent() * m_size / double(kMaster);
}

double Lettering::descent() const {
    return QFontMetricsF(masterFont(m_face)).descent() * m_size / double(kMaster);
}

double Lettering::drawPath(QPainter& p, const QPainterPath& glyphs, QPointF origin) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(origin);
    const double bold = m_size * m_boldness;
    if (m_haloWidth > 0) {
        p.setPen(QPen(m_halo, bold + 2 * m_haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(m_halo);
        p.drawPath(glyphs);
    }
    p.setPen(bold > 0 ? QPen(m_colour, bold, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                      : QPen(Qt::NoPen));
    p.setBrush(m_colour);
    p.drawPath(glyphs);
    p.restore();
    return 0;
}

double Lettering::draw(QPainter& p, const QString& text, QPointF origin) const {
    drawPath(p, path(text), origin);
    return advance(text);
}

void Lettering::drawCentred(QPainter& p, const QString& text, const QRectF& box) const {
    const QPainterPath glyphs = path(text);
    const QRectF ink = glyphs.boundingRect();
    const double x = box.center().x() - advance(text) / 2.0;
    const double y = box.center().y() - ink.center().y();
    drawPath(p, glyphs, QPointF(x, y));
}

double Lettering::formulaAdvance(const QString& formula) const {
    double x = 0;
    Lettering small = *this;
    small.size(m_size * 0.62);
    for (int i = 0; i < formula.size(); ++i) {
        const QChar c = formula[i];
        if ((c == '^' || c == '_') && i + 1 < formula.size()) {
            x += small.advance(formula.mid(++i, 1)) + m_size * 0.04;
            continue;
        }
        x += advance(QString(c));
    }
    return x;
}

double Lettering::drawFormula(QPainter& p, const QString& formula, QPointF origin) const {
    double x = origin.x();
    Lettering small = *this;
    small.size(m_size * 0.62);
    for (int i = 0; i < formula.size(); ++i) {
        const QChar c = formula[i];
        if ((c == '^' || c == '_') && i + 1 < formula.size()) {
            const QString s = formula.mid(++i, 1);
            const double dy = c == '^' ? -m_size * 0.42 : m_size * 0.2;
            x += m_size * 0.02;
            small.draw(p, s, QPointF(x, origin.y() + dy));
            x += small.advance(s) + m_size * 0.02;
            continue;
        }
        const QString s(c);
        draw(p, s, QPointF(x, origin.y()));
        x += advance(s);
    }
    return x - origin.x();
}
