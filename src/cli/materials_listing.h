#pragma once

// `velmora-cli materials`: the 43 materials in catalogue order.

#include <QByteArray>

namespace velmora::cli {

// Group and designation, tab-separated, a material a line.
QByteArray materialsAsText();
// An array of objects with index, designation and group.
QByteArray materialsAsJson();

} // namespace velmora::cli
