// What it takes to enter a degree: how demanding its cut-off marks are, its branch, the
// admission subjects that weigh for it and the other subjects of its branch, with the fixed
// explanations. The degrees screen shows the page, the catalogue takes its first part, and the
// degree report prints it.
#pragma once

#include <string>
#include <vector>

namespace velmora {

struct DemandFigures {
  int count = 0;       // marks above 11 tenths (the no-mark value 10 is left out)
  double average = 0;  // in tenths
  int over50 = 0;
  int over60 = 0;
  bool Demanding() const { return count > 0 && average >= 60; }
  bool NotDemanding() const { return count > 0 && average < 60; }
  bool MixedDemand() const { return NotDemanding() && over60 > 0 && static_cast<double>(over50) / count > 0.2; }
};
DemandFigures DemandOf(int degree);

// The page of a degree; the catalogue's part ends with the line on the weighting tables.
enum class RequirementPart { Whole, ForCatalogue };
std::vector<std::string> RequirementLines(int degree, RequirementPart part = RequirementPart::Whole);

// Writes the lines into TabArts from record after + 1; returns the number of the last one written.
int WriteRequirementLines(int degree, int after, RequirementPart part = RequirementPart::Whole);

}  // namespace velmora
