// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace ombrix {

// A UTF-8 text as a JSON string, quotes included.
inline std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// Named fields, each value JSON text already, as a JSON object.
inline std::string JsonObject(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
    std::string object;
    for (const auto& [name, value] : fields) object += (object.empty() ? "{" : ",") + JsonString(name) + ":" + value;
    return object.empty() ? "{}" : object + "}";
}

}  // namespace ombrix
