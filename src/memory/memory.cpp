#include "memory/memory.h"

#include "common/messages.h"
#include "common/numbers.h"

namespace tallimo {

Memory::Memory(Calculator& calculator, TextFiles& files, std::string startFolder, Prompter& totalPrompter,
               RecoveryCopy* recovery)
    : calculator_(calculator),
      cells_(calculator),
      window_(calculator, totalPrompter),
      total_(calculator, window_),
      files_(calculator, files, std::move(startFolder)),
      closing_(calculator, files_, recovery)
{
}

void Memory::pressMemory(MemoryKey key)
{
    calculator_.controls().disable(Control::cmdDeleteMemory);
    calculator_.setOutput(0, calculator_.inputText());
    switch (key) {
    case MemoryKey::MPlus: cells_.storePlus(); break;
    case MemoryKey::MMinus: cells_.storeMinus(); break;
    case MemoryKey::MRecall: cells_.recall(); break;
    case MemoryKey::MClear: cells_.clearAll(); break;
    case MemoryKey::TPlus: total_.increment(); break;
    case MemoryKey::TMinus: total_.decrement(); break;
    case MemoryKey::TRecall: total_.recall(); break;
    case MemoryKey::TClear: total_.reset(); break;
    }
}

void Memory::tellPassedOver()
{
    const std::vector<FileFailure>& passed = files_.passedOver();
    if (passed.empty()) return;
    std::string list;
    for (const FileFailure& file : passed) list += file.path + ": " + file.reason + "\n";
    list.pop_back();
    calculator_.prompter().ask(notice(MsgMemoryFilesPassedOver(list)));
}

}  // namespace tallimo
