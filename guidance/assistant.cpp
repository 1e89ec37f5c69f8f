#include "guidance/assistant.h"

#include <initializer_list>

#include "core/common.h"
#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {
namespace {

// Text table lines joined by line breaks; 0 stands for an empty line.
std::string Lines(std::initializer_list<int> lines) {
  std::string text;
  bool first = true;
  for (const int line : lines) {
    if (!first) text += '\n';
    first = false;
    if (line != 0) text += TrimBlanks(TextLine(line));
  }
  return text;
}

// The informa records of a code, from column 3 to the standard width.
std::vector<std::string> InformaRecords(std::string_view code) {
  std::vector<std::string> lines;
  for (int line = 1; line <= Tabs().CountInforma; ++line) {
    const std::string_view record = Tabs().TabInforma[static_cast<std::size_t>(line)].view();
    if (Field(record, 1, 2) == code) lines.emplace_back(TrimBlanks(Field(record, 3, WidthStd - 2)));
  }
  return lines;
}

}  // namespace

std::array<std::string, kAssistantTexts + 1> AssistantTexts() {
  std::array<std::string, kAssistantTexts + 1> texts;
  texts[1] = Lines({498, 499});
  texts[2] = Lines({492});
  texts[3] = Lines({485, 486});
  texts[6] = Lines({494, 495, 496, 497});
  texts[8] = Lines({504, 505, 506, 507, 508});
  texts[9] = Lines({509, 510});
  texts[10] = texts[1];
  texts[11] = texts[2];
  texts[12] = Lines({484});
  texts[kIntroductionText] = Lines({457, 0, 458, 459, 460, 0, 461, 462, 463, 464, 465});
  return texts;
}

void ArrowTexts::Start() {
  step_ = 1;
  ticks_ = 0;
  textTop_ = kTextBoxHeight;
  arrowVisible_ = true;
}

bool ArrowTexts::Tick() {
  if (step_ < 1 || step_ > kArrowSteps) {
    step_ = 0;
    return false;
  }
  ++ticks_;
  if (ticks_ > 5) textTop_ -= kScrollStep;
  if (ticks_ % 3 == 0) arrowVisible_ = !arrowVisible_;
  if (textTop_ < 0) {  // this text is through: its arrow stays, the next text starts below
    arrowVisible_ = true;
    ticks_ = 0;
    textTop_ = kTextBoxHeight;
    ++step_;
  }
  return true;
}

int ScrollIntroduction(int top, int textHeight) {
  top -= kScrollStep;
  return top <= -textHeight ? kTextBoxHeight : top;
}

bool Flight::Tick() {
  x += dx;
  y += dy;
  return ++ticks >= kFlightTicks;
}

std::vector<AssistantButton> ButtonsOfMode(int mode) {
  using B = AssistantButton;
  switch (mode) {
    case 2: return {B::BasicGrade, B::LeaveStudies, B::Diversification};
    case 3: return {B::MiddleGrade, B::Itineraries, B::Catalogue};
    case 4: return {B::Questionnaires, B::Professions};
    case 6: return {B::HigherToDegrees, B::MiddleToHigher};
    case 7: return {B::HigherGrade, B::Degrees, B::CatalogueB, B::ItinerariesB};
    case 8: return {B::Advice, B::ProfessionsB};
    default: return {};
  }
}

std::vector<std::string> DiversificationLines() { return InformaRecords("34"); }

std::vector<std::string> HigherToDegreeLines() {
  std::vector<std::string> lines;
  for (int line = 711; line <= 715; ++line) lines.emplace_back(TrimBlanks(TextLine(line)));
  return lines;
}

std::vector<std::string> MiddleToHigherLines() {
  std::vector<std::string> lines;
  for (const int line : {480, 481, 482, 0, 483}) lines.emplace_back(line == 0 ? std::string_view() : TrimBlanks(TextLine(line)));
  for (std::string& record : InformaRecords("19")) lines.push_back(std::move(record));
  return lines;
}

}  // namespace velmora
