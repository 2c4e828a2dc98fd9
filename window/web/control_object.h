// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace ombrix {

// The control at place k of Form1's table as the page reads it, a JSON
// object: place, kind (its ControlKindName), tag (the page's element for
// it), name, caption, left, top, width, height (CSS pixels), accessibleName,
// accessibleDescription, labelledBy (the label that names a box) and
// maxLength (a box's). The site's files are
// written from these at build time, and the program checks the page's
// elements against them as it starts.
std::string ControlObject(std::size_t k);

}  // namespace ombrix
