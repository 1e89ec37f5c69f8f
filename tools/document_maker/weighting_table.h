// The weightings of the admission exam's specific phase, as each community's universities (or a
// university on its own) set them: which subjects weigh 0,2 and which 0,1 for a degree.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::tools {

struct Weighting {
  QStringList heavy;  // weigh 0,2
  QStringList light;  // weigh 0,1
};

class WeightingTable {
 public:
  // From the rows "where,degrees,weight_0_2,weight_0_1" (header left out): where is a community
  // number or a university key, degrees a degree code or "g" and a group number, the weights
  // subject names separated by ';'. Every fault is added to problems, naming the row.
  static WeightingTable From(const std::vector<QStringList>& rows, const QStringList& subjects, QStringList& problems);

  // The most specific row for the degree at that university: university and degree, university
  // and group, community and degree, community and group; none when no row covers it.
  std::optional<Weighting> For(const QString& university, int community, const QString& degree, int group) const;

 private:
  std::map<std::pair<QString, QString>, Weighting> rows_;  // (where, degrees)
};

}  // namespace velmora::tools
