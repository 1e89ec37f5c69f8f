// The program body after the preparation: refuses a second instance, shows the splash and
// creates the screens; the caller then runs the message loop.
#pragma once

#include <memory>
#include <optional>

class QWidget;

namespace velmora {

class TBienvenida;

struct ProgramBody {
  std::optional<int> exitCode;  // set when the program ends without a message loop
  std::unique_ptr<TBienvenida> splash;
  QWidget* mainForm = nullptr;
  ProgramBody();
  ProgramBody(ProgramBody&&) noexcept;
  ProgramBody& operator=(ProgramBody&&) noexcept;
  ~ProgramBody();
};

ProgramBody StartProgramBody();

}  // namespace velmora
