#include "quickcaster.h"

#include "lighting.h"
#include "rowsplit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace render {
namespace {

constexpr int kBandRows = 16; // picture rows per band
constexpr float kFar = std::numeric_limits<float>::infinity();

void toFloats(const QColor& c, float out[3]) {
    out[0] = float(c.red());
    out[1] = float(c.green());
    out[2] = float(c.blue());
}

int channel(float v) {
    return v <= 0 ? 0 : v >= 255 ? 255 : int(v + 0.5f);
}

QRgb colourOf(const float c[3], float f, float add = 0) {
    return qRgb(channel(c[0] * f + add), channel(c[1] * f + add), channel(c[2] * f + add));
}

// The highlight's power, by squaring.
float shine(float x) {
    static_assert(lighting::kShininess == 40);
    const float x2 = x * x, x4 = x2 * x2, x5 = x4 * x, x10 = x5 * x5, x20 = x10 * x10;
    return x20 * x20;
}

void normalise(float v[3]) {
    const float l = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    for (int i = 0; i < 3; ++i)
        v[i] /= l;
}

float dot3(const float a[3], float x, float y, float z) {
    return a[0] * x + a[1] * y + a[2] * z;
}

// The x-interval where a horizontal line meets the band of half-width r
// around the segment p-q (all in picture pixels): a capsule seen along the
// rays. Empty when lo > hi.
void stadiumSpan(float px, float py, float qx, float qy, float r, float y, float& lo, float& hi) {
    lo = kFar;
    hi = -kFar;
    auto take = [&](float a, float b) {
        lo = std::min(lo, a);
        hi = std::max(hi, b);
    };
    // The round ends.
    const float ends[2][2] = {{px, py}, {qx, qy}};
    for (const auto& e : ends) {
        const float h = r * r - (y - e[1]) * (y - e[1]);
        if (h >= 0)
            take(e[0] - std::sqrt(h), e[0] + std::sqrt(h));
    }
    const float dx = qx - px, dy = qy - py, len2 = dx * dx + dy * dy;
    if (len2 <= 0)
        return;
    const float len = std::sqrt(len2), oy = y - py;
    // Within r of the line: |dx oy - dy (x - px)| <= r len.
    float a = -kFar, b = kFar;
    if (dy != 0) {
        float a1 = px + (dx * oy - r * len) / dy, b1 = px + (dx * oy + r * len) / dy;
        if (a1 > b1)
            std::swap(a1, b1);
        a = std::max(a, a1);
        b = std::min(b, b1);
    } else if (std::abs(dx * oy) > r * len) {
        return;
    }
    // Between the ends: 0 <= (x - px) dx + oy dy <= len2.
    if (dx != 0) {
        float a2 = px - oy * dy / dx, b2 = px + (len2 - oy * dy) / dx;
        if (a2 > b2)
            std::swap(a2, b2);
        a = std::max(a, a2);
        b = std::min(b, b2);
    } else if (oy * dy < 0 || oy * dy > len2) {
        return;
    }
    if (a <= b)
        take(a, b);
}

} // namespace

// The samples of a band of picture rows, with one more sample row above and
// below for the outlines.
struct QuickCaster::Band {
    int n = 1;        // samples per pixel along each axis
    int width = 0;    // samples per row
    int firstRow = 0; // the picture's sample row of the band's row 0
    int rows = 0;
    std::vector<float> z;
    std::vector<int> id; // 0 nothing; balls 1 + 64 * ball + face + 1; rods -1 - rod
    float scale = 1, offsetX = 0, offsetY = 0;
    float u0 = 0, du = 0; // the model's u of sample column 0, and from one to the next

    // The model's u of sample column sx, and v of band row r.
    float u(int sx) const { return u0 + float(sx) * du; }
    float v(int r) const { return (offsetY - (firstRow + r + 0.5f) / n) / scale; }
};

