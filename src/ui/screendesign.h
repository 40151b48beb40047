#pragma once

// A screen's declaration: its elements, text panels, states and moves, as
// data without widgets. Each screen declares itself once, beside its class,
// with the typed builder Design<Tag>; the screen framework builds the window
// from it at each opening and runs its presses, and the navigation, panel and
// screen-reader tables, the content checker, the tests and the tours read the
// same declarations.

#include "accessiblenames.h"
#include "controlname.h"
#include "paneldesign.h"
#include "pictureid.h"
#include "screenid.h"
#include "twips.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <optional>
#include <typeinfo>
#include <vector>

// How an element that is not a push button takes a press: not at all, as a
// button or as a link (then also by Space and Enter, and so announced).
enum class Activation { None, Button, Link };

enum class ElementKind {
    Picture,
    Drawing, // a picture of a cell that the learner turns
    Button,
    Label,
    Shape,
    Frame,
    Panel,
};

// How a picture lies on a drawing: a marker on one of its atoms, which
// follows the atom as the drawing turns, or the piece of one of its atoms,
// drawn in by the drawing while the picture is shown.
enum class OnDrawing { None, Marker, Piece };

struct ElementDesign {
    ElementKind kind = ElementKind::Picture;
    QString name;   // control name and objectName: "Image3(4)"
    QString parent; // the frame it lies in; empty for the window
    // Twips. A picture takes the size of its picture unless one is given.
    QRect twips;
    PictureId picture; // Picture (none for one read from the content folder), Button's face
    QString caption;   // Label, Frame; Button: its spoken word
    double points = 0; // Label, Frame
    QColor colour;     // Label: text; Frame: caption; Shape: outline
    QColor ground;     // Label: invalid for none
    Qt::Alignment align = Qt::AlignCenter;
    PanelGround panelGround = PanelGround::Blue;
    QString file; // Panel: its text below the base folder
    bool shown = true;
    Activation activation = Activation::None;
    // What a screen reader says, over what its picture or caption says.
    AccessibleText spoken;
    OnDrawing onDrawing = OnDrawing::None;
    QString drawing; // the Drawing it lies on
    int atom = -1;   // its atom, an index of the cell model
};

// Where a press or a wait leads: another state of the screen, another
// screen, the end of the program, or one of several states that the screen's
// class decides on (a judged answer).
struct Destination {
    enum class Kind { State, Screen, End, Decided };
    Kind kind = Kind::State;
    int state = -1;                    // State
    ScreenId screen = ScreenId::Count; // Screen
    std::vector<int> states;           // Decided: the states it may be
    bool leaves() const { return kind == Kind::Screen || kind == Kind::End; }
    // Whether arriving in the state fits what is declared.
    bool allows(int arrived) const;
};

// A key of a judged answer that the screen's class names at the moment:
// the key of the right next digit, or of a wrong one.
enum class AnswerKey { None, Right, Wrong };

// A way out of a state: a press of an element, or a wait on a timer.
struct Transition {
    enum class Trigger { Press, Wait };
    Trigger trigger = Trigger::Press;
    QString element; // the element pressed (an array's name for an answer key), or the timer
    AnswerKey key = AnswerKey::None;
    double seconds = 0; // Wait: how long
    Destination to;
    bool leaves() const { return to.leaves(); }
};

// One state of a screen: what it shows and hides against the state it was
// declared from (the opening at the root), the panels it reads as it is
// entered, the element that then takes the keyboard's focus, and its ways out.
struct StateDesign {
    QString name;
    int base = -1; // the state it was declared from; -1 for the opening
    QStringList show, hide, fill;
    QStringList hideFirst; // hidden before the texts are read (the rest after)
    QString focus;
    std::vector<Transition> transitions;
};

struct ScreenDesign {
    ScreenId id = ScreenId::Count;
    QString formName; // "体心内部"
    QString caption;  // the window's title
    QSize clientTwips;
    std::vector<ElementDesign> elements; // in the order they are made, back to front
    // The screen's states; it opens in states[0], the opening, as its
    // elements are declared.
    std::vector<StateDesign> states;
    // Presses that do the same in every state (moves).
    std::vector<Transition> presses;
    QStringList timers;   // named timers of the screen's class, for its waits
    QStringList tabOrder; // the elements in the order Tab visits them
    QString firstFocus;
    // The digits a judged entry accepts, in the order they are entered; empty
    // on a screen that judges nothing.
    QList<int> answer;
    // The types of the control names this design takes: its tag and the tags
    // it derives from.
    std::vector<const std::type_info*> tags;

