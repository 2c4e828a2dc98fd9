// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace ombrix {

// Qt's own texts (a box's edit menu, a message box's buttons) in Chinese,
// whatever the system's locale: the window is always Chinese. Loads Qt's
// qtbase_zh_CN translation from Qt's translations folder; returns false, and
// changes nothing, where it is not installed.
bool InstallChineseQtTexts(QCoreApplication& application);

}  // namespace ombrix
