#pragma once

#include "location/calc/TDatosLocalidad.h"

#include <functional>

namespace verdeval {

class ClimateDatabase;

// Loads a locality of the climate database into a location record, as the index does when
// the user chooses it: the locality statement, the eight series statements, then the metadata
// (minutes rounded to whole minutes, hemisphere "S") and the series, each rewritten with one
// decimal when its January is present.
//
// The record is a new place from the start: every field the load does not reach stays empty.
// A series whose January is present but another month is empty or not a number raises the
// conversion error; what was written before stays, that series holds its texts as read.
// `step` runs after each of the stages the waiting window shows (seven in all).
void loadLocality(const ClimateDatabase &db, const QString &province, const QString &locality, TDatosLocalidad &place,
                  const std::function<void()> &step = {});

} // namespace verdeval
