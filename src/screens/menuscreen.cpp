#include "menuscreen.h"

#include "controls.h"
#include "picturebutton.h"

using namespace controls::menu;

MenuScreen::MenuScreen() : Screen(ScreenId::Menu) {
    addPicture(Image1, 750, 165, "title");
    addPicture(Image2, 765, 1605, "cutaway-bcc");
    addPicture(Image3, 4500, 1560, "cutaway-fcc");
    addPicture(Image4, 8415, 1620, "cutaway-hcp");
    struct Lesson {
        ControlName name;
        const char* picture;
        const char* word;
        int left, top;
    };
    const Lesson lessons[] = {{Command1, "btn-bcc", "体心立方", 585, 4725},
                              {Command2, "btn-fcc", "面心立方", 4335, 4725},
                              {Command3, "btn-hcp", "六方最密", 8055, 4725},
                              {Command4, "btn-summary", "まとめ", 585, 5955},
                              {Command5, "btn-drill", "ドリル", 4335, 5955},
                              {Command6, "btn-radius", "原子半径", 8055, 5955}};
    QList<QWidget*> order;
    for (const Lesson& l : lessons)
        order << addButton(l.name, l.picture, QString::fromUtf8(l.word),
                           twips(l.left, l.top, 2835, 825));
    order << addButton(Command7, "btn-end", "終了", twips(9285, 345, 1605, 765));
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    setFirstFocus(order.first());
}
