// The slide show's program-wide state: whether a show plays, the play
// options in effect, the cursor state that browsing and the menus read.
// The play options (base/) and a folder's show pictures (browse/) come with it.
#pragma once

#include "base/play_options.h"
#include "base/settings_record.h"
#include "base/show_session.h"
#include "browse/folder_pictures.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// Seconds of a running show's speed step (`ShowIntervalStep` 0..59: step 0
// is one second, each step one more).
int32_t IntervalSecondsForIndex(int32_t index);

// Remembers a show started by the user as the automatic show: its source in
// `AutoShowPath` (cut to 200 characters) and the live play options in
// `AutoShowOptions`. Not for the automatic show itself, nor for a demo or
// command-line start, nor for a source that is no folder or show file.
void StoreLastShowRecord(TSettingsRecord& settings, const QString& source, bool automaticShow, bool demoOrArgument);

// The play order of a show's pictures: indexes into `paths` in showing
// order. 0 as listed, 1 random (from `seed`), 2 alphabetic by path (letter
// case ignored), 3 by date ascending, 4 by date descending (`dates` in days,
// one per path; equal dates keep the listed order).
QList<int> BuildPlayOrder(const QStringList& paths, const QList<double>& dates, int32_t playOrder, quint32 seed);

// Whether a play order sorts by date (3 and 4).
bool PlayOrderByDate(int32_t playOrder);
