#pragma once

// One 3D model of each unit cell. Every picture of a cell and every place the
// screens put a marker or a piece on such a picture come from here, so the two
// cannot disagree.

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace cell {

enum class Structure { Bcc, Fcc, Hcp };
inline constexpr std::array<Structure, 3> kAllStructures{Structure::Bcc, Structure::Fcc,
                                                         Structure::Hcp};

struct Vec3 {
    double x = 0, y = 0, z = 0;
    Vec3 operator+(Vec3 o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(Vec3 o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(Vec3 o) const { return x * o.x + y * o.y + z * o.z; }
    double length() const { return std::sqrt(dot(*this)); }
};

struct Point2 {
    double x = 0, y = 0;
};

struct Rect2 {
    int left = 0, top = 0, width = 0, height = 0;
};

// Where an atom sits in its cell decides which part of it lies inside.
enum class Site { Corner, Face, Edge, Inner };

struct Atom {
    Vec3 pos; // model units; the cube edge (or hexagon side) is 1
    Site site;
    int fractionNum; // part of the atom inside the cell: num/den
    int fractionDen;
};

// A half-space n·p <= d; the cell is the intersection of its planes.
struct Plane {
    Vec3 n;
    double d;
};

struct Cell {
    Structure structure;
    double radius;                         // hard-sphere radius in model units
    std::vector<Atom> atoms;               // in the order the learner takes them
    std::vector<Plane> planes;             // bounding planes of the cell
    std::vector<Vec3> corners;             // cell vertices
    std::vector<std::array<int, 2>> edges; // pairs of corner indexes
    std::array<Vec3, 3> translations;      // the lattice repeats by these
    bool inside(Vec3 p, double eps = 1e-9) const;
};

const Cell& model(Structure s);

// Atoms per cell counted by the parts that lie inside (2, 4, 6).
double atomsPerCell(const Cell& c);

// How many atoms touch one atom of the crystal (8, 12, 12), counted in the
// cell repeated about it.
int neighbourCount(Structure s);

// A parallel projection onto a picture of fixed pixel size.
struct Camera {
    double azimuthDeg = 0;   // turn about the vertical axis
    double elevationDeg = 0; // look down by this angle
    double scale = 1;        // pixels per model unit
    double offsetX = 0, offsetY = 0;
    int width = 0, height = 0;

    Vec3 right() const;
    Vec3 up() const;
    Vec3 towardViewer() const;
    Point2 project(Vec3 p) const; // picture pixels, y downwards
    double depth(Vec3 p) const;   // larger is nearer the viewer
    Vec3 unproject(Point2 px, double depth) const;
};

// The camera shared by the ball-and-stick drawing and the empty cell of the
// interior viewer (both pictures have the size of the camera).
const Camera& lessonCamera(Structure s);

// The points (with their radii) that the lesson camera keeps inside its
// picture, at least lessonMargin() pixels from each edge.
std::vector<std::pair<Vec3, double>> lessonExtent(Structure s);
double lessonMargin();

// Radius of the balls of the ball-and-stick drawing, in model units (smaller
// than the hard-sphere radius so that the edges stay visible).
double ballRadius(Structure s);

int pieceCount(Structure s);
Point2 atomCentre(Structure s, int index); // in lesson-picture pixels
Rect2 pieceRect(Structure s, int index);   // bounding box of the piece, lesson-picture pixels

std::string structureKey(Structure s); // "bcc", "fcc", "hcp"

} // namespace cell
