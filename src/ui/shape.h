#pragma once

#include <QColor>
#include <QWidget>

// An unfilled rectangle drawn as a one-pixel outline; it takes no clicks.
class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(const QColor& outline, QWidget* parent = nullptr);
    QColor outline() const { return m_outline; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor m_outline;
};
