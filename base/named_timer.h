// Timers of the windows are found by their component names.
#pragma once

class QObject;
class QTimer;

// A timer of `ms` milliseconds named `name` (its objectName), not started.
QTimer* MakeNamedTimer(QObject* parent, const char* name, int ms, bool singleShot = true);