    const ElementDesign* element(const QString& name) const;
    int stateIndex(const QString& name) const; // -1 if there is none
    // The panels filled as the screen opens: every panel that no state fills.
    QStringList panelsFilledAtLoad() const;
    // Whether the element shows in the state, as the declaration has it.
    bool shownIn(int state, const QString& element) const;
    // The elements whose showing some state changes.
    QStringList stagedElements() const;
    // What a press of the element does in the state: the state's own way
    // out, or the screen's; null when it does nothing there.
    const Transition* pressIn(int state, const QString& element) const;
    // Where a press of the element leads in every state, if it moves: a
    // target, or none for the end of the program.
    std::optional<std::optional<ScreenId>> moveOf(const QString& element) const;
    // What is wrong with the declaration, one line each: a name that is not
    // declared, a fill that is no panel, a marker on what is no drawing, a
    // state that cannot be reached... Empty when it is sound.
    QStringList problems() const;
    // Whether names of the tag may be used on this screen.
    bool takes(const std::type_info& tag) const;
};

// The declaration of every screen: `ScreenDesign design(ScreenTag<ScreenId::Menu>)`
// and so on, each defined beside its screen's class.
#define MIROSUTA_DECLARE_DESIGN(name, tag) ScreenDesign design(ScreenTag<ScreenId::name>);
MIROSUTA_SCREENS(MIROSUTA_DECLARE_DESIGN)
#undef MIROSUTA_DECLARE_DESIGN

// A screen's declaration, made on first use.
const ScreenDesign& screenDesign(ScreenId id);
// What is wrong with the declarations of all screens (ScreenDesign::problems),
// and the moves that lead to no screen.
QStringList designProblems();

// Twips of a whole number of pixels.
constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// The screens' client areas: most are 768 x 480 pixels, some a pixel narrower.
inline constexpr QSize kFullClient(11520, 7200);
inline constexpr QSize kNarrowClient(11490, 7170);

// A word button's size in twips: its face's.
QSize buttonTwips(Word word);

// An explanation text below the base folder: explanation("メニュー", 1) is
// "\説明\メニュー\msg1.txt".
QString explanation(const char* folder, int number);

// ---------------------------------------------------------------------------
// The builder. Its methods take the names of one design only (NameOf).

template <class Tag> class Names {
public:
    Names() = default;
    template <class... N>
    requires(NameOf<N, Tag>&&...) Names(N... names) : m_list{names.text()...} {}

    Names& operator<<(NameOf<Tag> auto name) {
        m_list << name.text();
        return *this;
    }
    const QStringList& list() const { return m_list; }

private:
    QStringList m_list;
};

template <class Tag> class Design;

// A state of the design being built, for what it shows, hides and fills, and
// its ways out. States are declared from another state (at first the
// opening), whose showing they change.
template <class Tag> class State {
public:
    State(Design<Tag>& design, int index) : m_design(&design), m_index(index) {}
    int index() const { return m_index; }

    const State& show(const Names<Tag>& names) const {
        s().show << names.list();
        return *this;
    }
    const State& hide(const Names<Tag>& names) const {
        s().hide << names.list();
        return *this;
    }
    // Hidden before the state's texts are read, as a screen clears its place
    // for what comes.
    const State& hideFirst(const Names<Tag>& names) const {
        s().hideFirst << names.list();
        return hide(names);
    }
    // The elements of the first list go, those of the second appear in their place.
    const State& instead(const Names<Tag>& gone, const Names<Tag>& shown) const {
        return show(shown).hide(gone);
    }
    // Panels read as the state is entered, so that an edited text shows
    // without reopening; a text that cannot be shown keeps the state from
    // being entered.
    const State& fill(const Names<Tag>& panels) const {
        s().fill << panels.list();
        return *this;
    }
    // The element takes the focus as the state is entered, while the keyboard is in use.
    const State& focus(NameOf<Tag> auto name) const {
        s().focus = name.text();
        return *this;
    }

    // A press of the element leads to the state, or to another screen.
    const State& on(NameOf<Tag> auto element, const State& to) const {
        return add(element.text(), {Destination::Kind::State, to.m_index});
    }
    const State& on(NameOf<Tag> auto element, ScreenId to) const {
        return add(element.text(), {Destination::Kind::Screen, -1, to});
    }
    // The next state of a chain: declared from this one, reached by a press
    // of the element. Named by its place among the states ("1", "2", ...)
    // unless named here.
    State then(NameOf<Tag> auto element, const char* name = nullptr) const {
        State next = m_design->state(name, *this);
        on(element, next);
        return next;
    }
    // A key of the array, as the screen's class names it, leads to one of
    // the states; the class decides which.
    const State& onKey(NameOf<Tag> auto keys, AnswerKey key,
                       std::initializer_list<State> to) const {
        Transition t{Transition::Trigger::Press, keys.text(), key, 0, decided(to)};
        s().transitions.push_back(std::move(t));
        return *this;
    }
    // Once the timer has run for so long, one of the states; the class decides which.
    const State& after(NameOf<Tag> auto timer, double seconds,
                       std::initializer_list<State> to) const {
        Transition t{Transition::Trigger::Wait, timer.text(), AnswerKey::None, seconds,
                     decided(to)};
        s().transitions.push_back(std::move(t));
        return *this;
    }

private:
    StateDesign& s() const { return m_design->m_d.states[std::size_t(m_index)]; }
    const State& add(const QString& element, Destination to) const {
        s().transitions.push_back({Transition::Trigger::Press, element, AnswerKey::None, 0, to});
        return *this;
    }
    static Destination decided(std::initializer_list<State> to) {
        Destination d{Destination::Kind::Decided};
        for (const State& s : to)
            d.states.push_back(s.m_index);
        return d;
    }
    Design<Tag>* m_design;
    int m_index;
};

