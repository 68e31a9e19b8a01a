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

// Checks (callers verify the result), on a fresh application, that the screen has the control `name` (count 0) or the
// controls name1..nameN, each of the given kind, and, when shown is 0 or 1, hidden or not.
[[nodiscard]] bool checkControls(const QString &screen, const QString &name, int count, const QString &kind, int shown = -1);

// Checks, on a fresh application, that the named control shows the text, or (name empty) that
// some label or button of the screen does.
[[nodiscard]] bool checkText(const QString &screen, const QString &name, const QString &text);

} // namespace verdeval::test
