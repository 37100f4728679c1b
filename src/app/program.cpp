#include "app/program.h"

#include "bonus/form2.h"
#include "bonus/form3.h"
#include "bonus/form4.h"
#include "bonus/form5.h"
#include "bonus/form7.h"
#include "machine/form1.h"
#include "title/form6.h"

namespace quirvanto {

Program::Program(ui::Services& services)
    : ui::Application(services),
      form1_(std::make_unique<Form1>(*this)),
      form2_(std::make_unique<Form2>(*this)),
      form3_(std::make_unique<Form3>(*this)),
      form4_(std::make_unique<Form4>(*this)),
      form5_(std::make_unique<Form5>(*this)),
      form6_(std::make_unique<Form6>(*this)),
      form7_(std::make_unique<Form7>(*this)) {
    // The bonus windows belong to the machine: they stay in front of it and block its input.
    for (BonusWindow* bonus : bonusWindows()) {
        bonus->setOwner(form1_.get());
    }
}

std::array<BonusWindow*, kBonusGames.size()> Program::bonusWindows() {
    return {form2_.get(), form3_.get(), form4_.get(), form5_.get(), form7_.get()};
}

BonusWindow& Program::bonusWindow(BonusGame game) {
    return *bonusWindows().at(static_cast<std::size_t>(game));
}

Program::~Program() = default;

void Program::start() {
    form1_->show();
}

}  // namespace quirvanto
