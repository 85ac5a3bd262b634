#include "app/program.h"

#include "ui/main/calculator_keys.h"

namespace tallimo::app {

Program::Program(ui::CompanionFactory companions)
    : tape_(new QTextEdit),
      spool_(*tape_),
      calculator_(prompter_, spool_),
      editMenu_(spool_, clipboard_, prompter_),
      window_(calculator_, *tape_, std::move(companions)),
      entry_(calculator_, window_)
{
    prompter_.attach(&window_, [this] { window_.render(); });
    ui::wireCalculatorKeys(window_, calculator_);
    ui::wireEditMenu(window_, editMenu_);
}

void Program::start() { window_.start(); }

}  // namespace tallimo::app