// One element just declared, for what sets it apart from its kind's defaults.
template <class Tag> class Declared {
public:
    Declared(Design<Tag>& design, std::size_t index) : m_design(design), m_index(index) {}

    Declared& hidden() {
        e().shown = false;
        return *this;
    }
    Declared& spoken(const char* name, const char* description = "") {
        e().spoken = {QString::fromUtf8(name), QString::fromUtf8(description)};
        return *this;
    }
    Declared& spoken(const QString& name, const QString& description) {
        e().spoken = {name, description};
        return *this;
    }
    Declared& spoken(const AccessibleText& text) {
        e().spoken = text;
        return *this;
    }
    Declared& in(NameOf<Tag> auto frame) {
        e().parent = frame.text();
        return *this;
    }
    // A marker on the drawing's atom, or the atom's piece in the drawing.
    Declared& markerOn(NameOf<Tag> auto drawing, int atom) {
        return on(OnDrawing::Marker, drawing, atom);
    }
    Declared& pieceOf(NameOf<Tag> auto drawing, int atom) {
        return on(OnDrawing::Piece, drawing, atom);
    }
    Declared& activation(Activation a) {
        e().activation = a;
        return *this;
    }
    // The size of a picture without a picture of the program's, or of a
    // button where the design makes it larger than its face.
    Declared& size(int widthTwips, int heightTwips) {
        e().twips.setSize(QSize(widthTwips, heightTwips));
        return *this;
    }
    // A press opens the target, in every state.
    Declared& to(ScreenId target) {
        m_design.m_d.presses.push_back({Transition::Trigger::Press,
                                        e().name,
                                        AnswerKey::None,
                                        0,
                                        {Destination::Kind::Screen, -1, target}});
        return *this;
    }
    Declared& endsProgram() {
        m_design.m_d.presses.push_back(
            {Transition::Trigger::Press, e().name, AnswerKey::None, 0, {Destination::Kind::End}});
        return *this;
    }

private:
    ElementDesign& e() { return m_design.m_d.elements[m_index]; }
    Declared& on(OnDrawing how, NameOf<Tag> auto drawing, int atom) {
        e().onDrawing = how;
        e().drawing = drawing.text();
        e().atom = atom;
        return *this;
    }
    Design<Tag>& m_design;
    std::size_t m_index;
};

