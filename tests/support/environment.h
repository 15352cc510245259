// Setting and clearing this process's environment variables, which its
// children inherit and the platform layer reads.
#pragma once

#include <cstdlib>
#include <string>

namespace zelvo::testing {

inline void SetVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
  ::_putenv_s(name.c_str(), value.c_str());
#else
  ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void UnsetVariable(const std::string& name) {
#ifdef _WIN32
  // An empty value removes the variable.
  ::_putenv_s(name.c_str(), "");
#else
  ::unsetenv(name.c_str());
#endif
}

}  // namespace zelvo::testing
