// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Long work runs inside a command handler on the window's thread; each pass of
// its wait calls this once, so the windows keep painting and clicks still reach
// the flags the work looks at. Nothing without an application object.
void PumpOneMessage();
