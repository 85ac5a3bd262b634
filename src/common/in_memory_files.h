#pragma once
// Files held in a map, for tests and fuzzing; a path can be told to fail.

#include "common/text_files.h"

#include <map>
#include <set>

namespace tallimo {

class InMemoryFiles : public TextFiles {
public:
    ReadResult read(const std::string& path) override
    {
        const auto it = files.find(path);
        if (it == files.end() || unreadable.count(path)) return {std::nullopt, "The file cannot be read."};
        return {it->second, ""};
    }
    std::string write(const std::string& path, std::string_view text) override
    {
        if (unwritable.count(path)) return "The disk is full.";
        files[path] = std::string(text);
        return "";
    }
    std::optional<std::uintmax_t> size(const std::string& path) override
    {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.size();
    }

    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    std::set<std::string> unwritable;
};

}  // namespace tallimo
