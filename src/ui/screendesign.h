#pragma once

// A screen's declaration: its elements, text panels, moves and stages, as
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

// One thing a press does. A press runs its steps in order; a move or the
// end of the program is its last step.
struct Step {
    enum class Kind {
        Show,
        Hide,
        Fill,   // reads the panels' texts; a text that cannot be shown ends the press
        Focus,  // the element takes the focus while the keyboard is in use
        Move,   // opens target
        End,    // ends the program
        Rewind, // the screen is back at stage `stage`
    };
    Kind kind;
    QStringList names;
    ScreenId target = ScreenId::Count;
    int stage = 0;
};

struct Press {
    QString element;
    std::vector<Step> steps;
};

struct ScreenDesign {
    ScreenId id = ScreenId::Count;
    QString formName; // "体心内部"
    QString caption;  // the window's title
    QSize clientTwips;
    std::vector<ElementDesign> elements; // in the order they are made, back to front
    // The screen's stages: stage k is reached from stage k-1 by a press of
    // stages[k-1].element, which then runs its steps. A screen opens at stage 0.
    std::vector<Press> stages;
    // Presses that do the same each time (moves, 再確認).
    std::vector<Press> presses;
    QStringList tabOrder; // the elements in the order Tab visits them
    QString firstFocus;

    const ElementDesign* element(const QString& name) const;
    // The panels filled as the screen opens: every panel that no stage fills.
    QStringList panelsFilledAtLoad() const;
    // Where a press of the element leads at once, if it moves: a target, or
    // none for the end of the program.
    std::optional<std::optional<ScreenId>> moveOf(const QString& element) const;
};

// The declaration of every screen: `ScreenDesign design(ScreenTag<ScreenId::Menu>)`
// and so on, each defined beside its screen's class.
#define MIROSUTA_DECLARE_DESIGN(name) ScreenDesign design(ScreenTag<ScreenId::name>);
MIROSUTA_SCREENS(MIROSUTA_DECLARE_DESIGN)
#undef MIROSUTA_DECLARE_DESIGN

// A screen's declaration, made on first use.
const ScreenDesign& screenDesign(ScreenId id);

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

template <class Tag> class Steps {
public:
    Steps(std::vector<Press>& presses, std::size_t index) : m_presses(presses), m_index(index) {}

    Steps& show(const Names<Tag>& names) { return add(Step::Kind::Show, names); }
    Steps& hide(const Names<Tag>& names) { return add(Step::Kind::Hide, names); }
    Steps& fill(const Names<Tag>& panels) { return add(Step::Kind::Fill, panels); }
    // The elements of the first list go, those of the second appear in their
    // place; shown first, so that a focus leaving a hidden element moves on
    // to them.
    Steps& instead(const Names<Tag>& gone, const Names<Tag>& shown) {
        return show(shown).hide(gone);
    }
    Steps& focus(NameOf<Tag> auto name) { return add(Step::Kind::Focus, Names<Tag>(name)); }
    Steps& to(ScreenId target) {
        press().steps.push_back({Step::Kind::Move, {}, target, 0});
        return *this;
    }
    Steps& endProgram() {
        press().steps.push_back({Step::Kind::End, {}, ScreenId::Count, 0});
        return *this;
    }
    Steps& rewind(int stage) {
        press().steps.push_back({Step::Kind::Rewind, {}, ScreenId::Count, stage});
        return *this;
    }

private:
    Steps& add(Step::Kind kind, const Names<Tag>& names) {
        press().steps.push_back({kind, names.list(), ScreenId::Count, 0});
        return *this;
    }
    Press& press() { return m_presses[m_index]; }
    // By index: the list may grow while the steps are being given.
    std::vector<Press>& m_presses;
    std::size_t m_index;
};

template <class Tag> class Design;

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
    // A press opens the target.
    Declared& to(ScreenId target) {
        m_design.pressOf(e().name).to(target);
        return *this;
    }
    Declared& endsProgram() {
        m_design.pressOf(e().name).endProgram();
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
    Design(ScreenId id, const QString& formName, const QString& caption, QSize clientTwips) {
        m_d.id = id;
        m_d.formName = formName;
        m_d.caption = caption;
        m_d.clientTwips = clientTwips;
    }

    QSize clientTwips() const { return m_d.clientTwips; }

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

    // The next stage, reached by a press of the element.
    Steps<Tag> stage(NameOf<Tag> auto press) {
        m_d.stages.push_back({press.text(), {}});
        return Steps<Tag>(m_d.stages, m_d.stages.size() - 1);
    }
    // What every press of the element does.
    Steps<Tag> press(NameOf<Tag> auto element) { return pressOf(element.text()); }

    void tabOrder(const Names<Tag>& order) { m_d.tabOrder = order.list(); }
    void firstFocus(NameOf<Tag> auto name) { m_d.firstFocus = name.text(); }

    ScreenDesign take() { return std::move(m_d); }

private:
    friend class Declared<Tag>;

    Declared<Tag> add(ElementDesign e) {
        m_d.elements.push_back(std::move(e));
        return Declared<Tag>(*this, m_d.elements.size() - 1);
    }
    Steps<Tag> pressOf(const QString& element) {
        for (std::size_t i = 0; i < m_d.presses.size(); ++i)
            if (m_d.presses[i].element == element)
                return Steps<Tag>(m_d.presses, i);
        m_d.presses.push_back({element, {}});
        return Steps<Tag>(m_d.presses, m_d.presses.size() - 1);
    }

    ScreenDesign m_d;
};
