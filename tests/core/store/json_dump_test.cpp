#include <gtest/gtest.h>

#include "core/store/json_dump.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;

namespace {

bool has(const std::string& json, const std::string& part) {
    return json.find(part) != std::string::npos;
}

}  // namespace

TEST(JsonDump, FieldNamesValuesAndEscapes) {
    TempDir dir;
    RecordingPrompter prompter;
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Центр \"Юг\"").u8(226, 2)}));
    write_bytes(dir / "speakers.dat",
                slot_file({brother_bytes(1, "Иван", "Петров", 1).u8(136, 0x05).u16(206, 1)}));
    write_bytes(dir / "xtend.dat",
                FixtureBytes(128).u16(0, 1).text(82, "звонить\\вечером").bytes());
    write_bytes(dir / "history.dat",
                concat({week_bytes(1410).u16(2, 1).u16(4, 3).u16(20, 1).u16(30, 1),
                        week_bytes(1411)}));  // no content: left out
    write_bytes(dir / "blackout.dat", unavailable_bytes(1, 1412).bytes());
    write_bytes(dir / "wishlist.dat", FixtureBytes(96).u8(0, 0x03).u8(32, 0x02).bytes());
    const Document doc({dir.path(), {2026, 12, 7}, {}}, prompter);
    const std::string json = dump_json(doc);
    EXPECT_TRUE(has(json, "\"week_number\": 1406"));
    EXPECT_TRUE(has(json, "\"window_base\": 884"));
    EXPECT_TRUE(has(json, "\"name\": \"Центр \\\"Юг\\\"\""));
    EXPECT_TRUE(has(json, "\"day_odd\": 2"));
    EXPECT_TRUE(has(json, "\"first_name\": \"Иван\""));
    EXPECT_TRUE(has(json, "\"talks\": [1, 3]"));
    EXPECT_TRUE(has(json, "\"note\": \"звонить\\\\вечером\""));
    EXPECT_TRUE(has(json, "\"week\": 1410"));
    EXPECT_FALSE(has(json, "\"week\": 1411"));
    EXPECT_TRUE(has(json, "\"out_speaker_id\": [0, 1, 0, 0, 0, 0]"));
    EXPECT_TRUE(has(json, "\"ua_week\": 1412"));
    EXPECT_TRUE(has(json, "\"wanted\": [1, 2]"));
    EXPECT_TRUE(has(json, "\"wanted_high\": [2]"));
    EXPECT_TRUE(has(json, "\"number_text\": \"S-31\""));
    EXPECT_TRUE(has(json, "\"title\": \"Погребальная Речь\""));
    EXPECT_TRUE(has(json, "\"topic_name\": \"Библия / Бог\""));
    // Balanced brackets: the writer closes what it opens.
    int depth = 0;
    bool in_string = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (in_string) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                in_string = false;
            }
            continue;
        }
        if (c == '"') in_string = true;
        if (c == '{' || c == '[') ++depth;
        if (c == '}' || c == ']') {
            ASSERT_GE(--depth, 0);
        }
    }
    EXPECT_EQ(depth, 0);
}
