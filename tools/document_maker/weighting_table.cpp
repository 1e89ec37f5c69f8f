#include "tools/document_maker/weighting_table.h"

#include <QRegularExpression>
#include <set>

namespace velmora::tools {

WeightingTable WeightingTable::From(const std::vector<QStringList>& rows, const QStringList& subjects, QStringList& problems) {
  static const QRegularExpression kDegrees("^g?[0-9]+$");
  const std::set<QString> known(subjects.begin(), subjects.end());
  WeightingTable table;
  int number = 0;
  for (const QStringList& row : rows) {
    const QString at = QString("weightings row %1: ").arg(++number);
    if (row.size() != 4 || row[0].isEmpty() || !kDegrees.match(row[1]).hasMatch()) {
      problems.append(at + "expected where,degrees,weight_0_2,weight_0_1");
      continue;
    }
    Weighting weighting;
    std::set<QString> named;
    for (const auto& [text, list] : {std::pair{row[2], &weighting.heavy}, std::pair{row[3], &weighting.light}}) {
      for (const QString& subject : text.split(';', Qt::SkipEmptyParts)) {
        if (!known.count(subject)) problems.append(at + "unknown subject \"" + subject + "\"");
        else if (!named.insert(subject).second) problems.append(at + "\"" + subject + "\" named twice");
        else list->append(subject);
      }
    }
    if (!table.rows_.emplace(std::pair{row[0], row[1]}, weighting).second) problems.append(at + "the same degrees again for " + row[0]);
  }
  return table;
}

std::optional<Weighting> WeightingTable::For(const QString& university, int community, const QString& degree, int group) const {
  const QString groupKey = "g" + QString::number(group);
  const QString communityKey = QString::number(community);
  for (const auto& key : {std::pair{university, degree}, std::pair{university, groupKey}, std::pair{communityKey, degree},
                          std::pair{communityKey, groupKey}}) {
    const auto found = rows_.find(key);
    if (found != rows_.end()) return found->second;
  }
  return std::nullopt;
}

}  // namespace velmora::tools
