#pragma once

// Shares the rows of a picture among the machine's cores where the platform
// has threads; elsewhere (the browser build) one worker draws them all. Each
// platform's file says how.

#include <functional>

namespace render {

// Calls work(first, step) once per worker: that worker draws the rows first,
// first + step, first + 2 step, ... . Returns when every worker is done.
void splitRows(const std::function<void(int first, int step)>& work);

} // namespace render
