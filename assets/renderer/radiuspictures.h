#pragma once

// The diagrams and derivations of the atomic radius lesson.

#include <QImage>
#include <QSize>
#include <QString>

class RadiusPictures {
public:
    explicit RadiusPictures(double factor) : m_factor(factor) {}
    QImage draw(const QString& name, QSize size) const;

private:
    double m_factor;
};