QuickCaster::QuickCaster(const Scene& scene, const cell::Camera& camera) : m_camera(camera) {
    const Vec3 right = camera.right(), up = camera.up(), away = camera.towardViewer() * -1.0;
    const double s = camera.scale;
    for (const render::Ball& ball : scene.balls) {
        Ball b;
        b.x = float(ball.centre.dot(right));
        b.y = float(ball.centre.dot(up));
        b.z = float(ball.centre.dot(away));
        b.radius = float(ball.radius);
        // The box around the ball, narrowed by the cuts that face along an
        // axis (the cube's, the prism's top and bottom), seen on the picture.
        Vec3 lo = ball.centre - Vec3{ball.radius, ball.radius, ball.radius};
        Vec3 hi = ball.centre + Vec3{ball.radius, ball.radius, ball.radius};
        for (const cell::Plane& pl : ball.clip) {
            const Vec3 m = pl.n;
            auto narrow = [&](double along, double other1, double other2, double& low,
                              double& high) {
                if (std::abs(other1) > 1e-9 || std::abs(other2) > 1e-9)
                    return;
                if (along > 0)
                    high = std::min(high, pl.d / along);
                else if (along < 0)
                    low = std::max(low, pl.d / along);
            };
            narrow(m.x, m.y, m.z, lo.x, hi.x);
            narrow(m.y, m.x, m.z, lo.y, hi.y);
            narrow(m.z, m.x, m.y, lo.z, hi.z);
        }
        double boxLeft = 1e30, boxRight = -1e30, boxTop = 1e30, boxBottom = -1e30;
        for (int k = 0; k < 8; ++k) {
            const cell::Point2 q =
                camera.project({k & 1 ? hi.x : lo.x, k & 2 ? hi.y : lo.y, k & 4 ? hi.z : lo.z});
            boxLeft = std::min(boxLeft, q.x);
            boxRight = std::max(boxRight, q.x);
            boxTop = std::min(boxTop, q.y);
            boxBottom = std::max(boxBottom, q.y);
        }
        b.left = float(boxLeft - 1);
        b.right = float(boxRight + 1);
        b.top = float(boxTop - 1);
        b.bottom = float(boxBottom + 1);
        b.firstPlane = int(m_planes.size());
        b.planeCount = int(ball.clip.size());
        for (const cell::Plane& pl : ball.clip) {
            const float nz = float(pl.n.dot(away));
            m_planes.push_back({float(pl.n.dot(right)), float(pl.n.dot(up)), nz, float(pl.d),
                                std::abs(nz) < 1e-6f ? 0.0f : 1.0f / nz});
        }
        toFloats(ball.surface, b.surface);
        toFloats(ball.cut, b.cut);
        m_balls.push_back(b);
    }
    // Drawn nearest first, a ball behind one already drawn stops early.
    for (int i = 0; i < int(m_balls.size()); ++i)
        m_nearFirst.push_back(i);
    std::stable_sort(m_nearFirst.begin(), m_nearFirst.end(), [&](int a, int b) {
        return m_balls[std::size_t(a)].z - m_balls[std::size_t(a)].radius <
               m_balls[std::size_t(b)].z - m_balls[std::size_t(b)].radius;
    });
    for (const render::Rod& rod : scene.rods) {
        Rod r;
        r.ax = float(rod.from.dot(right));
        r.ay = float(rod.from.dot(up));
        r.az = float(rod.from.dot(away));
        r.bx = float(rod.to.dot(right));
        r.by = float(rod.to.dot(up));
        r.bz = float(rod.to.dot(away));
        r.radius = float(rod.radius);
        const double ya = camera.project(rod.from).y, yb = camera.project(rod.to).y;
        const double extra = rod.radius * s + 1;
        r.top = float(std::min(ya, yb) - extra);
        r.bottom = float(std::max(ya, yb) + extra);
        toFloats(rod.colour, r.colour);
        m_rods.push_back(r);
    }
    // The light, in the camera's frame.
    m_light[0] = float(lighting::kRight);
    m_light[1] = float(lighting::kUp);
    m_light[2] = float(-lighting::kTowardViewer);
    normalise(m_light);
    m_half[0] = m_light[0];
    m_half[1] = m_light[1];
    m_half[2] = m_light[2] - 1.0f;
    normalise(m_half);
}

