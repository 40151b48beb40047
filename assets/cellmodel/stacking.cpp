#include "stacking.h"

namespace cell::stacking {

namespace {

const double kRoot3 = std::sqrt(3.0);

} // namespace

Vec3 layerOffset(Layer l) {
    // The centres of the two triangles of the net next to the origin.
    switch (l) {
    case Layer::A:
        return {};
    case Layer::B:
        return {0.5, kRoot3 / 6.0, 0};
    case Layer::C:
        break;
    }
    return {1.0, kRoot3 / 3.0, 0};
}

double layerSpacing() {
    return std::sqrt(2.0 / 3.0);
}

std::vector<Vec3> layerSites(Layer l, double z, double reach) {
    const Vec3 off = layerOffset(l);
    const int n = int(std::ceil(reach)) + 3;
    std::vector<Vec3> sites;
    for (int v = -n; v <= n; ++v)
        for (int u = -n; u <= n; ++u) {
            const Vec3 p{off.x + u + v * 0.5, off.y + v * kRoot3 / 2.0, z};
            if (std::hypot(p.x, p.y) <= reach + 1e-9)
                sites.push_back(p);
        }
    return sites;
}

Layer stackLayer(Structure s, int k) {
    if (s == Structure::Fcc)
        return Layer(k % 3);
    return k % 2 ? Layer::B : Layer::A;
}

std::vector<Vec3> stack(Structure s, int layers, double reach) {
    std::vector<Vec3> out;
    for (int k = 0; k < layers; ++k)
        for (const Vec3& p : layerSites(stackLayer(s, k), k * layerSpacing(), reach))
            out.push_back(p);
    return out;
}

Vec3 inStack(Structure s, Vec3 p) {
    if (s != Structure::Fcc)
        return p;
    // The cube's edges from its corner on the axis go to three spheres of
    // the B layer above, 120 degrees apart: its edge is √2 sphere diameters.
    const double h = layerSpacing(), r = 2.0 / kRoot3;
    const Vec3 ex{0, r, h}, ey{-1, -r / 2, h}, ez{1, -r / 2, h};
    return ex * p.x + ey * p.y + ez * p.z;
}

std::vector<Vec3> touching(const std::vector<Vec3>& spheres, Vec3 focus) {
    std::vector<Vec3> out;
    for (const Vec3& p : spheres)
        if (std::abs((p - focus).length() - 1.0) < 1e-6)
            out.push_back(p);
    return out;
}

} // namespace cell::stacking
