// SPDX-License-Identifier: GPL-3.0-or-later
// Ombrix's internal headers are not offered: this must not build.
#include <compute/binade_sum.h>
