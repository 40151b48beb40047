#pragma once

// Japanese words for the pictures, drawn as outlines so that the result does
// not depend on the screen's font settings. IPAex fonts have no bold cut; a
// stroke around the glyphs gives the bold weight.

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

class Lettering {
public:
    enum class Face { Mincho, Gothic };

    // Loads the two faces from the system's font files; false if one is missing.
    static bool loadFonts(QString* error);

    explicit Lettering(Face face = Face::Gothic, double pixelSize = 16, double boldness = 0.045);

    Lettering& size(double pixelSize);
    Lettering& colour(const QColor& c);
    // A contour of the given width around the letters (0 for none).
    Lettering& halo(const QColor& c, double width);

    // The glyph outlines with the baseline's left end at the origin.
    QPainterPath path(const QString& text) const;
    double advance(const QString& text) const;
    double ascent() const;
    double descent() const;

    // Draws with the baseline's left end at origin; returns the advance.
    double draw(QPainter& p, const QString& text, QPointF origin) const;
    // Centres the ink of the text in the box (horizontally by advance,
    // vertically by the ink's bounds, which centres short words best).
    void drawCentred(QPainter& p, const QString& text, const QRectF& box) const;
    // Like draw, but "^x" raises the next character and "_x" lowers it, smaller.
    double drawFormula(QPainter& p, const QString& formula, QPointF origin) const;
    double formulaAdvance(const QString& formula) const;

private:
    double drawPath(QPainter& p, const QPainterPath& path, QPointF origin) const;
    Face m_face;
    double m_size;
    double m_boldness;
    QColor m_colour = Qt::black;
    QColor m_halo;
    double m_haloWidth = 0;
};
