#pragma once
// The whole bytes of a file, as the kill tests read back what a killed writer left.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tallimo::testing {

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace tallimo::testing
