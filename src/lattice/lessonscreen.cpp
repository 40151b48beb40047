#include "lessonscreen.h"

#include "picture.h"
#include "picturecatalog.h"

LessonScreen::LessonScreen(cell::Structure s, Lesson lesson)
    : Screen(lessonScreen(s, lesson)), m_structure(s) {}

Picture* LessonScreen::addTitlePlate(ControlName name) {
    return addTitlePlate(name, titlePlaceTwips(*this).y());
}

Picture* LessonScreen::addTitlePlate(ControlName name, int topTwips) {
    return addPicture(name, titlePlaceTwips(*this).x(), topTwips,
                      pictureName("plate", m_structure));
}
