#pragma once

#include "radiusscreen.h"

class Picture;

// What sets 面心半径 and 体心半径 apart; the rest of their design is shared.
struct RadiusLesson {
    ScreenId screen;
    const char* cutaway;    // Image3: the unit cell cut out of touching spheres
    const char* drawing;    // Image5: the cell drawn for the derivation
    const char* labelled;   // Image6: the same drawing with its points and lengths
    const char* derivation; // Image8: the derivation, as a picture of text
    bool closesLesson;      // third press closes the lesson in place
};

const RadiusLesson& radiusLesson(ScreenId screen);

// 面心半径 and 体心半径: the radius of one cell told in stages by 次に進む.
// The third press leaves 面心半径 for 体心半径; on 体心半径 it shows the
// closing text and takes 次に進む away, leaving メニュー as the only way on.
class RadiusStageScreen : public RadiusScreen {
    Q_OBJECT
public:
    explicit RadiusStageScreen(ScreenId screen);
    void formLoad() override;

    qint16 clickCount() const { return m_clickCount; }

private:
    void command1Click();

    const RadiusLesson& m_lesson;
    qint16 m_clickCount = 0; // ClickCount: presses of 次に進む since the load

    // Opening
    Picture* m_image2;
    Picture* m_image3;
    TextPanel* m_list1;
    // Stage 1
    TextPanel* m_list2;
    Picture* m_image4;
    Picture* m_image5;
    // Stage 2
    Picture* m_image6;
    Picture* m_image7;
    Picture* m_image8;
    // The close (体心半径 only)
    Picture* m_image9 = nullptr;
    TextPanel* m_list3 = nullptr;
};
