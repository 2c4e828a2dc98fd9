// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commands.h"

#include <QLineEdit>

#include "runtime/program_end.h"
#include "window/form1.h"

namespace ombrix {

void ClearRow(Form1& form, int k) {
    const QString clear = QString::fromLatin1(ClearText.data(), static_cast<qsizetype>(ClearText.size()));
    if (QLineEdit* box = form.InputBox(k)) box->setText(clear);
    form.Text4->setText(clear);
}

void ExitProgram() { EndProgram(); }

}  // namespace ombrix