void QuickCaster::drawBall(Band& band, int index) const {
    const Ball& b = m_balls[std::size_t(index)];
    const float n = float(band.n), s = band.scale;
    const Plane* planes = m_planes.data() + b.firstPlane;
    const int firstRow = std::max(0, int(std::ceil(b.top * n - 0.5f)) - band.firstRow);
    const int lastRow =
        std::min(band.rows - 1, int(std::floor(b.bottom * n - 0.5f)) - band.firstRow);
    for (int r = firstRow; r <= lastRow; ++r) {
        const float v = band.v(r), dy = v - b.y;
        const float rest = b.radius * b.radius - dy * dy;
        if (rest < 0)
            continue;
        const float half = std::sqrt(rest);
        // The samples whose u lies within the ball's outline on this row, and
        // within its box.
        const float left = std::max(band.offsetX + (b.x - half) * s, b.left);
        const float right = std::min(band.offsetX + (b.x + half) * s, b.right);
        const int first = std::max(0, int(std::ceil(left * n - 0.5f)));
        const int last = std::min(band.width - 1, int(std::floor(right * n - 0.5f)));
        float* zRow = &band.z[std::size_t(r) * std::size_t(band.width)];
        int* idRow = &band.id[std::size_t(r) * std::size_t(band.width)];
        for (int sx = first; sx <= last; ++sx) {
            const float u = band.u(sx), dx = u - b.x;
            const float root = std::sqrt(std::max(0.0f, rest - dx * dx));
            float enter = b.z - root, leave = b.z + root;
            int face = -1;
            bool missed = enter >= zRow[sx];
            for (int k = 0; k < b.planeCount && !missed; ++k) {
                const Plane& pl = planes[k];
                const float num = pl.d - pl.nx * u - pl.ny * v;
                if (pl.inverseNz == 0) {
                    missed = num < 0;
                    continue;
                }
                const float t = num * pl.inverseNz;
                if (pl.nz > 0) {
                    leave = std::min(leave, t);
                } else if (t > enter) {
                    enter = t;
                    face = k;
                }
                missed = enter > leave || enter >= zRow[sx];
            }
            if (missed || enter >= zRow[sx])
                continue;
            zRow[sx] = enter;
            idRow[sx] = 1 + 64 * index + face + 1;
        }
    }
}

void QuickCaster::drawRod(Band& band, int index) const {
    const Rod& rod = m_rods[std::size_t(index)];
    const float n = float(band.n), s = band.scale;
    const float r2 = rod.radius * rod.radius;
    const float bax = rod.bx - rod.ax, bay = rod.by - rod.ay, baz = rod.bz - rod.az;
    const float baba = bax * bax + bay * bay + baz * baz;
    const float a = bax * bax + bay * bay;
    // The rod on the picture, in pixels.
    const float pax = band.offsetX + rod.ax * s, pay = band.offsetY - rod.ay * s;
    const float pbx = band.offsetX + rod.bx * s, pby = band.offsetY - rod.by * s;
    for (int r = 0; r < band.rows; ++r) {
        const float y = (band.firstRow + r + 0.5f) / n;
        float lo, hi;
        stadiumSpan(pax, pay, pbx, pby, rod.radius * s, y, lo, hi);
        if (lo > hi)
            continue;
        const int first = std::max(0, int(std::ceil(lo * n - 0.5f)));
        const int last = std::min(band.width - 1, int(std::floor(hi * n - 0.5f)));
        const float v = band.v(r), oy = v - rod.ay;
        float* zRow = &band.z[std::size_t(r) * std::size_t(band.width)];
        int* idRow = &band.id[std::size_t(r) * std::size_t(band.width)];
        for (int sx = first; sx <= last; ++sx) {
            // The capsule, with the ray's origin level with the rod's start.
            const float ox = band.u(sx) - rod.ax;
            const float baoa = bax * ox + bay * oy;
            float t = 0;
            bool found = false;
            if (a > 1e-9f) {
                const float cross = bax * oy - bay * ox;
                const float c = baz * baz * (ox * ox + oy * oy) + cross * cross - r2 * baba;
                const float bq = -baoa * baz;
                const float h = bq * bq - a * c;
                if (h >= 0) {
                    t = (-bq - std::sqrt(h)) / a;
                    const float along = baoa + t * baz;
                    found = along > 0 && along < baba;
                }
            }
            if (!found) {
                // The rounded ends.
                for (int e = 0; e < 2; ++e) {
                    const float ex = ox - e * bax, ey = oy - e * bay;
                    const float hh = r2 - ex * ex - ey * ey;
                    if (hh <= 0)
                        continue;
                    const float te = e * baz - std::sqrt(hh);
                    if (!found || te < t)
                        t = te;
                    found = true;
                }
            }
            if (!found)
                continue;
            const float z = rod.az + t;
            // A rod lying on a cut edge counts as in front of the face it bounds.
            const int other = idRow[sx];
            if (other > 0 ? z > zRow[sx] + 1e-5f : z >= zRow[sx])
                continue;
            zRow[sx] = z;
            idRow[sx] = -1 - index;
        }
    }
}

