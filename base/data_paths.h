// The data-folder paths of this start.
#pragma once

struct DataPaths {
};
