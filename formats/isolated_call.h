// Runs a conversion in a child process, so that a third-party converter
// that misreads a damaged file (reads past a buffer, loops, or asks for
// gigabytes) costs a refused picture instead of the program.
#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

// Forks, runs work in the child and hands back the bytes it returned.
// Nothing (std::nullopt) when the child failed, crashed, returned nothing,
// or did not finish within timeoutMs. The child may map memoryLimitBytes
// beyond what the process maps already (not in sanitizer builds).
std::optional<QByteArray> RunIsolated(const std::function<QByteArray()>& work, int timeoutMs = 10000,
                                      qint64 memoryLimitBytes = 1536LL * 1024 * 1024);
