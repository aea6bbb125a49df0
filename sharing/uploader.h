// The picture uploader program of the user's choice.
#pragma once

#include <QString>

// True when an uploader program is configured and its file exists. Without
// `quiet` a missing or undefined uploader is explained in a message box.
bool CheckUploaderConnected(bool quiet, const QString& uploaderPath);
