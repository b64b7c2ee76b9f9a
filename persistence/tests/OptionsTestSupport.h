#pragma once
// A temporary program folder with options/ and data/, and the English string table.
#include <filesystem>
#include <string>

#include "Options.h"
#include "StringTable.h"
#include "TempDir.h"

struct ProgramFolderFixture {
    TempDir dir;
    StringTable strings;

    ProgramFolderFixture() {
        std::filesystem::create_directories(dir.file("options"));
        std::filesystem::create_directories(dir.file("data"));
        strings.load(LanguageEnglish);
    }
    const std::string& folder() const { return dir.path(); }
    std::string optionsPath(const std::string& name = "test.zdo") const { return dir.file("options/" + name); }
    std::string writeOptions(const std::string& name, const std::string& body) const {
        return dir.write("options/" + name, "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision K\r\n" + body);
    }
};
