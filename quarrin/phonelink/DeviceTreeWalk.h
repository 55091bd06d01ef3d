// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/RegistryTree.h"
#include "quarrin_export.h"

#include <QString>

#include <array>
#include <functional>

namespace Quarrin {

constexpr int kErrorSuccess = 0;
constexpr int kErrorFileNotFound = 2;
constexpr int kErrorInvalidParameter = 87;
constexpr int kErrorNoMoreItems = 259;
constexpr int kErrorOldWinVersion = 1150;

// One port instance found by the walk: [0] the instance's key name with blanks as
// "_", [1] the port name ("COM5"), [2] the display name, [3] empty, [4] the
// hardware identifier (empty when absent).
using PortRecord = std::array<QString, 5>;

// Returns false to stop the walk.
using PortRecordCallback = std::function<bool(const PortRecord&)>;

// Walks bus\device\instance below `root` and hands over every instance of the
// Ports or Modem class whose port name begins with "COM". The display name is
// the friendly name when both FRIENDLYNAME and HardWareID are present, else the
// port name. Returns kErrorSuccess, or the error that ended the walk.
QUARRIN_EXPORT int WalkDeviceTree(const RegistryTree& tree, const QString& root,
                                  const PortRecordCallback& callback);

} // namespace Quarrin
