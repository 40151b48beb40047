#include "schoolfolder.h"

// Installed by copying (a zip, a folder, a page): the content lies beside the
// program.
QString SchoolContentFolder() {
    return {};
}
