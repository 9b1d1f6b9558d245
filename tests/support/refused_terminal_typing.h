// Makes this process, and every program it then starts, a place where the system refuses to put
// bytes into a terminal's input (the TIOCSTI request fails with the given error), as newer Linux
// kernels refuse it everywhere when /proc/sys/dev/tty/legacy_tiocsti is 0. Nothing else changes;
// the refusal cannot be undone.
#pragma once

namespace kanvo::testing {

// False when the system offers no way to refuse it (no seccomp filters).
bool refuse_terminal_typing(int error);

}  // namespace kanvo::testing
