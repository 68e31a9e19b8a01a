#pragma once

#include <QStringList>

namespace verdeval {

// How a monthly series read from the climate database is shown: when the January text is not
// empty, all twelve texts are converted to numbers, January first, and each is rewritten in
// fixed notation with one decimal (18 -> "18.0", 7.26 -> "7.3"). When January is empty the
// texts stay as read. A month that is empty or not a number raises the standard conversion
// error, and the texts are then left exactly as read. A list of other than twelve texts is
// treated as twelve, missing months being empty.
void applySeriesRule(QStringList &texts);

} // namespace verdeval
