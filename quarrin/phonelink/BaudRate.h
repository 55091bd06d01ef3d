// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sets a line speed that has no Bnnn constant (e.g. 12345) through termios2.
// Kept apart because <asm/termbits.h> cannot be included with <termios.h>.
bool SetArbitraryBaudRate(int fd, unsigned int rate);