template <class Tag> class Design {
public:
    // The screen's id comes from the tag of the declaration being defined:
    // `ScreenDesign design(ScreenTag<ScreenId::Menu> tag) { Design d(tag, ...); }`.
    template <ScreenId Id>
    Design(ScreenTag<Id>, const QString& formName, const QString& caption, QSize clientTwips) {
        m_d.id = Id;
        m_d.formName = formName;
        m_d.caption = caption;
        m_d.clientTwips = clientTwips;
        m_d.states.push_back({QStringLiteral("0")});
        addTags<Tag>();
    }

    QSize clientTwips() const { return m_d.clientTwips; }
    ScreenId id() const { return m_d.id; }

    // A picture with its top left corner at (left, top), in twips.
    Declared<Tag> picture(NameOf<Tag> auto name, int left, int top, PictureId picture) {
        return add({.kind = ElementKind::Picture,
                    .name = name.text(),
                    .twips = QRect(left, top, 0, 0),
                    .picture = picture});
    }
    // A picture of a cell that the learner turns (celldrawing.h), placed as
    // a picture; at rest it is the picture.
    Declared<Tag> drawing(NameOf<Tag> auto name, int left, int top, PictureId picture) {
        return add({.kind = ElementKind::Drawing,
                    .name = name.text(),
                    .twips = QRect(left, top, 0, 0),
                    .picture = picture});
    }
    // A word button with its top left corner at (left, top): its face's size.
    Declared<Tag> button(NameOf<Tag> auto name, Word word, int left, int top) {
        return button(name, pictures::face(word), wordText(word),
                      QRect(QPoint(left, top), buttonTwips(word)));
    }
    // A button with its own face, spoken by its word.
    Declared<Tag> button(NameOf<Tag> auto name, PictureId face, const QString& word, QRect twips) {
        return add({.kind = ElementKind::Button,
                    .name = name.text(),
                    .twips = twips,
                    .picture = face,
                    .caption = word});
    }
    Declared<Tag> label(NameOf<Tag> auto name, QRect twips, const QString& caption, double points,
                        const QColor& text, const QColor& ground = QColor(),
                        Qt::Alignment align = Qt::AlignCenter) {
        return add({.kind = ElementKind::Label,
                    .name = name.text(),
                    .twips = twips,
                    .caption = caption,
                    .points = points,
                    .colour = text,
                    .ground = ground,
                    .align = align});
    }
    Declared<Tag> shape(NameOf<Tag> auto name, QRect twips, const QColor& outline) {
        return add(
            {.kind = ElementKind::Shape, .name = name.text(), .twips = twips, .colour = outline});
    }
    Declared<Tag> frame(NameOf<Tag> auto name, QRect twips, const QString& caption, double points,
                        const QColor& captionColour) {
        return add({.kind = ElementKind::Frame,
                    .name = name.text(),
                    .twips = twips,
                    .caption = caption,
                    .points = points,
                    .colour = captionColour});
    }
    // A text panel filled from file (below the base folder).
    Declared<Tag> panel(NameOf<Tag> auto name, const QString& file, QRect twips,
                        PanelGround ground) {
        return add({.kind = ElementKind::Panel,
                    .name = name.text(),
                    .twips = twips,
                    .panelGround = ground,
                    .file = file});
    }
    // A timer of the screen's class, whose ticks end the waits of its states.
    void timer(NameOf<Tag> auto name) { m_d.timers << name.text(); }

    // A press of the element opens the target, in every state.
    void press(NameOf<Tag> auto element, ScreenId target) {
        m_d.presses.push_back({Transition::Trigger::Press,
                               element.text(),
                               AnswerKey::None,
                               0,
                               {Destination::Kind::Screen, -1, target}});
    }

    // The state the screen opens in: the elements as declared.
    State<Tag> opening() { return State<Tag>(*this, 0); }
    // A state declared from another (the opening unless given); named by its
    // place among the states ("1", "2", ...) unless named here.
    State<Tag> state(const char* name = nullptr) { return state(name, opening()); }
    State<Tag> state(const char* name, const State<Tag>& base) {
        const int index = int(m_d.states.size());
        m_d.states.push_back(
            {name ? QString::fromUtf8(name) : QString::number(index), base.index()});
        return State<Tag>(*this, index);
    }

    void tabOrder(const Names<Tag>& order) { m_d.tabOrder = order.list(); }
    void firstFocus(NameOf<Tag> auto name) { m_d.firstFocus = name.text(); }
    void answer(const QList<int>& digits) { m_d.answer = digits; }
    ScreenDesign take() { return std::move(m_d); }

private:
    friend class Declared<Tag>;
    friend class State<Tag>;

    template <class T> void addTags() {
        m_d.tags.push_back(&typeid(T));
        if constexpr (!std::is_void_v<typename T::Base>)
            addTags<typename T::Base>();
    }
    Declared<Tag> add(ElementDesign e) {
        m_d.elements.push_back(std::move(e));
        return Declared<Tag>(*this, m_d.elements.size() - 1);
    }

    ScreenDesign m_d;
};

template <ScreenId Id>
Design(ScreenTag<Id>, const QString&, const QString&, QSize) -> Design<TagOf<Id>>;
