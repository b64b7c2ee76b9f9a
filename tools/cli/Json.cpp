#include "Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Length of the valid UTF-8 sequence at `s[i]`, or 0 when it is not one.
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    std::size_t n = 0;
    char32_t cp = 0;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0)
        n = 2, cp = c & 0x1F;
    else if ((c & 0xF0) == 0xE0)
        n = 3, cp = c & 0x0F;
    else if ((c & 0xF8) == 0xF0)
        n = 4, cp = c & 0x07;
    else
        return 0;
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    static constexpr char32_t Smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < Smallest[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

void newline(std::string& out, int indent, int level) {
    if (indent < 0)
        return;
    out += '\n';
    out.append(static_cast<std::size_t>(indent * level), ' ');
}

}  // namespace

std::string jsonQuote(std::string_view s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            const std::size_t n = utf8Length(s, i);
            if (n == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(s, i, n);
                i += n;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                char u[8];
                std::snprintf(u, sizeof u, "\\u%04x", c);
                out += u;
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    return out + "\"";
}

Json Json::object() {
    Json j;
    j.m_value = Object{};
    return j;
}

Json Json::array() {
    Json j;
    j.m_value = Array{};
    return j;
}

Json& Json::set(std::string_view key, Json value) {
    Object& members = std::get<Object>(m_value);
    for (Member& m : members)
        if (m.first == key) {
            m.second = std::move(value);
            return *this;
        }
    members.emplace_back(std::string(key), std::move(value));
    return *this;
}

const Json* Json::find(std::string_view key) const {
    if (const Object* members = std::get_if<Object>(&m_value))
        for (const Member& m : *members)
            if (m.first == key)
                return &m.second;
    return nullptr;
}

Json& Json::push(Json value) {
    std::get<Array>(m_value).push_back(std::move(value));
    return *this;
}

std::string Json::dump(int indent) const {
    std::string out;
    write(out, indent, 0);
    return out;
}

void Json::write(std::string& out, int indent, int level) const {
    if (std::holds_alternative<std::nullptr_t>(m_value)) {
        out += "null";
    } else if (const bool* b = std::get_if<bool>(&m_value)) {
        out += *b ? "true" : "false";
    } else if (const std::int64_t* i = std::get_if<std::int64_t>(&m_value)) {
        out += std::to_string(*i);
    } else if (const double* d = std::get_if<double>(&m_value)) {
        if (!std::isfinite(*d)) {
            out += "null";
        } else {
            char buffer[32];
            // The shortest text that reads back as the same double; -0 is written as 0.
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, *d == 0.0 ? 0.0 : *d);
            out.append(buffer, r.ptr);
        }
    } else if (const std::string* s = std::get_if<std::string>(&m_value)) {
        out += jsonQuote(*s);
    } else if (const Array* a = std::get_if<Array>(&m_value)) {
        out += '[';
        for (std::size_t k = 0; k < a->size(); ++k) {
            if (k)
                out += ',';
            newline(out, indent, level + 1);
            (*a)[k].write(out, indent, level + 1);
        }
        if (!a->empty())
            newline(out, indent, level);
        out += ']';
    } else if (const Object* o = std::get_if<Object>(&m_value)) {
        out += '{';
        for (std::size_t k = 0; k < o->size(); ++k) {
            if (k)
                out += ',';
            newline(out, indent, level + 1);
            out += jsonQuote((*o)[k].first);
            out += indent < 0 ? ":" : ": ";
            (*o)[k].second.write(out, indent, level + 1);
        }
        if (!o->empty())
            newline(out, indent, level);
        out += '}';
    }
}
