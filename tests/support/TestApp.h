#pragma once

#include "RecordingDialogs.h"
#include "app/VerdevalApp.h"
#include "location/calc/TDatosLocalidad.h"

#include <memory>

namespace verdeval::test {

// A fresh application with recorded dialogs, for one test.
struct TestApp {
    std::shared_ptr<RecordingDialogs::Log> dialogs = std::make_shared<RecordingDialogs::Log>();
    std::unique_ptr<VerdevalApp> app = std::make_unique<VerdevalApp>(std::make_unique<RecordingDialogs>(dialogs));

    VerdevalApp *operator->() const { return app.get(); }
    VerdevalApp &operator*() const { return *app; }
};

// The helpers that act on a screen check what they act on and return false (having recorded
// the failure) when they cannot; callers verify the result, so that a failed step stops its
// test: QVERIFY(click(screen, "BCalcular")).

// Clicks a button or clickable label of a screen by its name.
[[nodiscard]] bool click(Screen &screen, const QString &name);
// Types a text into a box or list of a screen by its name (a list's change event runs).
[[nodiscard]] bool type(Screen &screen, const QString &name, const QString &text);
// Picks an item of a list as a user does: opens the list and clicks the item. Fails the test
// when the list does not offer the item.
[[nodiscard]] bool pick(Screen &screen, const QString &name, const QString &item);
// The items a list offers.
QStringList items(Screen &screen, const QString &name);
// Takes the focus out of a box, as leaving it with the Tab key does.
[[nodiscard]] bool leave(Screen &screen, const QString &name);
// The texts of prefix1..prefixN joined by blanks, as the row reads on screen.
QString row(const Screen &screen, const QString &prefix, int count = 12);
// Sets prefix1..prefixN from the blank-separated values.
void fillRow(Screen &screen, const QString &prefix, const QString &values);
// Sets the seven fields of a place shown on the index from "name|deg|min|hem|degL|minL|alt".
void setPlace(TDatosLocalidad &loc, const QString &fields);
// The class names of the visible screens, in creation order.
QStringList visibleScreens(const VerdevalApp &app);

} // namespace verdeval::test
