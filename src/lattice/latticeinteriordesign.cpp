#include "latticeinteriordesign.h"

#include "picturecatalog.h"

using namespace controls::latticeInterior;

namespace {

template <ScreenId Id> ScreenDesign latticeInteriorDesign(ScreenTag<Id> tag) {
    constexpr cell::Structure s = structureOf(Id);
    const LessonStructure& l = lessonStructure(s);
    Design d(tag, lessonFormName(l, "内部"), lessonCaption(l, "内部"), l.interiorClient);
    const int n = cell::pieceCount(s);
    // The ball-and-stick drawing on the right, the empty cell on the left.
    const QPoint ballStick(6210, 0), emptyCell(810, 0);
    d.drawing(Image1, ballStick.x(), ballStick.y(), pictures::of(PictureKind::BallStick, s));
    d.drawing(Image2, emptyCell.x(), emptyCell.y(), pictures::of(PictureKind::EmptyCell, s));

    // Both drawings share one camera, so the model's atom centres and piece
    // boxes hold for either picture once offset by its place on the screen
    // (whole pixels). Made after the drawings (in front of them), pieces in
    // index order so that a nearer atom covers a farther one.
    const QSizeF marker = pictureSize(pictures::Marker);
    for (int i = 0; i < n; ++i) {
        const cell::Point2 c = cell::atomCentre(s, i);
        const int left = twipsToPixels(ballStick.x()) + qRound(c.x - marker.width() / 2);
        const int top = twipsToPixels(ballStick.y()) + qRound(c.y - marker.height() / 2);
        // Taken with Space or Enter as with a click; named after its atom.
        d.picture(Image3[i], pixelsToTwips(left), pixelsToTwips(top), pictures::Marker)
            .hidden()
            .activation(Activation::Button)
            .spoken(markerText(s, i))
            .markerOn(Image1, i);
    }
    for (int i = 0; i < n; ++i) {
        const cell::Rect2 r = cell::pieceRect(s, i);
        d.picture(Image4[i], pixelsToTwips(twipsToPixels(emptyCell.x()) + r.left),
                  pixelsToTwips(twipsToPixels(emptyCell.y()) + r.top), pictures::piece(s, i))
            .hidden()
            .pieceOf(Image2, i);
    }

    // Below the building text, lower than on the other lesson screens.
    d.picture(Image5, titlePlace(d.clientTwips()).x(), 6300, pictures::of(PictureKind::Plate, s));
    d.picture(Image6, 180, 4500, pictures::FaceA);
    // The building and closing texts lie in the opening text's place, from its left edge.
    d.panel(List1, explanation(l.folder, 4), QRect(1260, 4260, 6390, 1980), PanelGround::Blue)
        .spoken("説明");
    d.panel(List2, explanation(l.folder, 5), QRect(1260, 4260, 6000, 1980), PanelGround::Blue)
        .hidden()
        .spoken("やり方");
    d.panel(List3, explanation(l.folder, 6), QRect(1260, 4260, 6390, 1980), PanelGround::Blue)
        .hidden()
        .spoken("まとめ");

    // 次に進む stands where 実行 stood, 再確認 above that place.
    const QPoint run = addRunAndMenu(d, Command1, Command2);
    const int again = run.y() - buttonTwips(Word::Run).height() - pixelsToTwips(10);
    d.button(Command3, Word::Next, run.x(), run.y()).hidden().to(lessonScreen(s, Lesson::Atoms));
    d.button(Command4, Word::Again, run.x(), again).hidden();

    // 実行 shows the first marker; each marker's press puts its piece in and
    // shows the next marker, the last one the closing text.
    const State<Tag> building =
        d.opening().then(Command1).instead({Command1, List1}, {Image3[0], List2}).focus(Image3[0]);
    State<Tag> piece = building;
    for (int i = 0; i < n; ++i) {
        piece = piece.then(Image3[i]).instead(Image3[i], Image4[i]);
        if (i < n - 1)
            piece.show(Image3[i + 1]).focus(Image3[i + 1]);
        else
            piece.instead(List2, {List3, Command3, Command4}).focus(Command3);
    }
    // 再確認 empties the cell and starts the building again.
    piece.on(Command4, building);

    // The drawings left to right, the markers after the drawing they lie on.
    Names<Tag> order{Command1, Command3, Command4, Command2, List1, List2, List3, Image2, Image1};
    for (int i = 0; i < n; ++i)
        order << Image3[i];
    d.tabOrder(order);
    d.firstFocus(Command1);
    return d.take();
}

} // namespace

MIROSUTA_LESSON_DESIGNS(Interior, latticeInteriorDesign)
