#pragma once
// A small JSON value for the tool's output: objects keep the order in which keys were set,
// so commands can build an object in parts (for example the personal data of a chart, then
// the computed positions) and print it once. Texts are UTF-8.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class Json {
public:
    using Member = std::pair<std::string, Json>;

    Json() = default;  // null
    Json(std::nullptr_t) {}
    Json(bool value) : m_value(value) {}
    Json(int value) : m_value(static_cast<std::int64_t>(value)) {}
    Json(unsigned value) : m_value(static_cast<std::int64_t>(value)) {}
    Json(std::int64_t value) : m_value(value) {}
    Json(double value) : m_value(value) {}
    Json(std::string utf8) : m_value(std::move(utf8)) {}
    Json(std::string_view utf8) : m_value(std::string(utf8)) {}
    Json(const char* utf8) : m_value(std::string(utf8)) {}

    static Json object();
    static Json array();

    bool isObject() const { return std::holds_alternative<Object>(m_value); }
    bool isArray() const { return std::holds_alternative<Array>(m_value); }

    // Object: sets `key`, replacing an earlier value in its place or appending it. Returns *this.
    Json& set(std::string_view key, Json value);
    // Object: the value of `key`, or nullptr.
    const Json* find(std::string_view key) const;
    // Array: appends a value. Returns *this.
    Json& push(Json value);

    // The text of the value; `indent` spaces per level, or one line when it is negative.
    // Numbers that are not finite are written as null; invalid UTF-8 becomes U+FFFD.
    std::string dump(int indent = 2) const;

private:
    using Object = std::vector<Member>;
    using Array = std::vector<Json>;
    void write(std::string& out, int indent, int level) const;

    std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> m_value;
};

// A JSON string literal (with quotes) of UTF-8 text.
std::string jsonQuote(std::string_view utf8);
