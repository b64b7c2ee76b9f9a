#include <gtest/gtest.h>

#include "JoinPath.h"

TEST(JoinPath, AddsASeparatorExceptAfterShortFoldersAndDrives) {
    struct Row {
        const char* folder;
        const char* tail;
        const char* expected;
    } rows[] = {
        {"/opt/zodikeon", "data", "/opt/zodikeon/data"},
        {"/", "data", "/data"},        // one character: no separator added
        {"", "data", "data"},
        {"C:", "data", "C:data"},      // a bare drive
        {"C:/", "data", "C:/data"},    // a drive root
        {"a:b", "c", "a:bc"},          // a colon among the last two characters
        {"ab:cd", "e", "ab:cd/e"},     // a colon further back
        {"/opt/z/", "data", "/opt/z//data"},  // the rule never looks at a trailing separator
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.folder);
        EXPECT_EQ(JoinPath(row.folder, row.tail), row.expected);
    }
}

TEST(JoinPath, NativeSeparatorsTurnsWindowsPaths) {
    EXPECT_EQ(nativeSeparators("doc\\ZODIKEON.PDF"), "doc/ZODIKEON.PDF");
}
