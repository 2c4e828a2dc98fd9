// SPDX-License-Identifier: GPL-3.0-or-later
// Must not compile: the compute and runtime libraries offer no Qt include path.
#include <QtCore/QString>
#include "compute/compute_command.h"

QString Area() { return QString::fromStdString(ombrix::RunComputeCommand("1", "1", "1")); }
