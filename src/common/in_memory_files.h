#pragma once
// Files held in a map, for tests and fuzzing; a path can be told to fail, or to be
// something other than a plain file (a link, a folder, a pipe).

#include "common/messages.h"
#include "common/text_files.h"

#include <map>
#include <set>

namespace tallimo {

class InMemoryFiles : public TextFiles {
public:
    ReadResult read(const std::string& path, FileOrigin) override
    {
        if (const auto odd = notPlain.find(path); odd != notPlain.end())
            return ReadResult::failure(Unread::NotReadable, odd->second);
        const auto it = files.find(path);
        if (it == files.end()) return ReadResult::failure(Unread::Missing, MsgFileCannotBeOpened());
        if (unreadable.count(path)) return ReadResult::failure(Unread::NotReadable, MsgFileCannotBeRead());
        if (it->second.size() > kLargestTextFileBytes) return ReadResult::failure(Unread::TooLarge, MsgFileTooLarge());
        return {it->second, Unread::NotReadable, ""};
    }
    WriteResult write(const std::string& path, std::string_view text, FileOrigin) override
    {
        if (notPlain.count(path)) return WriteResult::failure(MsgNotAnOrdinaryFile());
        if (unwritable.count(path)) return WriteResult::failure(MsgTextNotAllWritten());
        files[path] = std::string(text);
        ++writes[path];
        return WriteResult::success();
    }
    bool exists(const std::string& path) override { return files.count(path) || notPlain.count(path); }

    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    std::set<std::string> unwritable;
    // Names borne by something other than a plain file, with the words a real disk
    // would give for it.
    std::map<std::string, std::string> notPlain;
    std::map<std::string, int> writes;
};

}  // namespace tallimo
