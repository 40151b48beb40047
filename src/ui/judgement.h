#pragma once

#include "screencontext.h"

#include <optional>

class Picture;

// A judged answer told as the drill tells it: o.wav or x.wav plays, and the
// mark element gets maru.gif or batu.gif from the content folder and the
// mark's name for a screen reader; the screen's state shows it. Returns the
// failure when the mark cannot be read (the element is then as it was).
std::optional<ContentFailure> showJudgement(Picture* mark, bool right,
                                            const ScreenContext& context);

// A picture of the content folder into the element, or why it cannot be read.
std::optional<ContentFailure> loadInto(Picture* element, const QString& relative,
                                       const ScreenContext& context);
