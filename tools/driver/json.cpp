#include "tools/driver/json.h"

#include <cmath>
#include <cstdio>

#include "scene/files.h"
#include "tools/driver/number_text.h"

namespace driver {

Json& Json::operator[](const std::string& key) {
    auto& o = std::get<Object>(v_);
    for (auto& [k, v] : o)
        if (k == key) return v;
    o.emplace_back(key, Json());
    return o.back().second;
}

const Json* Json::find(const std::string& key) const {
    if (!std::holds_alternative<Object>(v_)) return nullptr;
    for (auto& [k, v] : std::get<Object>(v_))
        if (k == key) return &v;
    return nullptr;
}

static void writeString(std::string& out, const std::string& text) {
    // JSON is UTF-8: whatever a lesson or a user put into a text, the report stays readable.
    const std::string s = scene::validUtf8(text);
    out += '"';
    for (unsigned char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += char(c);  // UTF-8 passes through
                }
        }
    }
    out += '"';
}

void Json::write(std::string& out) const {
    if (std::holds_alternative<std::nullptr_t>(v_)) {
        out += "null";
    } else if (auto* b = std::get_if<bool>(&v_)) {
        out += *b ? "true" : "false";
    } else if (auto* d = std::get_if<double>(&v_)) {
        if (!std::isfinite(*d)) {
            out += "null";  // JSON has no infinities; the checks treat null as a fault
        } else {
            appendShortest(out, *d);
        }
    } else if (auto* s = std::get_if<std::string>(&v_)) {
        writeString(out, *s);
    } else if (auto* a = std::get_if<Array>(&v_)) {
        out += '[';
        for (size_t i = 0; i < a->size(); ++i) {
            if (i) out += ',';
            (*a)[i].write(out);
        }
        out += ']';
    } else {
        auto& o = std::get<Object>(v_);
        out += '{';
        for (size_t i = 0; i < o.size(); ++i) {
            if (i) out += ',';
            writeString(out, o[i].first);
            out += ':';
            o[i].second.write(out);
        }
        out += '}';
    }
}

std::string Json::dump() const {
    std::string out;
    write(out);
    return out;
}

}  // namespace driver
