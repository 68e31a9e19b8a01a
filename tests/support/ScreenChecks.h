#pragma once

#include <QString>

class QWidget;

namespace verdeval::test {

// What a named control is on its screen: "box" (editable text box), "cell" (lime value cell),
// "label" (any other text label), "link" (clickable label), "button", "combo" (drop-down
// list), "chart", "bar" (green or maroon header bar) or the Qt class name of anything else.
QString controlKind(const QWidget *control);

// Whether some label or button of the screen shows exactly this text; rich-text labels match
// by their text as written or as read on screen (without markup).
bool showsText(const QWidget *screen, const QString &text);

} // namespace verdeval::test
