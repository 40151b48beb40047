#include "drillpictures.h"

#include "raycaster.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The view of the lesson's cubes, so the question cells look like the lessons'.
cell::Camera cubeCamera() {
    const cell::Camera& lesson = cell::lessonCamera(cell::Structure::Bcc);
    render::Extent ext;
    for (int i = 0; i < 8; ++i)
        ext.push_back({{double(i & 1), double((i >> 1) & 1), double((i >> 2) & 1)}, 0.0});
    return render::fittedCamera(
        lesson.azimuthDeg, lesson.elevationDeg,
        QSize(DrillPictures::kWidth, DrillPictures::kHeight),
        QRectF(12, 10, DrillPictures::kWidth - 24, DrillPictures::kHeight - 20), ext);
}

QImage mark(bool right) {
    const int size = 190;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = right ? QColor(235, 0, 0) : QColor(0, 60, 235);
    // A white border keeps the mark clear over any picture.
    for (int pass = 0; pass < 2; ++pass) {
        const double width = pass == 0 ? 34 : 24;
        p.setPen(QPen(pass == 0 ? QColor(255, 255, 255) : c, width, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        if (right) {
            p.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 2.0 - 20, size / 2.0 - 20);
        } else {
            p.drawLine(QPointF(28, 28), QPointF(size - 28, size - 28));
            p.drawLine(QPointF(size - 28, 28), QPointF(28, size - 28));
        }
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage DrillPictures::question(const drill::Crystal& crystal) {
    const cell::Camera cam = cubeCamera();
    const std::vector<cell::Plane> cube = {{{1, 0, 0}, 1},  {{-1, 0, 0}, 0}, {{0, 1, 0}, 1},
                                           {{0, -1, 0}, 0}, {{0, 0, 1}, 1},  {{0, 0, -1}, 0}};
    render::Scene scene;
    for (const drill::Site& s : crystal.sites()) {
        render::Ball b;
        b.centre = s.pos;
        const bool isA = s.kind == drill::Kind::A;
        b.radius = isA ? crystal.radiusA : crystal.radiusB;
        b.clip = cube; // only the part inside the cell, as the lessons count it
        b.surface = isA ? QColor(225, 30, 30) : QColor(250, 210, 0);
        b.cut = isA ? QColor(245, 110, 100) : QColor(255, 232, 120);
        scene.balls.push_back(b);
    }
    for (int i = 0; i < 8; ++i)
        for (int bit = 1; bit < 8; bit <<= 1)
            if (!(i & bit)) {
                const int j = i | bit;
                scene.rods.push_back({{double(i & 1), double((i >> 1) & 1), double((i >> 2) & 1)},
                                      {double(j & 1), double((j >> 1) & 1), double((j >> 2) & 1)},
                                      0.7 / cam.scale,
                                      QColor(30, 50, 160)});
            }
    render::RenderOptions opt;
    opt.samples = 4;
    opt.ground = Qt::white;
    opt.outline = 0.45;
    opt.outlineWidth = 2;
    return render::RayCaster(scene, cam).render(opt).convertToFormat(QImage::Format_RGB32);
}

QImage DrillPictures::rightMark() {
    return mark(true);
}
QImage DrillPictures::wrongMark() {
    return mark(false);
}
