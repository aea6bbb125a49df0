// The items of features this system does not have: opening, making, saving,
// copying, sorting and deleting shows and the show manager; search; mail and
// upload; voice recording; the default playlist, the volume and attached
// playlists; bookmarks; copying to CD; a screen choice of the folder show
// apart from its start commands. They keep their places and captions
// and are shown greyed, so that a user sees at a glance that they do nothing.
#pragma once

#include <QStringList>

class QWidget;

// The objectNames of those items.
const QStringList& AbsentFeatureItems();

// Disables every action of `window` named in AbsentFeatureItems and keeps it
// disabled whatever rule enables it later.
void KeepAbsentFeaturesDisabled(QWidget* window);
