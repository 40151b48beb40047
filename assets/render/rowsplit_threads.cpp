#include "rowsplit.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace render {

void splitRows(const std::function<void(int first, int step)>& work) {
    const int workers = int(std::max(1u, std::min(4u, std::thread::hardware_concurrency())));
    std::vector<std::thread> pool;
    for (int k = 1; k < workers; ++k)
        pool.emplace_back(work, k, workers);
    work(0, workers);
    for (std::thread& t : pool)
        t.join();
}

} // namespace render
