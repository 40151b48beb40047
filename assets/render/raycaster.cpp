#include "raycaster.h"

#include "lighting.h"
#include "rowsplit.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace render {
namespace {

// Rays start this far in front of everything; only differences of t matter.
constexpr double kStartDepth = 1000.0;

bool hitBall(const Ball& b, Vec3 o, Vec3 d, RayCaster::Hit& hit) {
    const Vec3 oc = o - b.centre;
    const double half = oc.dot(d);
    const double c = oc.dot(oc) - b.radius * b.radius;
    const double disc = half * half - c;
    if (disc < 0)
        return false;
    const double root = std::sqrt(disc);
    double enter = -half - root, leave = -half + root;
    int face = -1;
    // Each half-space n·p <= d trims the interval of t along the ray.
    for (std::size_t k = 0; k < b.clip.size(); ++k) {
        const cell::Plane& pl = b.clip[k];
        const double denom = pl.n.dot(d);
        const double num = pl.d - pl.n.dot(o);
        if (std::abs(denom) < 1e-12) {
            if (num < 0)
                return false;
            continue;
        }
        const double t = num / denom;
        if (denom > 0) {
            leave = std::min(leave, t);
        } else if (t > enter) {
            enter = t;
            face = int(k);
        }
        if (enter > leave)
            return false;
    }
    if (enter > leave || enter >= hit.t)
        return false;
    hit.t = enter;
    hit.face = face;
    hit.normal = face < 0 ? (o + d * enter - b.centre) * (1.0 / b.radius) : b.clip[face].n;
    return true;
}

bool hitRod(const Rod& r, Vec3 o, Vec3 d, RayCaster::Hit& hit) {
    const Vec3 ba = r.to - r.from, oa = o - r.from;
    const double baba = ba.dot(ba), bard = ba.dot(d), baoa = ba.dot(oa);
    const double rdoa = d.dot(oa), oaoa = oa.dot(oa);
    const double a = baba - bard * bard;
    const double b = baba * rdoa - baoa * bard;
    const double c = baba * oaoa - baoa * baoa - r.radius * r.radius * baba;
    double t = -1;
    const double h = b * b - a * c;
    if (a > 1e-12 && h >= 0) {
        t = (-b - std::sqrt(h)) / a;
        const double y = baoa + t * bard;
        if (y <= 0 || y >= baba)
            t = -1;
    }
    if (t < 0) {
        // The rounded ends.
        for (Vec3 end : {r.from, r.to}) {
            const Vec3 oc = o - end;
            const double bb = d.dot(oc);
            const double cc = oc.dot(oc) - r.radius * r.radius;
            const double hh = bb * bb - cc;
            if (hh > 0) {
                const double te = -bb - std::sqrt(hh);
                if (t < 0 || te < t)
                    t = te;
            }
        }
    }
    if (t < 0 || t >= hit.t)
        return false;
    hit.t = t;
    const Vec3 p = o + d * t;
    const double s = std::clamp((p - r.from).dot(ba) / baba, 0.0, 1.0);
    hit.normal = normalised(p - (r.from + ba * s));
    return true;
}

QColor scaled(const QColor& c, double f, double add = 0) {
    auto ch = [&](int v) { return std::clamp(int(std::lround(v * f + 255 * add)), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

} // namespace

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 normalised(Vec3 v) {
    const double l = v.length();
    return l > 0 ? v * (1.0 / l) : v;
}

RayCaster::RayCaster(const Scene& scene, const cell::Camera& camera)
    : m_scene(scene), m_camera(camera) {
    m_dir = camera.towardViewer() * -1.0;
    m_right = camera.right();
    m_up = camera.up();
    m_light = normalised(camera.right() * lighting::kRight + camera.up() * lighting::kUp +
                         camera.towardViewer() * lighting::kTowardViewer);
    m_half = normalised(m_light + camera.towardViewer());
    for (const Ball& b : scene.balls) {
        const cell::Point2 c = camera.project(b.centre);
        const double r = b.radius * camera.scale + 1;
        m_ballBounds.push_back({c.x - r, c.y - r, c.x + r, c.y + r});
    }
    for (const Rod& rod : scene.rods) {
        const cell::Point2 a = camera.project(rod.from), b = camera.project(rod.to);
        const double r = rod.radius * camera.scale + 1;
        m_rodBounds.push_back({std::min(a.x, b.x) - r, std::min(a.y, b.y) - r,
                               std::max(a.x, b.x) + r, std::max(a.y, b.y) + r});
    }
}

void RayCaster::castAmong(double px, double py, const std::vector<int>& balls,
                          const std::vector<int>& rods, Hit& ballHit, Hit& rodHit) const {
    const double u = (px - m_camera.offsetX) / m_camera.scale;
    const double v = (m_camera.offsetY - py) / m_camera.scale;
    const Vec3 o = m_right * u + m_up * v + m_dir * -kStartDepth;
    for (int i : balls) {
        const Bounds& bb = m_ballBounds[std::size_t(i)];
        if (px < bb.left || px > bb.right || py < bb.top || py > bb.bottom)
            continue;
        if (hitBall(m_scene.balls[std::size_t(i)], o, m_dir, ballHit))
            ballHit.ball = i;
    }
    for (int i : rods) {
        const Bounds& bb = m_rodBounds[std::size_t(i)];
        if (px < bb.left || px > bb.right || py < bb.top || py > bb.bottom)
            continue;
        if (hitRod(m_scene.rods[std::size_t(i)], o, m_dir, rodHit))
            rodHit.rod = i;
    }
}

QColor RayCaster::shade(const Hit& hit) const {
    const double diffuse = std::max(0.0, hit.normal.dot(m_light));
    if (hit.rod >= 0)
        return scaled(m_scene.rods[hit.rod].colour, lighting::rod(diffuse));
    const Ball& b = m_scene.balls[hit.ball];
    if (hit.face >= 0)
        return scaled(b.cut, lighting::cutFace(diffuse));
    const double specular =
        std::pow(std::max(0.0, hit.normal.dot(m_half)), double(lighting::kShininess));
    return scaled(b.surface, lighting::surface(diffuse), lighting::kHighlight * specular);
}

QImage RayCaster::render(const QRect& wanted, const RenderOptions& opt) const {
    // Two pixels more on every side: the pixels of the wanted window then
    // come out exactly as in a rendering of the whole picture (which pixels
    // get all their samples, and the outlines, depend on the neighbours).
    constexpr int kApron = 2;
    const QRect window = wanted.adjusted(-kApron, -kApron, kApron, kApron);
    const int n = std::max(1, opt.samples);
    const int w = window.width(), h = window.height();
    const int sw = w * n, sh = h * n;
    struct Sample {
        int id = 0; // 0 nothing; balls 1 + 64 * ball + face + 1; rods negative
        float t = 0;
        QRgb colour = 0;
        bool keep = true;
    };
    std::vector<Sample> samples(std::size_t(sw) * std::size_t(sh));

    struct Row {
        std::vector<int> balls, rods;
    };
    // Only the bodies whose bounds reach a row are tried there.
    auto bodiesAt = [&](double py, Row& row) {
        row.balls.clear();
        row.rods.clear();
        for (std::size_t i = 0; i < m_ballBounds.size(); ++i)
            if (py >= m_ballBounds[i].top && py <= m_ballBounds[i].bottom)
                row.balls.push_back(int(i));
        for (std::size_t i = 0; i < m_rodBounds.size(); ++i)
            if (py >= m_rodBounds[i].top && py <= m_rodBounds[i].bottom)
                row.rods.push_back(int(i));
    };
    auto sampleAt = [&](double px, double py, const Row& row) {
        Sample s;
        Hit ballHit, rodHit;
        castAmong(px, py, row.balls, row.rods, ballHit, rodHit);
        if (opt.onlyTag >= 0 &&
            (ballHit.ball < 0 || m_scene.balls[ballHit.ball].tag != opt.onlyTag))
            s.keep = false;
        // A rod lying on a cut edge counts as in front of the face it bounds.
        const bool rodFirst = rodHit.found() && rodHit.t <= ballHit.t + 1e-9;
        const Hit& hit = rodFirst ? rodHit : ballHit;
        if (hit.found()) {
            s.t = float(hit.t);
            s.id = rodFirst ? -1 - hit.rod : 1 + 64 * hit.ball + hit.face + 1;
            s.colour = shade(hit).rgba();
        }
        return s;
    };
    auto parallelRows = [&](int rows, const std::function<void(int, Row&)>& job) {
        splitRows([&](int first, int step) {
            Row row;
            for (int y = first; y < rows; y += step)
                job(y, row);
        });
    };

    // One ray through the middle of every pixel first; only pixels whose
    // neighbourhood shows more than one body or face get all their samples.
    std::vector<Sample> centres(std::size_t(w) * std::size_t(h));
    parallelRows(h, [&](int y, Row& row) {
        const double py = window.top() + y + 0.5;
        bodiesAt(py, row);
        for (int x = 0; x < w; ++x)
            centres[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                sampleAt(window.left() + x + 0.5, py, row);
    });
    auto centre = [&](int x, int y) -> const Sample& {
        return centres[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    };
    auto uniform = [&](int x, int y) {
        const Sample& c = centre(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    continue;
                const Sample& o = centre(nx, ny);
                if (o.id != c.id || o.keep != c.keep)
                    return false;
            }
        return true;
    };
    std::vector<char> plain(std::size_t(w) * std::size_t(h));
    parallelRows(h, [&](int y, Row&) {
        for (int x = 0; x < w; ++x)
            plain[std::size_t(y) * std::size_t(w) + std::size_t(x)] = uniform(x, y);
    });
    auto isPlain = [&](int x, int y) {
        return plain[std::size_t(y) * std::size_t(w) + std::size_t(x)] != 0;
    };
    parallelRows(sh, [&](int sy, Row& row) {
        const int y = sy / n;
        const double py = window.top() + (sy + 0.5) / n;
        bool rowReady = false;
        for (int x = 0; x < w; ++x) {
            Sample* out = &samples[std::size_t(sy) * std::size_t(sw) + std::size_t(x * n)];
            if (isPlain(x, y)) {
                std::fill(out, out + n, centre(x, y));
                continue;
            }
            if (!rowReady) {
                bodiesAt(py, row);
                rowReady = true;
            }
            for (int i = 0; i < n; ++i)
                out[i] = sampleAt(window.left() + x + (i + 0.5) / n, py, row);
        }
    });

    // Outlines: a ball sample next to a different body or face that lies
    // behind it (or next to nothing) is darkened, like an inked contour.
    if (opt.outline > 0) {
        std::vector<char> dark(samples.size(), 0);
        parallelRows(sh, [&](int sy, Row&) {
            for (int sx = 0; sx < sw; ++sx) {
                const Sample& s = samples[std::size_t(sy) * std::size_t(sw) + std::size_t(sx)];
                // Within a plain pixel every sample near by shows the same thing.
                if (s.id <= 0 || isPlain(sx / n, sy / n))
                    continue;
                bool edge = false;
                for (int dist = 1; dist <= opt.outlineWidth && !edge; ++dist) {
                    const int nx[4] = {sx - dist, sx + dist, sx, sx};
                    const int ny[4] = {sy, sy, sy - dist, sy + dist};
                    for (int k = 0; k < 4 && !edge; ++k) {
                        if (nx[k] < 0 || ny[k] < 0 || nx[k] >= sw || ny[k] >= sh)
                            continue;
                        const Sample& o =
                            samples[std::size_t(ny[k]) * std::size_t(sw) + std::size_t(nx[k])];
                        if (o.id == s.id || o.id < 0)
                            continue;
                        edge = o.id == 0 || o.t >= s.t - 1e-6;
                    }
                }
                dark[std::size_t(sy) * std::size_t(sw) + std::size_t(sx)] = edge;
            }
        });
        parallelRows(sh, [&](int sy, Row&) {
            for (std::size_t i = std::size_t(sy) * std::size_t(sw);
                 i < std::size_t(sy + 1) * std::size_t(sw); ++i)
                if (dark[i])
                    samples[i].colour =
                        scaled(QColor::fromRgba(samples[i].colour), 1 - opt.outline).rgba();
        });
    }

    QImage img(wanted.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb ground = opt.ground.rgba();
    parallelRows(wanted.height(), [&](int row, Row&) {
        const int y = row + kApron;
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(row));
        for (int x = kApron; x < w - kApron; ++x) {
            if (isPlain(x, y)) {
                const Sample& s =
                    samples[std::size_t(y * n) * std::size_t(sw) + std::size_t(x * n)];
                const QRgb c = !s.keep ? 0 : s.id != 0 ? s.colour : ground;
                line[x - kApron] = qPremultiply(c);
                continue;
            }
            int r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    const Sample& s =
                        samples[std::size_t(y * n + j) * std::size_t(sw) + std::size_t(x * n + i)];
                    QRgb c = s.id != 0 ? s.colour : ground;
                    if (!s.keep)
                        c = 0;
                    const int al = qAlpha(c);
                    r += qRed(c) * al;
                    g += qGreen(c) * al;
                    b += qBlue(c) * al;
                    a += al;
                }
            // Premultiplied averages, rounded to nearest.
            const int div = n * n * 255, adiv = n * n;
            line[x - kApron] = qRgba((r + div / 2) / div, (g + div / 2) / div, (b + div / 2) / div,
                                     (a + adiv / 2) / adiv);
        }
    });
    return img;
}

cell::Camera scaledCamera(const cell::Camera& c, double factor) {
    cell::Camera s = c;
    s.scale *= factor;
    s.offsetX *= factor;
    s.offsetY *= factor;
    s.width = int(std::lround(c.width * factor));
    s.height = int(std::lround(c.height * factor));
    return s;
}

cell::Camera fittedCamera(double azimuthDeg, double elevationDeg, QSize size, const QRectF& target,
                          const Extent& points) {
    cell::Camera cam;
    cam.azimuthDeg = azimuthDeg;
    cam.elevationDeg = elevationDeg;
    cam.width = size.width();
    cam.height = size.height();
    double minX = 1e18, maxX = -1e18, minY = 1e18, maxY = -1e18;
    for (const auto& [p, r] : points) {
        const double x = p.dot(cam.right()), y = -p.dot(cam.up());
        minX = std::min(minX, x - r);
        maxX = std::max(maxX, x + r);
        minY = std::min(minY, y - r);
        maxY = std::max(maxY, y + r);
    }
    cam.scale = std::min(target.width() / (maxX - minX), target.height() / (maxY - minY));
    cam.offsetX = target.center().x() - cam.scale * (minX + maxX) / 2.0;
    cam.offsetY = target.center().y() - cam.scale * (minY + maxY) / 2.0;
    return cam;
}

} // namespace render
