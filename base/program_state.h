// The program's state, made once in main() and passed by reference to the
// main window, its controllers and the other long-lived windows. Tests make
// their own. Each part is an owned object with its own header:
//   settings  the settings records with their load, save and merge
//   paths     the data-folder paths
//   environment  what environment detection found (viewer, font, folders, colours)
//   start     how the program was started (demo, argument, audio mode)
//   session   the show: its state, play options, picture table and position
#pragma once

#include "base/data_paths.h"
#include "base/environment_info.h"
#include "base/settings_store.h"
#include "base/show_session.h"
#include "base/start_context.h"

struct ProgramState {
    SettingsStore settings;
    DataPaths paths;
    EnvironmentInfo environment;
    StartContext start;
    ShowSession session;
};
