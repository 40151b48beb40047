#pragma once

#include "crystals.h"
#include "ratiocontrol.h"

#include <QPointF>
#include <QWidget>
#include <vector>

// The cut through an ionic crystal in which the limiting radius ratio is
// seen: the plane through one cation and the anions it touches (NaCl: the
// square of side a through the cation and four anions; CsCl: the rectangle
// a × √2a through the body diagonals; ZnS: the same plane, through the
// cation and two of its four anions). The anions keep their size; the
// learner sets the cation's (RatioControl) by keys, by dragging across the
// drawing, or through the screen's buttons. While the cation touches its
// anions the cell follows it; once the anions touch each other the cell can
// shrink no more and the cation hangs loose among them.
class RatioCut : public QWidget {
    Q_OBJECT
public:
    // The places in the cut over the cell's edge, from the crystal's motif.
    struct Geometry {
        QPointF size;                  // the cut's outline: (1, 1) or (√2, 1), from its top left
        QPointF cation;                // the cation the cut runs through
        std::vector<QPointF> contacts; // the anions it touches, in the cut
        std::vector<QPointF> others;   // the other ions in the cut
        std::vector<int> othersSpecies;
    };
    static Geometry geometry(cell::CrystalType t);
    // The edge over the anion's radius: set by the cation touching its
    // anions, or by the anions touching each other, whichever is larger.
    static double edgeOverAnion(cell::CrystalType t, double ratio);

    explicit RatioCut(QWidget* parent = nullptr);
    void setCrystal(cell::CrystalType t);
    cell::CrystalType crystal() const { return m_type; }
    const RatioControl& control() const { return m_control; }
    // The steps of the screen's buttons and keys: down (−1) or up (+1).
    void step(int direction, double by);
    void setRatio(double ratio);

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void announce();

    cell::CrystalType m_type = cell::CrystalType::NaCl;
    Geometry m_geometry;
    RatioControl m_control;
    double m_dragFrom = 0;
    double m_dragValue = 0;
};
