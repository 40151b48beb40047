#include "screenid.h"

#include <cstddef>

ScreenId lessonScreen(cell::Structure s, Lesson lesson) {
    using S = ScreenId;
    // By structure (cell::Structure's order), each chain in its order.
    static const ScreenId chains[][4] = {
        {S::BccIntro, S::BccInterior, S::BccAtoms, S::BccNeighbours},
        {S::FccIntro, S::FccInterior, S::FccAtoms, S::FccNeighbours},
        {S::HcpIntro, S::HcpInterior, S::HcpAtoms, S::HcpNeighbours},
    };
    return chains[std::size_t(s)][std::size_t(lesson)];
}