QRgb QuickCaster::shade(int id, float u, float v, float z) const {
    if (id < 0) {
        const Rod& rod = m_rods[std::size_t(-1 - id)];
        const float bax = rod.bx - rod.ax, bay = rod.by - rod.ay, baz = rod.bz - rod.az;
        const float px = u - rod.ax, py = v - rod.ay, pz = z - rod.az;
        const float baba = bax * bax + bay * bay + baz * baz;
        const float t = std::clamp((px * bax + py * bay + pz * baz) / baba, 0.0f, 1.0f);
        float nrm[3] = {px - bax * t, py - bay * t, pz - baz * t};
        normalise(nrm);
        const float diffuse = std::max(0.0f, dot3(m_light, nrm[0], nrm[1], nrm[2]));
        return colourOf(rod.colour, lighting::rod(diffuse));
    }
    const int ballIndex = (id - 1) / 64, face = (id - 1) % 64 - 1;
    const Ball& b = m_balls[std::size_t(ballIndex)];
    if (face >= 0) {
        const Plane& pl = m_planes[std::size_t(b.firstPlane + face)];
        const float diffuse = std::max(0.0f, dot3(m_light, pl.nx, pl.ny, pl.nz));
        return colourOf(b.cut, lighting::cutFace(diffuse));
    }
    const float inv = 1.0f / b.radius;
    const float nx = (u - b.x) * inv, ny = (v - b.y) * inv, nz = (z - b.z) * inv;
    const float diffuse = std::max(0.0f, dot3(m_light, nx, ny, nz));
    const float specular = shine(std::max(0.0f, dot3(m_half, nx, ny, nz)));
    return colourOf(b.surface, lighting::surface(diffuse),
                    255.0f * float(lighting::kHighlight) * specular);
}

