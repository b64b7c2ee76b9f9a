#pragma once
#include <string>
#include <string_view>

// Joins a folder and a tail with "/", unless the folder has at most one character or one of
// its last two characters is a colon (a bare drive "C:" or a drive root "C:/" takes the
// tail as it is). Every path under the program folder is built with it.
std::string JoinPath(std::string_view folder, std::string_view tail);

// Texts of the string tables write relative paths with Windows separators (for example "doc\\ZODIKEON.PDF");
// this turns them into native ones.
std::string nativeSeparators(std::string_view path);
