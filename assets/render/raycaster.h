#pragma once

// Draws spheres (each optionally cut by half-spaces) and rods by casting
// parallel rays along the camera's view direction. Cut faces are flat, sphere
// surfaces shaded. Pixels where bodies or faces meet get several samples to
// smooth their edges; the others one.

#include "cellmodel.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <limits>
#include <vector>

namespace render {

using cell::Vec3;

Vec3 cross(Vec3 a, Vec3 b);
Vec3 normalised(Vec3 v);

// A sphere, or the part of it that lies inside every clip half-space.
struct Ball {
    Vec3 centre;
    double radius = 0;
    std::vector<cell::Plane> clip;
    QColor surface;
    QColor cut;
    int tag = -1; // caller's label, e.g. the atom index
};

// A capsule: the points within radius of the segment from-to.
struct Rod {
    Vec3 from, to;
    double radius = 0;
    QColor colour;
};

struct Scene {
    std::vector<Ball> balls;
    std::vector<Rod> rods;
};

struct RenderOptions {
    int samples = 3;                 // per pixel along each axis
    QColor ground = Qt::transparent; // where no ray meets anything
    double outline = 0.45;           // darkening of outlines between bodies and faces; 0: none
    int outlineWidth = 1;            // in samples
    // If >= 0, only samples whose nearest ball has this tag are drawn (rods in
    // front of it included); everything else stays transparent.
    int onlyTag = -1;
};

class RayCaster {
public:
    RayCaster(const Scene& scene, const cell::Camera& camera);

    // Renders the pixels of window (in camera pixels) into an image of its size.
    QImage render(const QRect& window, const RenderOptions& options) const;
    QImage render(const RenderOptions& options) const {
        return render(QRect(0, 0, m_camera.width, m_camera.height), options);
    }

    struct Hit {
        double t = std::numeric_limits<double>::infinity();
        int ball = -1;
        int rod = -1;
        int face = -1; // -1 the curved surface, else the index of the cutting plane
        Vec3 normal;
        bool found() const { return ball >= 0 || rod >= 0; }
    };

private:
    QColor shade(const Hit& hit) const;
    struct Bounds {
        double left, top, right, bottom;
    };
    // The nearest of the given balls and of the given rods along the ray
    // through a picture point.
    void castAmong(double px, double py, const std::vector<int>& balls,
                   const std::vector<int>& rods, Hit& ballHit, Hit& rodHit) const;

    const Scene& m_scene;
    cell::Camera m_camera;
    Vec3 m_right, m_up;
    Vec3 m_dir;                                    // ray direction, away from the viewer
    Vec3 m_light;                                  // toward the light
    Vec3 m_half;                                   // halfway between light and viewer
    std::vector<Bounds> m_ballBounds, m_rodBounds; // in picture pixels
};

// The camera scaled for pictures stored at factor times their logical size.
cell::Camera scaledCamera(const cell::Camera& c, double factor);

// Points with their radii; fittedCamera keeps every one whole in the picture.
using Extent = std::vector<std::pair<Vec3, double>>;

// A camera looking from the given angles at a picture of the given size, in
// which the extent fills the target rectangle (centred along the looser axis).
cell::Camera fittedCamera(double azimuthDeg, double elevationDeg, QSize size, const QRectF& target,
                          const Extent& points);

} // namespace render
