#include "screen.h"

#include "accessiblenames.h"
#include "basefolder.h"
#include "elementnames.h"
#include "fonts.h"
#include "label.h"
#include "paneldesign.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturestore.h"
#include "screenwindow.h"
#include "shape.h"
#include "textloader.h"
#include "twips.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGroupBox>

namespace {

// Each screen is a window of its own to a screen reader, named by its caption.
QAccessibleInterface* screenAccessible(const QString&, QObject* object) {
    if (auto* screen = qobject_cast<Screen*>(object))
        return new QAccessibleWidget(screen, QAccessible::Window);
    return nullptr;
}

} // namespace

QRect twips(int left, int top, int width, int height) {
    return twipsRect(left, top, width, height);
}

Screen::Screen(ScreenId id) : QWidget(nullptr), m_id(id) {
    static const bool accessible = (QAccessible::installFactory(screenAccessible), true);
    Q_UNUSED(accessible);
    const ScreenInfo& i = info();
    setObjectName(i.formName);
    setWindowTitle(i.caption);
    setWindowFlags(screenWindowFlags());
    setFixedSize(twipsToPixels(i.clientTwips.width()), twipsToPixels(i.clientTwips.height()));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(pal);
    setAutoFillBackground(true);
    setWindowIcon(PictureStore::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QString Screen::arrayName(const QString& name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void Screen::closeEvent(QCloseEvent* e) {
    // The close box of the one open window ends the program.
    e->ignore();
    emit closeRequested();
}

Picture* Screen::addPicture(ControlName name, int left, int top, const QString& picture,
                            bool visible, QWidget* parent) {
    auto* p = new Picture(parent ? parent : this);
    p->setObjectName(name);
    p->move(twipsToPixels(left), twipsToPixels(top));
    // Hidden before it has a picture: a hidden element reads it when shown.
    if (!visible)
        p->hide();
    if (!picture.isEmpty()) {
        p->setProgramPicture(picture);
        nameElement(p, pictureText(picture));
    } else {
        p->resize(0, 0);
    }
    nameElement(p, elementText(m_id, name));
    // Shown once it has its size, which spares Qt working one out from the font.
    p->setVisible(visible);
    return p;
}

PictureButton* Screen::addButton(ControlName name, const QString& picture, const QString& word,
                                 QRect rect, bool visible) {
    auto* b = new PictureButton(PictureStore::pixmap(picture), word, this);
    b->setObjectName(name);
    b->setGeometry(rect);
    b->setVisible(visible);
    return b;
}

TextPanel* Screen::addPanel(ControlName name) {
    TextPanel* t = buildPanel(panelDesign(m_id, name), this);
    nameElement(t, elementText(m_id, name));
    return t;
}

Label* Screen::addLabel(ControlName name, QRect rect, const QString& caption, double points,
                        const QColor& text, const QColor& ground, Qt::Alignment align,
                        QWidget* parent) {
    auto* l = new Label(parent ? parent : this);
    l->setObjectName(name);
    l->setGeometry(rect);
    l->setText(caption);
    l->setFont(minchoFont(points));
    l->setAlignment(align);
    l->setColours(text, ground);
    nameElement(l, elementText(m_id, name));
    return l;
}

Shape* Screen::addShape(ControlName name, QRect rect, const QColor& outline) {
    auto* s = new Shape(outline, this);
    s->setObjectName(name);
    s->setGeometry(rect);
    nameElement(s, elementText(m_id, name));
    return s;
}

QGroupBox* Screen::addFrame(ControlName name, QRect rect, const QString& caption, double points,
                            const QColor& captionColour) {
    auto* f = new QGroupBox(caption, this);
    f->setObjectName(name);
    f->setGeometry(rect);
    f->setFont(minchoFont(points));
    // The style's own frame line is all but invisible on the cyan ground.
    f->setStyleSheet(
        QStringLiteral(
            "QGroupBox { border: 1px solid rgb(0, 0, 128); margin-top: %1px; color: %2; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 8px;"
            " padding: 0 3px; color: %2; }")
            .arg(qRound(points * 96.0 / 72.0 / 2.0) + 2)
            .arg(captionColour.name()));
    f->setFocusPolicy(Qt::NoFocus);
    nameElement(f, elementText(m_id, name));
    return f;
}

void Screen::setFocusOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void Screen::showInstead(std::initializer_list<QWidget*> gone,
                         std::initializer_list<QWidget*> shown) {
    // The new elements first: the focus that leaves a hidden element moves on
    // along the Tab order to what is shown now.
    for (QWidget* w : shown)
        w->show();
    for (QWidget* w : gone)
        w->hide();
}

void Screen::nameElement(QWidget* w, const AccessibleText& text) {
    // An element the table does not name keeps what it has (a label its caption).
    if (!text.name.isEmpty())
        w->setAccessibleName(text.name);
    if (!text.description.isEmpty())
        w->setAccessibleDescription(text.description);
}

void Screen::giveKeyboardFocus(QWidget* w) {
    if (ClickableLabel::keyboardInUse())
        w->setFocus(Qt::TabFocusReason);
}

bool Screen::fill(TextPanel* panel) {
    const QString& file = panelDesign(m_id, panel->objectName()).file;
    const QString reason = FillListFromFile(panel, file);
    if (reason.isEmpty())
        return true;
    ReportContentFailure(ContentPath(file), reason);
    return false;
}

bool Screen::fill(std::initializer_list<TextPanel*> panels) {
    for (TextPanel* p : panels)
        if (!fill(p))
            return false;
    return true;
}
