// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "window/form1_view.h"

namespace ombrix {

// Form1 in a web page: the twelve controls are elements of the page's DOM,
// made from the layout table, and every event reaches the behaviour through
// the functions of page_exports.cpp. The page's own layer (page_library.js)
// does what a browser needs and a desktop toolkit does by itself: the modal
// report, the end of the program, the keys and the paste rule's plumbing.
class Form1Page final : public Form1View {
public:
    // Makes the window in the page and gives Text1 the focus.
    Form1Page();

    [[nodiscard]] std::string Text(Box box) const override;
    void SetText(Box box, std::string_view text) override;
    void SetResultNote(std::string_view note) override;
    // Through the page's live region.
    void AnnounceResult(std::string_view text) override;
    // A page cannot wait for the report to close: it shows it as a modal
    // dialog, which takes every input until 确定, and returns at once.
    void ShowErrorReport(const ErrorReport& report) override;
    // A page cannot end its program: it closes where the browser lets it, and
    // otherwise says that Ombrix has ended and takes no more input.
    void Exit() override;
};

}  // namespace ombrix
