// The application object's names and rules, set once before any window.
#pragma once

// The application's name "Vistamo!". No display name is set: the platform
// (xcb) would append it to every window title (" — Vistamo!"), and each
// window's title is exactly its own caption. The program ends when the main
// window closes, not when the last window does.
void SetUpApplication();

// The hint hide pause: a tool tip stays up to `ms` milliseconds (10 000 in
// the program) unless its widget sets its own duration.
void InstallHintHidePause(int ms);
