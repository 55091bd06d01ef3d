// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prompter.h"

Prompter::~Prompter() = default;
