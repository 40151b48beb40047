#include "rowsplit.h"

namespace render {

// No threads here (the browser build's Qt and runtime have none).
void splitRows(const std::function<void(int first, int step)>& work) {
    work(0, 1);
}

} // namespace render
