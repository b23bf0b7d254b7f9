#pragma once

#include "documents/DocumentInput.h"
#include "documents/DocumentKind.h"

// The same rows a posting writes, with minimal hand-written SQL in one transaction and
// statements prepared once: the yardstick for the engine's overhead.
void baselinePost(const DocumentKind& kind, const DocumentInput& input);
