// The command-line companion as a library: main() only hands its arguments
// here, and the tests call the same entry point with string streams.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vormante::cli {

inline constexpr int EXIT_OK = 0;
// The check found problems, a transfer did not complete, or an output could not be written.
inline constexpr int EXIT_PROBLEMS = 1;
// Wrong usage, or an input that cannot be read or is not a database image.
inline constexpr int EXIT_UNUSABLE = 2;

// args excludes the program name. Results go to out, messages to err.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vormante::cli
