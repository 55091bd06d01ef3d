// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuarrinHost.h"

#include <atomic>

QuarrinHost::~QuarrinHost() = default;

namespace {
// Read from the serial watcher thread as well as the UI thread.
std::atomic<QuarrinHost*> g_host{nullptr};
} // namespace

namespace Quarrin {

void RegisterHost(QuarrinHost* host)
{
    g_host.store(host);
}

QuarrinHost* Host()
{
    return g_host.load();
}

} // namespace Quarrin
