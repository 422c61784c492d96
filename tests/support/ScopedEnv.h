#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets an environment variable, or removes it given null, while the object lives; then
// puts back what was there, so that the next test in the process finds it unchanged.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : _name(name) {
        if (const char* old = getenv(name)) {
            _old = old;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (_old) {
            setenv(_name.c_str(), _old->c_str(), 1);
        } else {
            unsetenv(_name.c_str());
        }
    }

private:
    std::string _name;
    std::optional<std::string> _old;
};
