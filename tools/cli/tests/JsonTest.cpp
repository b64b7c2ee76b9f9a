#include <gtest/gtest.h>

#include <cmath>

#include "Json.h"

TEST(Json, StringsAreEscapedAndKeptUtf8) {
    struct Row {
        const char* name;
        std::string text;
        const char* expected;
    } rows[] = {
        {"plain", "abc", "\"abc\""},
        {"quote and backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"line ends and tab", "a\r\nb\tc", "\"a\\r\\nb\\tc\""},
        {"other control characters", std::string("a\x01" "b\x1f", 4), "\"a\\u0001b\\u001f\""},
        {"accented letters", "Árvíz Tűrő", "\"Árvíz Tűrő\""},
        {"four-byte sequence", "\xF0\x9F\x8C\x99", "\"\xF0\x9F\x8C\x99\""},
        {"a stray Windows-1250 byte", "\xC1rv\xEDz", "\"\xEF\xBF\xBDrv\xEF\xBF\xBDz\""},
        {"cut sequence at the end", "ab\xC5", "\"ab\xEF\xBF\xBD\""},
        {"overlong encoding", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"surrogate", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Json(row.text).dump(), row.expected);
    }
}

TEST(Json, NumbersReadBackAsTheSameValue) {
    EXPECT_EQ(Json(0.1).dump(), "0.1");
    EXPECT_EQ(Json(-73.5).dump(), "-73.5");
    EXPECT_EQ(Json(-0.0).dump(), "0");
    EXPECT_EQ(Json(2451545.0).dump(), "2451545");
    EXPECT_EQ(Json(1e300).dump(), "1e+300");
    EXPECT_EQ(Json(std::nan("")).dump(), "null");
    EXPECT_EQ(Json(HUGE_VAL).dump(), "null");
    EXPECT_EQ(Json(-4999).dump(), "-4999");
    EXPECT_EQ(Json(true).dump(), "true");
    EXPECT_EQ(Json().dump(), "null");
}

TEST(Json, ObjectsKeepTheirOrderAndGrowInParts) {
    Json chart = Json::object().set("name", "X").set("moment", Json::object().set("sex", 0));
    chart.set("lifeEvents", Json::array().push(1).push("two"));
    chart.set("name", "Y");  // replaced in its place
    EXPECT_EQ(chart.dump(-1), R"({"name":"Y","moment":{"sex":0},"lifeEvents":[1,"two"]})");
    EXPECT_EQ(chart.dump(2), "{\n  \"name\": \"Y\",\n  \"moment\": {\n    \"sex\": 0\n  },\n  \"lifeEvents\": [\n"
                             "    1,\n    \"two\"\n  ]\n}");
    EXPECT_EQ(Json::object().dump(), "{}");
    EXPECT_EQ(Json::array().dump(), "[]");
    ASSERT_NE(chart.find("moment"), nullptr);
    EXPECT_TRUE(chart.find("moment")->isObject());
    EXPECT_EQ(chart.find("missing"), nullptr);
}
