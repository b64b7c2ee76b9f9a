#include "ProfileFile.h"
#include "AsciiCase.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}


// Names and values must stay on their line: a line break in them would forge other keys.
std::string oneLine(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return out;
}

std::string cut(std::string_view s, std::size_t bufferSize) {
    s = s.substr(0, s.find('\0'));
    if (bufferSize == 0)
        return {};
    return std::string(s.substr(0, bufferSize - 1));
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : m_path(std::move(path)) {
    const WholeFile file = readWholeFile(m_path, ProfileFileLimit);
    m_readStatus = file.status;
    if (!file.ok())
        return;
    m_existed = true;
    parse(file.bytes);
}

void ProfileFile::parse(std::string_view bytes) {
    m_lines.clear();
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view raw = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        Line line;
        line.text = std::string(raw);
        const std::string_view t = trim(raw);
        const std::size_t close = t.rfind(']');
        if (!t.empty() && t.front() == '[' && close != std::string_view::npos) {
            line.isSection = true;
            line.key = std::string(trim(t.substr(1, close - 1)));
        } else if (!t.empty()) {
            line.isKey = true;
            const std::size_t eq = t.find('=');
            line.hasValue = eq != std::string_view::npos;
            line.key = std::string(trim(t.substr(0, eq)));
            if (line.hasValue)
                line.value = std::string(trim(t.substr(eq + 1)));
        }
        m_lines.push_back(std::move(line));
    }
}

long ProfileFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].isSection && equalsIgnoringAsciiCase(m_lines[i].key, trim(section)))
            return static_cast<long>(i);
    return -1;
}

std::size_t ProfileFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < m_lines.size() && !m_lines[i].isSection)
        ++i;
    return i;
}

long ProfileFile::findKey(std::string_view section, std::string_view key) const {
    const long header = findSection(section);
    if (header < 0)
        return -1;
    const std::size_t end = sectionEnd(static_cast<std::size_t>(header));
    const std::string_view name = trim(key);
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < end; ++i) {
        const Line& l = m_lines[i];
        // A key line without "=" is a key; the empty name only matches a line that has "=".
        if (l.isKey && equalsIgnoringAsciiCase(l.key, name) && (l.hasValue || !name.empty()))
            return static_cast<long>(i);
    }
    return -1;
}

std::optional<std::string> ProfileFile::find(std::string_view section, std::string_view key) const {
    const long i = findKey(section, key);
    if (i < 0)
        return std::nullopt;
    std::string_view v = m_lines[static_cast<std::size_t>(i)].value;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string ProfileFile::getString(std::string_view section, std::string_view key, std::string_view def,
                                   std::size_t bufferSize) const {
    const auto value = find(section, key);
    return cut(value ? std::string_view(*value) : trim(def), bufferSize);
}

std::vector<std::string> ProfileFile::sectionNames() const {
    std::vector<std::string> names;
    for (const Line& l : m_lines)
        if (l.isSection)
            names.push_back(l.key);
    return names;
}

std::vector<std::string> ProfileFile::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const long header = findSection(section);
    if (header < 0)
        return names;
    const std::size_t end = sectionEnd(static_cast<std::size_t>(header));
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < end; ++i)
        if (m_lines[i].isKey)
            names.push_back(m_lines[i].key);
    return names;
}

void ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string k = oneLine(trim(key));
    const std::string v = oneLine(value);
    Line line;
    line.isKey = true;
    line.hasValue = true;
    line.key = k;
    line.value = std::string(trim(v));
    line.text = k + "=" + v;
    m_dirty = true;

    const long existing = findKey(section, key);
    if (existing >= 0) {
        // Keep the key's spelling as the file has it.
        Line& l = m_lines[static_cast<std::size_t>(existing)];
        line.key = l.key;
        line.text = l.key + "=" + v;
        l = std::move(line);
        return;
    }
    const long header = findSection(section);
    if (header >= 0) {
        std::size_t at = sectionEnd(static_cast<std::size_t>(header));
        // Insert after the section's last non-empty line, so blank lines stay before the next section.
        while (at > static_cast<std::size_t>(header) + 1 && trim(m_lines[at - 1].text).empty())
            --at;
        m_lines.insert(m_lines.begin() + static_cast<long>(at), std::move(line));
        return;
    }
    Line head;
    head.isSection = true;
    head.key = oneLine(trim(section));
    head.text = "[" + head.key + "]";
    m_lines.push_back(std::move(head));
    m_lines.push_back(std::move(line));
}

void ProfileFile::deleteKey(std::string_view section, std::string_view key) {
    const long i = findKey(section, key);
    if (i >= 0) {
        m_lines.erase(m_lines.begin() + i);
        m_dirty = true;
    }
}

void ProfileFile::deleteSection(std::string_view section) {
    const long header = findSection(section);
    if (header < 0)
        return;
    const std::size_t end = sectionEnd(static_cast<std::size_t>(header));
    m_lines.erase(m_lines.begin() + header, m_lines.begin() + static_cast<long>(end));
    m_dirty = true;
}

void ProfileFile::clear() {
    m_lines.clear();
    m_dirty = true;
}

std::string ProfileFile::serialize() const {
    std::string out;
    for (const Line& l : m_lines) {
        out += l.text;
        out += "\r\n";
    }
    return out;
}

bool ProfileFile::flush() {
    if (!m_dirty)
        return true;
    if (m_path.empty() || !writeFileAtomically(m_path, serialize()))
        return false;
    m_dirty = false;
    m_existed = true;
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        return false;
    bool ok = true;
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // mkstemp creates the file private; give it the permissions a new file would have.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat st {};
    const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~mask);
    ok = ok && ::fchmod(fd, mode) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(tmp.c_str());
    return ok;
}
