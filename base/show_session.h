// The show: its state, play options, picture table and position.
#pragma once

struct ShowSession {
};
