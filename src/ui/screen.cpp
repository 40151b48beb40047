#include "screen.h"

#include "fonts.h"
#include "label.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturestore.h"
#include "screenwindow.h"
#include "shape.h"
#include "textpanel.h"
#include "turnabledrawing.h"
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

QRect pixels(const QRect& twips) {
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

ClickableLabel::Kind kindOf(Activation a) {
    switch (a) {
    case Activation::Button:
        return ClickableLabel::Kind::Button;
    case Activation::Link:
        return ClickableLabel::Kind::Link;
    case Activation::None:
        break;
    }
    return ClickableLabel::Kind::Plain;
}

} // namespace

Screen::Screen(const ScreenDesign& design, const ScreenContext& context)
    : QWidget(nullptr), m_design(design), m_context(context) {
    static const bool accessible = (QAccessible::installFactory(screenAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(design.formName);
    setWindowTitle(design.caption);
    setWindowFlags(screenWindowFlags());
    setFixedSize(twipsToPixels(design.clientTwips.width()),
                 twipsToPixels(design.clientTwips.height()));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(pal);
    setAutoFillBackground(true);
    setWindowIcon(PictureStore::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);

    for (const ElementDesign& e : design.elements)
        build(e);
    for (const ElementDesign& e : design.elements) {
        if (e.onDrawing == OnDrawing::None)
            continue;
        auto* drawing = qobject_cast<TurnableDrawing*>(element(e.drawing));
        Q_ASSERT_X(drawing, "Screen", "a marker or piece on an element that is no drawing");
        if (e.onDrawing == OnDrawing::Marker)
            drawing->pinToAtom(element(e.name), e.atom);
        else
            drawing->addPiece(e.atom, element(e.name));
    }
    QWidget* previous = nullptr;
    for (const QString& name : design.tabOrder) {
        QWidget* w = element(name);
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    m_firstFocus = element(design.firstFocus);
    // Every element some press of the declaration takes; an answer key's
    // array is the class's own to connect.
    QStringList pressed;
    const auto connectOnce = [&](const Transition& t) {
        if (t.trigger != Transition::Trigger::Press || t.key != AnswerKey::None ||
            pressed.contains(t.element))
            return;
        pressed << t.element;
        connectPress(t.element);
    };
    for (const StateDesign& s : design.states)
        for (const Transition& t : s.transitions)
            connectOnce(t);
    for (const Transition& t : design.presses)
        connectOnce(t);
}

namespace {

QWidget* makePicture(const ElementDesign& e, QWidget* parent) {
    TurnableDrawing* drawing =
        e.kind == ElementKind::Drawing ? new TurnableDrawing(parent) : nullptr;
    Picture* p = drawing ? drawing : new Picture(parent);
    p->move(twipsToPixels(e.twips.x()), twipsToPixels(e.twips.y()));
    // Hidden before it has a picture: a hidden element reads it when shown.
    if (!e.shown)
        p->hide();
    if (drawing) {
        drawing->setProgramPicture(e.picture);
        Screen::nameElement(p, pictureText(e.picture));
    } else if (!e.picture.isNone()) {
        p->setProgramPicture(e.picture.fileName());
        Screen::nameElement(p, pictureText(e.picture));
    } else {
        p->resize(pixels(e.twips).size());
    }
    if (e.activation != Activation::None)
        p->setKind(kindOf(e.activation));
    return p;
}

QWidget* makeLabel(const ElementDesign& e, QWidget* parent) {
    auto* l = new Label(parent);
    l->setMarkedText(e.caption);
    l->setFont(minchoFont(e.points));
    l->setAlignment(e.align);
    l->setColours(e.colour, e.ground);
    if (e.activation != Activation::None)
        l->setKind(kindOf(e.activation));
    return l;
}

QWidget* makeFrame(const ElementDesign& e, QWidget* parent) {
    auto* f = new QGroupBox(e.caption, parent);
    f->setFont(minchoFont(e.points));
    // The style's own frame line is all but invisible on the cyan ground.
    f->setStyleSheet(
        QStringLiteral(
            "QGroupBox { border: 1px solid rgb(0, 0, 128); margin-top: %1px; color: %2; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 8px;"
            " padding: 0 3px; color: %2; }")
            .arg(qRound(e.points * 96.0 / 72.0 / 2.0) + 2)
            .arg(e.colour.name()));
    f->setFocusPolicy(Qt::NoFocus);
    return f;
}

QWidget* make(const ElementDesign& e, QWidget* parent) {
    switch (e.kind) {
    case ElementKind::Picture:
    case ElementKind::Drawing:
        return makePicture(e, parent);
    case ElementKind::Button:
        return new PictureButton(e.picture.fileName(), e.caption, parent);
    case ElementKind::Label:
        return makeLabel(e, parent);
    case ElementKind::Shape:
        return new Shape(e.colour, parent);
    case ElementKind::Frame:
        return makeFrame(e, parent);
    case ElementKind::Panel:
        return new TextPanel(e.panelGround, parent);
    }
    Q_UNREACHABLE();
}

} // namespace

void Screen::build(const ElementDesign& e) {
    QWidget* parent = e.parent.isEmpty() ? this : element(e.parent);
    Q_ASSERT_X(parent, "Screen::build", "a frame is declared before what lies in it");
    QWidget* made = make(e, parent);
    made->setObjectName(e.name);
    // A picture's place is set as it is made, its size by its picture.
    if (e.kind != ElementKind::Picture && e.kind != ElementKind::Drawing)
        made->setGeometry(pixels(e.twips));
    nameElement(made, e.spoken);
    // Shown once it has its size, which spares Qt working one out from the font.
    made->setVisible(e.shown);
    m_elements.insert(e.name, made);
}

void Screen::connectPress(const QString& name) {
    QWidget* w = element(name);
    Q_ASSERT_X(w, "Screen::connectPress", "a press of an element the screen lacks");
    auto press = [this, name] { pressed(name); };
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        connect(b, &QAbstractButton::clicked, this, press);
    else if (auto* l = qobject_cast<ClickableLabel*>(w))
        connect(l, &ClickableLabel::clicked, this, press);
}

std::optional<ContentFailure> Screen::formLoad() {
    for (const QString& name : m_design.panelsFilledAtLoad())
        if (auto failure = fill(qobject_cast<TextPanel*>(element(name))))
            return failure;
    return std::nullopt;
}

std::optional<ContentFailure> Screen::fill(TextPanel* panel) const {
    const QString& file = m_design.element(panel->objectName())->file;
    const QString reason = FillListFromFile(panel, m_context.baseFolder, file);
    if (reason.isEmpty())
        return std::nullopt;
    return ContentFailure{m_context.contentPath(file), reason};
}

void Screen::reportLater(const ContentFailure& failure) {
    QMetaObject::invokeMethod(
        this, [this, failure] { emit contentFailed(failure.path, failure.reason); },
        Qt::QueuedConnection);
}

QString Screen::pressFor(const Transition& t) const {
    return t.key == AnswerKey::None ? t.element : QString();
}

void Screen::pressed(const QString& name) {
    if (const Transition* t = m_design.pressIn(m_state, name))
        take(*t);
}

void Screen::take(const Transition& t) {
    switch (t.to.kind) {
    case Destination::Kind::State:
        enterState(t.to.state);
        break;
    case Destination::Kind::Screen:
        emit switchRequested(t.to.screen);
        break;
    case Destination::Kind::End:
        emit closeRequested();
        break;
    case Destination::Kind::Decided:
        break; // the class's own handler decides
    }
}

bool Screen::followKeys(const QString& keys) {
    int to = -1;
    for (const Transition& t : m_design.states[std::size_t(m_state)].transitions) {
        if (t.element != keys || t.key == AnswerKey::None || t.to.states.size() != 1)
            continue;
        if (to >= 0 && to != t.to.states.front())
            return false;
        to = t.to.states.front();
    }
    return to >= 0 && enterState(to);
}

bool Screen::enterState(int state) {
    Q_ASSERT(state >= 0 && state < int(m_design.states.size()));
    const StateDesign& s = m_design.states[std::size_t(state)];
    QList<QWidget*> coming, gone;
    for (const QString& n : m_design.stagedElements()) {
        QWidget* w = element(n);
        const bool shown = m_design.shownIn(state, n);
        if (shown && w->isHidden())
            coming << w;
        else if (!shown && !w->isHidden())
            gone << w;
    }
    // What the state takes away before its texts are read goes first; the
    // rest goes once what appears is shown, so that a focus leaving a hidden
    // element moves on to it.
    for (const QString& n : s.hideFirst)
        element(n)->hide();
    for (const QString& n : s.fill)
        if (auto failure = fill(qobject_cast<TextPanel*>(element(n)))) {
            // The screen is closing: the rest of the state is not shown.
            reportLater(*failure);
            return false;
        }
    m_state = state;
    for (QWidget* w : coming)
        w->show();
    for (QWidget* w : gone)
        w->hide();
    if (!s.focus.isEmpty())
        giveKeyboardFocus(element(s.focus));
    return true;
}

void Screen::closeEvent(QCloseEvent* e) {
    // The close box of the one open window ends the program.
    e->ignore();
    emit closeRequested();
}

void Screen::nameElement(QWidget* w, const AccessibleText& text) {
    // An element the declaration does not name keeps what it has (a label its caption).
    if (!text.name.isEmpty())
        w->setAccessibleName(text.name);
    if (!text.description.isEmpty())
        w->setAccessibleDescription(text.description);
}

void Screen::showInstead(std::initializer_list<QWidget*> gone,
                         std::initializer_list<QWidget*> shown) {
    for (QWidget* w : shown)
        w->show();
    for (QWidget* w : gone)
        w->hide();
}

void Screen::giveKeyboardFocus(QWidget* w) {
    if (ClickableLabel::keyboardInUse())
        w->setFocus(Qt::TabFocusReason);
}
