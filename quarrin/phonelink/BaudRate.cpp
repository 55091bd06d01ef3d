// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/BaudRate.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

bool SetArbitraryBaudRate(int fd, unsigned int rate)
{
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    tio.c_cflag &= ~CBAUD;
    tio.c_cflag |= BOTHER;
    tio.c_ispeed = rate;
    tio.c_ospeed = rate;
    return ioctl(fd, TCSETS2, &tio) == 0;
}
