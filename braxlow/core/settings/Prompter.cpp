// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Prompter.h"

Prompter::~Prompter() = default;
