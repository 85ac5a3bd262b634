#pragma once
// Files held in a map, for tests and fuzzing; a path can be told to fail.

#include "common/messages.h"
#include "common/text_files.h"

#include <map>
#include <set>

namespace tallimo {

class InMemoryFiles : public TextFiles {
public:
    ReadResult read(const std::string& path) override
    {
        const auto it = files.find(path);
        if (it == files.end() || unreadable.count(path)) return {std::nullopt, std::string(MsgFileCannotBeRead())};
        return {it->second, ""};
    }
    WriteResult write(const std::string& path, std::string_view text) override
    {
        if (unwritable.count(path)) return WriteResult::failure(MsgTextNotAllWritten());
        files[path] = std::string(text);
        return WriteResult::success();
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
