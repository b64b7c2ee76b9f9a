#pragma once
// Sets TZ to an IANA zone for the life of the object and puts the old value back afterwards,
// so a test can ask the C library what the zone database says.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const std::string& zone) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        ::setenv("TZ", (":" + zone).c_str(), 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        if (m_old)
            ::setenv("TZ", m_old->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> m_old;
};
