// The play options in effect for a show, taken from the settings record, and
// the show state that follows from them.
#pragma once

#include "base/settings_record.h"
#include "base/show_session.h"

#include <cstdint>

// Seconds of an interval choice (`IntervalIndex`): 1, 2, 3, 5 or 10 (1 for
// anything else).
int32_t IntervalGroupSeconds(int index);

// The options in effect taken from the settings record, or from its stored
// automatic-show options.
TPlayOptions PlayOptionsFrom(const TSettingsRecord& settings, bool automaticShow);

// Sets the session's play options in effect from `settings` (or from its
// automatic-show options while the automatic show runs) and the show state
// that follows.
void ApplyShowOptions(ShowSession& session, const TSettingsRecord& settings);
