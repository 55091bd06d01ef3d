// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QDialog;

// Keeps a dialog within the screen it opens on (a small screen, a large scale
// factor): where its content fits squeezed, it is squeezed; where it does not,
// everything but its last row, the buttons, scrolls. Called before the first
// show; `available` is the room the screen leaves, empty for the screen's own.
void FitToScreen(QDialog* dialog, QSize available = QSize());
