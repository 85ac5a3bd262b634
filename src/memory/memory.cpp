#include "memory/memory.h"

#include "common/numbers.h"

namespace tallimo {

Memory::Memory(Calculator& calculator, TextFiles& files, std::string startFolder)
    : calculator_(calculator),
      cells_(calculator),
      window_(calculator, calculator.prompter()),
      total_(calculator, window_),
      files_(calculator, files, std::move(startFolder)),
      closing_(calculator, files_)
{
}

void Memory::pressMemory(int index)
{
    if (index < 0 || index > 7) return;
    calculator_.controls().disable(Control::cmdDeleteMemory);
    calculator_.setOutput(0, calculator_.inputText());
    MainFields& fields = calculator_.fields();
    fields.strMemoryValue = normalised(calculator_.output(kCellCount));
    fields.strTotalOperand = normalised(calculator_.output(0));
    switch (index) {
    case 0: cells_.storePlus(); break;
    case 1: cells_.storeMinus(); break;
    case 2: cells_.recall(); break;
    case 3: cells_.clearAll(); break;
    case 4: total_.increment(); break;
    case 5: total_.decrement(); break;
    case 6: total_.recall(); break;
    case 7: total_.reset(); break;
    }
}

}  // namespace tallimo
