#pragma once

#include "accessiblenames.h"
#include "screenid.h"

// What a screen reader says for an element named for its place on a screen
// rather than for its picture: text panels by their role (説明, 問題, 答え ...),
// the summary's cells. Empty where the table says nothing: a label is then
// named by its caption, a picture by its picture.
AccessibleText elementText(ScreenId screen, const QString& element);
