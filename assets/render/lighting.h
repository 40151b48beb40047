#pragma once

// The one light of every drawing made from the cell model, shared by the
// build's ray caster and the quick one, so that a drawing looks the same
// turned and at rest.

namespace render::lighting {

// Toward the light, in the camera's frame: from the upper left, in front of
// the picture (not yet of unit length).
inline constexpr double kRight = -0.45, kUp = 0.6, kTowardViewer = 0.65;

// How bright a body shows, by the cosine between its surface and the light:
// a sphere's surface, a flat cut face (a faint difference tells two faces of
// one piece apart) and a rod.
template <class T> constexpr T surface(T diffuse) {
    return T(0.4) + T(0.6) * diffuse;
}
template <class T> constexpr T cutFace(T diffuse) {
    return T(0.86) + T(0.14) * diffuse;
}
template <class T> constexpr T rod(T diffuse) {
    return T(0.8) + T(0.2) * diffuse;
}

// A sphere's highlight: the cosine between its surface and the direction
// halfway between the light and the viewer, to this power, adds this share
// of white.
inline constexpr int kShininess = 40;
inline constexpr double kHighlight = 0.5;

} // namespace render::lighting
