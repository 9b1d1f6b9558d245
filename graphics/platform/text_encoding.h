// The library's view of the platform's text encodings: the encoding the program chose for its
// texts and file names, and conversions between it, GBK (the window system's own) and Unicode.
#pragma once

#include "host/text/code_page.h"
#include "host/text/program_text.h"
