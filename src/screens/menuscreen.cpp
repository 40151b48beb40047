#include "menuscreen.h"

#include "picturebutton.h"

MenuScreen::MenuScreen() : Screen(ScreenId::Menu) {
    addPicture("Image1", 750, 165, "title");
    addPicture("Image2", 765, 1605, "cutaway-bcc");
    addPicture("Image3", 4500, 1560, "cutaway-fcc");
    addPicture("Image4", 8415, 1620, "cutaway-hcp");
    struct Lesson {
        const char* picture;
        const char* word;
        int left, top;
    };
    const Lesson lessons[] = {
        {"btn-bcc", "体心立方", 585, 4725},  {"btn-fcc", "面心立方", 4335, 4725},
        {"btn-hcp", "六方最密", 8055, 4725}, {"btn-summary", "まとめ", 585, 5955},
        {"btn-drill", "ドリル", 4335, 5955}, {"btn-radius", "原子半径", 8055, 5955}};
    QList<QWidget*> order;
    int n = 1;
    for (const Lesson& l : lessons)
        order << addButton(QStringLiteral("Command%1").arg(n++), l.picture,
                           QString::fromUtf8(l.word), twips(l.left, l.top, 2835, 825));
    order << addButton("Command7", "btn-end", "終了", twips(9285, 345, 1605, 765));
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    setFirstFocus(order.first());
}
