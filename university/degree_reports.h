// The printed reports of the degrees screen, built into PrintLines and BoldLines: a degree (where
// to study, requirements, profile), a university's degrees, the double degrees of a degree, the
// page of an other study, an artistic study and the masters page.
#pragma once

#include <string>
#include <vector>

#include "university/study_pages.h"
#include "university/where_to_study.h"

namespace velmora {

// The report heading of a degree: its name alone from 50 characters on, else "Grado: " + name.
std::string DegreeReportHeading(int degree);
void BuildDegreeReport(int degree);
// The rows of the university's grid as shown (name column and mark column).
void BuildUniversityReport(int university, const std::vector<GridLine>& rows);
void BuildDoublesReport(int degree);
void BuildOtherStudyReport(int study);
void BuildArtsReport(ArtsStudy study);

}  // namespace velmora
