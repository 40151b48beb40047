#include "latticeatomsscreen.h"

#include "controls.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"

#include <QGroupBox>
#include <vector>

using namespace controls::latticeAtoms;

namespace {

// The hint pictures in the frame (Image4, Image5, ...), by structure.
const std::vector<const char*>& hintsOf(cell::Structure s) {
    static const std::vector<const char*> hints[] = {
        {"hint-1", "hint-half", "hint-quarter", "hint-eighth"},
        {"hint-1", "hint-half", "hint-quarter", "hint-eighth"},
        {"hint-1", "hint-half", "hint-sixth"},
    };
    return hints[std::size_t(s)];
}

// Hint pictures (110 px wide) stand side by side, 26 px apart, below the caption.
// The hint pictures' names, in their order in the frame.
constexpr ControlName kHintNames[] = {
    controls::latticeAtoms::Image4, controls::latticeAtoms::Image5, controls::latticeAtoms::Image6,
    controls::latticeAtoms::Image7};
constexpr int kHintStep = 2040, kHintGap = 390, kHintTop = 420;

} // namespace

LatticeAtomsScreen::LatticeAtomsScreen(cell::Structure s) : LessonScreen(s, Lesson::Atoms) {
    const std::vector<const char*>& hints = hintsOf(s);
    addTitlePlate(Image1);
    addPicture(Image2, 240, 120, pictureName("cutaway", s));
    addPicture(Image3, 10350, 120, "face-b");
    m_list1 = addPanel(List1);
    m_list2 = addPanel(List2); // over the question's place, reaching further down

    const int hintCount = int(hints.size());
    QGroupBox* frame = addFrame(Frame1, twips(240, 3810, hintCount * kHintStep + kHintGap, 2310),
                                "ヒント", 14.25, QColor(255, 0, 0));
    for (int i = 0; i < hintCount; ++i)
        addPicture(kHintNames[i], kHintGap + i * kHintStep, kHintTop, hints[std::size_t(i)], true,
                   frame);

    m_command1 = addButton(Command1, "btn-run", "実行", bottomButton(*this, 0));
    m_command3 = addButton(Command3, "btn-next", "次に進む", m_command1->geometry(), false);
    auto* menu = addButton(Command2, "btn-menu", "メニュー", bottomButton(*this, 1));
    connect(m_command1, &QAbstractButton::clicked, this, &LatticeAtomsScreen::command1Click);
    setFocusOrder({menu, m_command1, m_list1, frame, m_list2, m_command3});
    setFirstFocus(menu);
}

void LatticeAtomsScreen::formLoad() {
    // The answer is read now, before it is asked for.
    fill({m_list1, m_list2});
}

void LatticeAtomsScreen::command1Click() {
    showInstead({m_list1, m_command1}, {m_list2, m_command3});
}
