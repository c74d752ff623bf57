#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

// Sets (or, with an empty value, removes) an environment variable for the
// life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name)) {
            m_old = old;
            m_hadOld = true;
        }
        if (value.empty())
            ::unsetenv(name);
        else
            ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        if (m_hadOld)
            ::setenv(m_name.c_str(), m_old.c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::string m_old;
    bool m_hadOld { false };
};

// Fixes the C library's time zone (TZ) for the life of the object.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        m_variable.emplace("TZ", zone);
        ::tzset();
    }
    ~ScopedTimeZone()
    {
        m_variable.reset(); // the old zone must be back before tzset()
        ::tzset();
    }

private:
    std::optional<ScopedEnvironment> m_variable;
};
