#pragma once

// The pictures of cells that a learner can turn. Each is drawn from the cell
// model by the ray caster, from its designed view (the picture the program
// ships) or turned away from it. The build draws the shipped pictures through
// these same drawings, so a turned picture and a shipped one are one drawing.
// The kinds come in families: the lattice cells (latticecells.cpp) and the
// stacks of close-packed layers (stacks.cpp). Each frame is drawn from a View,
// which holds all that the frame shows.
//
// Words on a drawing ("注目", "結合") need fonts, which only the build has:
// the build draws each word as a small picture of its own, and a turned
// drawing sets those pictures where the words go, drawing the pointers and
// arrows itself.

#include "cellmodel.h"
#include "picturecatalog.h"
#include "raycaster.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace celldrawing {

// How far a drawing is turned from its designed view, in degrees.
struct Turn {
    double right = 0; // about the vertical axis (the prism's c axis): the front moves right
    double up = 0;    // tilt: the front moves up
    bool isDesigned() const { return right == 0 && up == 0; }
    bool operator==(const Turn&) const = default;
};

// The steepest view, from above or below.
inline constexpr double kMaxElevation = 85.0;

enum class Finish {
    Moving,  // quick, one ray per pixel: while the learner turns the drawing
    Refined, // quick, three by three rays per pixel: once the drawing stops
    Build,   // the build's own ray caster: the pictures the program ships
};

// A word on a drawing, and the pointer or arrow that goes with it.
struct Callout {
    QPointF label;  // the centre of the word's box
    QPointF target; // the spot it points at
};
struct JoinArrow {
    QPointF top, bottom;
    bool wordOnLeft = false;
};
struct Overlay {
    std::optional<Callout> callout;
    std::vector<JoinArrow> arrows;
};

// The box of a callout's word, and of an arrow's word.
QRectF calloutBox(const Callout& c);
QRectF arrowWordBox(const JoinArrow& a);
// The pointer of a callout (drawn under its box), its box, and an arrow.
void paintCalloutPointer(QPainter& p, const Callout& c);
void paintCalloutBox(QPainter& p, const Callout& c);
void paintJoinArrow(QPainter& p, const JoinArrow& a);
inline const QColor kCalloutColour{210, 0, 0};
inline const QColor kArrowColour{200, 0, 0};

// Hands out the pictures of the words by name (at run time, the program's
// pictures).
using WordPictures = std::function<QImage(PictureId word)>;

// What one frame of a drawing shows: all that a drawing needs to draw it.
struct View {
    Turn turn;
    double factor = 1; // device pixels per logical pixel
    Finish finish = Finish::Build;
    // The cell being built: the pieces put in, by atom. Other drawings show
    // no pieces.
    std::vector<bool> piecesIn;
    bool operator==(const View&) const = default;
};

class CellDrawing {
public:
    // How a kind lays itself out: its view, the point it turns about, and
    // what must stay within room (logical pixels) as it turns.
    struct Layout {
        cell::Camera designed;
        cell::Vec3 pivot;
        render::Extent extent;
        QRectF room;
        render::RenderOptions options;
        bool card = false; // a white card with a rim
    };

    virtual ~CellDrawing() = default;

    PictureId picture() const { return m_picture; }
    cell::Structure structure() const { return m_picture.cellStructure(); }
    QSize size() const { return QSize(designedCamera().width, designedCamera().height); }

    // The camera of the drawing turned by t, in logical pixels. The centre of
    // the cell stays where it is, and the drawing shrinks where it would
    // otherwise leave its room in the picture.
    cell::Camera camera(Turn t) const;
    const cell::Camera& designedCamera() const { return m_layout.designed; }

    // The bodies only (with a card's rim), at the view's factor device pixels
    // per logical pixel (Moving: half that from 2 up); the image's device
    // pixel ratio says which. At the designed view and Build, the shipped
    // picture.
    QImage drawBodies(const View& v) const;
    static double drawnFactor(double factor, Finish f);
    // Where the words, pointers and arrows go for the given camera.
    virtual Overlay overlay(const cell::Camera&) const { return {}; }
    // The whole drawing, its words set from their pictures.
    QImage draw(const View& v, const WordPictures& words) const;

    // Where atom i of the drawing lies, in model units: for a marker pinned
    // to it. The cell model's atoms, unless the drawing has atoms of its own.
    virtual std::optional<cell::Vec3> atomPosition(int atom) const;

protected:
    CellDrawing(PictureId picture, Layout layout)
        : m_picture(picture), m_layout(std::move(layout)) {}

    // The bodies seen by the camera (lines keep their width in pixels).
    virtual render::Scene scene(const cell::Camera& cam, const View& v) const = 0;

private:
    PictureId m_picture;
    Layout m_layout;
};

// The drawing behind a picture of the catalog ("ballstick-hcp"), or null for
// a picture that does not turn: made by the family its row names.
std::unique_ptr<CellDrawing> cellDrawing(PictureId picture);
bool turns(PictureId picture); // without making the drawing
// The cut-away cell drawn at the size of another picture of its structure (the
// menu's); a picture that does not turn.
std::unique_ptr<CellDrawing> fixedCutaway(PictureId picture);
// Every picture of the catalog that turns.
std::vector<PictureId> turningPictures();

// Where atom i of a drawing lies in its picture at the designed view,
// in logical pixels: for placing a marker pinned to it.
cell::Point2 designedAtomCentre(PictureId drawing, int atom);

// Where a word's picture (picturecatalog.h) stands on its drawing at the
// designed view, in logical pixels: a frame of whole pixels around the word's
// box, in which the build draws the word at the box's own fraction of a pixel.
QRect wordPictureFrame(const QRectF& box, WordPicture w);
// The designed box of a drawing's word; empty if the drawing has no such word.
QRectF designedWordBox(const CellDrawing& d, WordPicture w);

// What the build needs beside the turning drawings: the pieces' scenes.
namespace scenes {
render::Scene emptyCell(const cell::Cell& c, const cell::Camera& cam);
render::Ball piece(const cell::Cell& c, int i, cell::Vec3 shift, const QColor& surface,
                   const QColor& cut);
} // namespace scenes

} // namespace celldrawing
