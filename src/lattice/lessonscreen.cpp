#include "lessonscreen.h"

#include "picture.h"
#include "picturecatalog.h"

LessonScreen::LessonScreen(cell::Structure s, Lesson lesson)
    : Screen(lessonScreen(s, lesson)), m_structure(s) {}

Picture* LessonScreen::addTitlePlate(const QString& name) {
    const QPoint plate = titlePlaceTwips(*this);
    return addPicture(name, plate.x(), plate.y(), pictureName("plate", m_structure));
}
