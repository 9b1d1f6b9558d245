// The library's view of the process's end: the work that stops the window's thread is one step
// of the orderly end, run before the window system and the display are taken down.
#pragma once

#include "host/process/orderly_end.h"

namespace kanvo {

namespace process_end = kanvo::process;

}  // namespace kanvo
