// The read-only rule of the data files, set by the start modes.
#pragma once

struct StartContext;

// Makes every data-file open read only while `start` runs on an argument
// (`ArgumentMode`, see SetFileMode). `start` must outlive the rule; a null
// pointer removes it.
void InstallReadOnlyRule(const StartContext* start);
