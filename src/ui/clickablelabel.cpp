#include "clickablelabel.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

bool g_keyboardInUse = false;

void setKeyboardInUse(bool on) {
    if (on == g_keyboardInUse)
        return;
    g_keyboardInUse = on;
    // The focused element shows or drops its frame at once.
    if (auto* focused = qobject_cast<ClickableLabel*>(QApplication::focusWidget()))
        focused->update();
}

// Watches every key and mouse press of the program to tell which the learner
// is using.
class InputWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
            setKeyboardInUse(true);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            setKeyboardInUse(false);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, e);
    }
};

} // namespace

// A label or picture as a screen reader sees it: a button or a link that can
// be pressed when it acts, otherwise text or a graphic.
class ClickableLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        switch (label()->kind()) {
        case ClickableLabel::Kind::Button:
            return QAccessible::Button;
        case ClickableLabel::Kind::Link:
            return QAccessible::Link;
        case ClickableLabel::Kind::Plain:
            break;
        }
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? label()->text() : name;
        }
        if (t == QAccessible::Description)
            return label()->spokenDescription();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->kind() != ClickableLabel::Kind::Plain)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label()->kind() != ClickableLabel::Kind::Plain) {
            if (label()->isVisible()) {
                setKeyboardInUse(true);
                label()->activate();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

namespace {

QAccessibleInterface* accessibleFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<ClickableLabel*>(object))
        return new ClickableLabelAccessible(label);
    return nullptr;
}

void installOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        qApp->installEventFilter(new InputWatch(qApp));
        return true;
    }();
    Q_UNUSED(installed);
}

// A raised edge, sunk while pressed: a filled label that acts is seen as a
// button, not as one more title plate.
void paintBevel(QWidget* w, bool pressed) {
    QPainter p(w);
    const QColor ground = w->palette().color(w->backgroundRole());
    const QColor light = ground.lightness() > 200 ? QColor(255, 255, 255) : ground.lighter(220);
    const QColor dark = ground.lightness() > 200 ? ground.darker(150) : QColor(0, 0, 0);
    const QRect r = w->rect().adjusted(0, 0, -1, -1);
    for (int i = 0; i < 2; ++i) {
        const QRect edge = r.adjusted(i, i, -i, -i);
        p.setPen(pressed ? dark : light);
        p.drawLine(edge.topLeft(), edge.topRight());
        p.drawLine(edge.topLeft(), edge.bottomLeft());
        p.setPen(pressed ? light : dark);
        p.drawLine(edge.bottomLeft(), edge.bottomRight());
        p.drawLine(edge.topRight(), edge.bottomRight());
    }
}

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    installOnce();
    setFocusPolicy(Qt::NoFocus);
}

void ClickableLabel::setKind(Kind kind) {
    m_kind = kind;
    // Tab reaches it; a click still gives it no focus.
    setFocusPolicy(kind == Kind::Plain ? Qt::NoFocus : Qt::TabFocus);
}

void ClickableLabel::activate() {
    emit clicked();
}

bool ClickableLabel::keyboardInUse() {
    return g_keyboardInUse;
}

void ClickableLabel::mousePressEvent(QMouseEvent* e) {
    m_pressed = e->button() == Qt::LeftButton;
    update();
    QLabel::mousePressEvent(e);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_pressed = false;
    update();
    QLabel::mouseReleaseEvent(e);
    if (click)
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* e) {
    const bool activationKey =
        e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (m_kind != Kind::Plain && activationKey &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        e->accept();
        if (!e->isAutoRepeat())
            activate();
        return;
    }
    QLabel::keyPressEvent(e);
}

void ClickableLabel::paintEvent(QPaintEvent* e) {
    if (m_kind != Kind::Plain && !text().isEmpty()) {
        // A label that takes focus lays its text out as a document, a pixel
        // off where every other label draws it; draw it as they do.
        QPainter p(this);
        QStyleOption option;
        option.initFrom(this);
        const int flags =
            int(QStyle::visualAlignment(Qt::LeftToRight, alignment())) | Qt::TextForceLeftToRight;
        style()->drawItemText(&p, contentsRect(), flags, option.palette, isEnabled(), text(),
                              foregroundRole());
    } else {
        paintContents(e);
    }
    if (m_kind == Kind::Button && autoFillBackground())
        paintBevel(this, m_pressed);
    // Whatever takes focus from the keyboard shows where it is.
    if (!(focusPolicy() & Qt::TabFocus) || !hasFocus() || !keyboardInUse())
        return;
    // Black under white dots: visible on every ground of the screens.
    QPainter p(this);
    const QRect r =
        rect().adjusted(m_frameInset, m_frameInset, -m_frameInset - 1, -m_frameInset - 1);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r);
    p.setPen(QPen(Qt::white, 1, Qt::DotLine));
    p.drawRect(r);
}
