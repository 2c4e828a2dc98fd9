// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace ombrix {

// What the program hands to QApplication. Ombrix takes no command line, but Qt
// reads options such as -qwindowtitle, -reverse or -stylesheet FILE from the
// arguments it is given; so it is given the program's name alone. Qt's
// environment variables still apply.
class QtArguments {
public:
    QtArguments(int argc, char* argv[]) : values_{argc > 0 && argv[0] != nullptr ? argv[0] : name_, nullptr} {}
    // values_ may point into name_: a copy would point into the original.
    QtArguments(const QtArguments&) = delete;
    QtArguments& operator=(const QtArguments&) = delete;

    // QApplication keeps references to both for its whole life.
    int& count() { return count_; }
    char** values() { return values_.data(); }

private:
    char name_[7] = "ombrix";
    int count_ = 1;
    std::array<char*, 2> values_;
};

}  // namespace ombrix
