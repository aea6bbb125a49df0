// vxview: the program's outside picture viewer for rotations and resized
// copies. It takes the classic viewer command lines, e.g.
//   vxview "F" /rotate_l /convert="F"
//   vxview "S" /resize=(W,H) /aspectratio /resample /convert="T"
// and ends with 0 when the target was written, 1 otherwise (the reason on
// standard error). Its settings ([Resize] ResampleFilter, [JPEG] Save
// Quality) are read from its own "vxview.ini".
#include "base/data_folder.h"
#include "browse/viewer_commands.h"
#include "platform/work_journal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    const ViewerCommand command = ParseViewerCommand(arguments);
    if (!command.ok()) {
        std::fprintf(stderr, "vxview: %s\n", qPrintable(command.error));
        return 2;
    }
    // The program's journal of running writes: its next start removes what
    // a killed write of ours leaves beside the picture.
    if (QFileInfo(DefaultDataFolder()).isDir())
        platform::SetJournalFolder(DefaultDataFolder());
    const ViewerResult result = RunViewerCommand(command, ViewerSettingsPath());
    if (!result.ok) {
        std::fprintf(stderr, "vxview: %s\n", qPrintable(result.message));
        return 1;
    }
    return 0;
}
