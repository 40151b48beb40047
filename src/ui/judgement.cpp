#include "judgement.h"

#include "accessiblenames.h"
#include "contentpicture.h"
#include "drillfiles.h"
#include "picture.h"
#include "screen.h"

std::optional<ContentFailure> showJudgement(Picture* mark, bool right,
                                            const ScreenContext& context) {
    context.services.sound.play(context.contentPath(right ? kRightSound : kWrongSound));
    if (auto failure = loadInto(mark, right ? kRightMarkPicture : kWrongMarkPicture, context))
        return failure;
    Screen::nameElement(mark, drillMarkText(right));
    return std::nullopt;
}

std::optional<ContentFailure> loadInto(Picture* element, const QString& relative,
                                       const ScreenContext& context) {
    const QString path = context.contentPath(relative);
    QPixmap pixmap;
    const QString reason = loadContentPicture(path, &pixmap);
    if (!reason.isEmpty())
        return ContentFailure{path, reason};
    element->setPicture(pixmap);
    return std::nullopt;
}