QImage QuickCaster::render(const RenderOptions& opt, int samples) const {
    const int n = std::max(1, samples);
    const int w = m_camera.width, h = m_camera.height;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    const QRgb ground = qPremultiply(opt.ground.rgba());
    // One ray per pixel draws its outline a whole pixel wide: a third as dark.
    const float keep = float(1 - (n == 1 ? opt.outline / 3 : opt.outline));
    const int bands = (h + kBandRows - 1) / kBandRows;

    splitRows([&](int firstBand, int step) {
        Band band;
        band.n = n;
        band.width = w * n;
        band.scale = float(m_camera.scale);
        band.offsetX = float(m_camera.offsetX);
        band.offsetY = float(m_camera.offsetY);
        band.u0 = (0.5f / float(n) - band.offsetX) / band.scale;
        band.du = 1.0f / (float(n) * band.scale);
        std::vector<QRgb> colours;
        for (int bi = firstBand; bi < bands; bi += step) {
            const int y0 = bi * kBandRows, y1 = std::min(h, y0 + kBandRows);
            band.firstRow = y0 * n - 1;
            band.rows = (y1 - y0) * n + 2;
            const std::size_t count = std::size_t(band.rows) * std::size_t(band.width);
            band.z.assign(count, kFar);
            band.id.assign(count, 0);
            const float top = float(band.firstRow) / n,
                        bottom = float(band.firstRow + band.rows) / n;
            for (int i : m_nearFirst)
                if (m_balls[std::size_t(i)].bottom >= top && m_balls[std::size_t(i)].top <= bottom)
                    drawBall(band, i);
            for (int i = 0; i < int(m_rods.size()); ++i)
                if (m_rods[std::size_t(i)].bottom >= top && m_rods[std::size_t(i)].top <= bottom)
                    drawRod(band, i);

            auto at = [&](int r, int sx) {
                return std::size_t(r) * std::size_t(band.width) + std::size_t(sx);
            };
            auto sampleColour = [&](int r, int sx) -> QRgb {
                const int id = band.id[at(r, sx)];
                if (id == 0)
                    return ground;
                const float z = band.z[at(r, sx)];
                const QRgb c = shade(id, band.u(sx), band.v(r), z);
                if (id < 0 || opt.outline <= 0)
                    return c;
                // A ball next to another body or face behind it, or next to
                // nothing, is darkened, like an inked contour.
                const int ny[4] = {r, r, r - 1, r + 1};
                const int nx[4] = {sx - 1, sx + 1, sx, sx};
                for (int k = 0; k < 4; ++k) {
                    const int row = band.firstRow + ny[k];
                    if (nx[k] < 0 || nx[k] >= band.width || row < 0 || row >= h * n)
                        continue;
                    const int o = band.id[at(ny[k], nx[k])];
                    if (o == id || o < 0)
                        continue;
                    if (o == 0 || band.z[at(ny[k], nx[k])] >= z - 1e-6f)
                        return qRgb(channel(qRed(c) * keep), channel(qGreen(c) * keep),
                                    channel(qBlue(c) * keep));
                }
                return c;
            };

            colours.resize(std::size_t(n) * std::size_t(n));
            for (int y = y0; y < y1; ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
                const int r0 = (y - y0) * n + 1; // the pixel's first sample row in the band
                if (n == 1) {
                    for (int x = 0; x < w; ++x)
                        line[x] = sampleColour(r0, x);
                    continue;
                }
                for (int x = 0; x < w; ++x) {
                    const int sx0 = x * n;
                    // A pixel whose samples, and those around them, all show
                    // one thing is drawn from its middle sample.
                    const int id = band.id[at(r0, sx0)];
                    bool plain = true;
                    for (int r = r0 - 1; r <= r0 + n && plain; ++r)
                        for (int sx = std::max(0, sx0 - 1);
                             sx <= std::min(band.width - 1, sx0 + n) && plain; ++sx)
                            plain = band.id[at(r, sx)] == id;
                    if (plain) {
                        line[x] = id == 0 ? ground
                                          : shade(id, band.u(sx0 + n / 2), band.v(r0 + n / 2),
                                                  band.z[at(r0 + n / 2, sx0 + n / 2)]);
                        continue;
                    }
                    int red = 0, green = 0, blue = 0, alpha = 0;
                    for (int j = 0; j < n; ++j)
                        for (int i = 0; i < n; ++i) {
                            const QRgb c = sampleColour(r0 + j, sx0 + i);
                            // Premultiplied already: the ground may be clear.
                            red += qRed(c);
                            green += qGreen(c);
                            blue += qBlue(c);
                            alpha += qAlpha(c);
                        }
                    const int div = n * n;
                    line[x] = qRgba((red + div / 2) / div, (green + div / 2) / div,
                                    (blue + div / 2) / div, (alpha + div / 2) / div);
                }
            }
        }
    });
    return img;
}

} // namespace render
