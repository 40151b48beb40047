#pragma once

// Draws a scene as RayCaster does, quickly enough for a picture that the
// learner turns: in floats, and body by body over the picture rather than
// pixel by pixel over the bodies, so that a pixel only ever meets the bodies
// whose outline on the picture holds it. The picture is drawn in bands of
// rows, each with its own small depth buffer.
//
// With one ray per pixel (while the picture turns) the outlines are a third
// as dark, since they are a whole pixel wide rather than a third of one; with
// three per pixel along each axis it draws what RayCaster draws, to a few
// levels of a channel.

#include "raycaster.h"

#include <QImage>
#include <vector>

namespace render {

class QuickCaster {
public:
    QuickCaster(const Scene& scene, const cell::Camera& camera);

    // The whole picture of the camera with samples x samples rays per pixel;
    // options.samples and options.onlyTag are not used.
    QImage render(const RenderOptions& options, int samples) const;

private:
    // Bodies in the camera's frame: x to the right, y up the picture, z away
    // from the viewer. The ray of a picture point is the line x = u, y = v.
    struct Plane {
        float nx, ny, nz, d; // the half-space nx x + ny y + nz z <= d
        float inverseNz;     // 0 for a plane seen edge on
    };
    struct Ball {
        float x, y, z, radius;
        float left, right, top, bottom; // its box on the picture, in pixels
        int firstPlane, planeCount;
        float surface[3], cut[3];
    };
    struct Rod {
        float ax, ay, az, bx, by, bz, radius;
        float top, bottom;
        float colour[3];
    };
    struct Band;

    void drawBall(Band& band, int index) const;
    void drawRod(Band& band, int index) const;
    QRgb shade(int id, float u, float v, float z) const;

    cell::Camera m_camera;
    std::vector<Ball> m_balls;
    std::vector<int> m_nearFirst; // the balls, nearest first
    std::vector<Rod> m_rods;
    std::vector<Plane> m_planes;
    float m_light[3], m_half[3];
};

} // namespace render
