// Writes the centre files lu1-lu4 and the offer files datluggm, datluggs and datlugbas of the
// data folder from data/centres. Titles are named in the sources; their numbers come from the
// title files already written into the folder, so adding a title never shifts an offer.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "tools/offer_maker/offer_sources.h"
#include "tools/offer_maker/source_files.h"

namespace fs = std::filesystem;
using namespace velmora::tools;

namespace {

constexpr const char* kMaker = "velmora_offer_maker";
constexpr const char* kUsage = "usage: velmora_offer_maker --source DIR --titles DIR --out DIR\n";

struct Options {
  fs::path source, titles, out;
};

class Maker {
public:
  explicit Maker(Options options) : options_(std::move(options)) {}

  bool Run() {
    ReadCentres();
    CheckKeys();
    ReadTitles();
    ReadOffers();
    for (const SourceProblem& problem : problems_) std::cerr << "velmora_offer_maker: " << problem.Text() << "\n";
    return problems_.empty() && Write();
  }

private:
  void Problem(const std::string& file, int line, std::string message) {
    problems_.push_back({file, line, std::move(message)});
  }

  std::optional<CsvTable> ReadTable(const std::string& name, const std::vector<std::string>& columns) {
    return ReadSourceTable(options_.source / name, columns, problems_);
  }

  void ReadCentres() {
    centresLabel_ = (options_.source / "centres.csv").generic_string();
    const auto table = ReadTable("centres.csv", {"id", "file", "area", "town", "centre", "phone", "key"});
    if (!table) return;
    std::set<std::string> ids;
    for (const CsvRow& row : table->rows) {
      const auto& f = row.fields;
      Centre centre;
      centre.sourceLine = row.line;
      centre.id = f[0];
      centre.file = f[1].size() == 1 && f[1][0] >= '1' && f[1][0] <= '4' ? f[1][0] - '0' : 0;
      centre.area = f[2].size() == 1 ? f[2][0] : '\0';
      centre.town = f[3];
      centre.name = f[4];
      centre.phone = f[5];
      centre.key = f[6];
      if (centre.id.empty() || !ids.insert(centre.id).second) {
        Problem(centresLabel_, row.line, "the id is empty or used twice");
        continue;
      }
      std::string problem;
      auto line = LayOutCentre(centre, problem);
      if (!line) {
        Problem(centresLabel_, row.line, problem);
        rejected_.insert(centre.id);  // its offers are not reported again
        continue;
      }
      centres_.push_back(centre);
      lines_[static_cast<std::size_t>(centre.file - 1)].push_back(*line);
    }
    // Positions are taken once every centre has been read, so later rows cannot move them.
    std::array<std::vector<const Centre*>, kCentreFiles> perFile;
    for (const Centre& centre : centres_) {
      auto& file = perFile[static_cast<std::size_t>(centre.file - 1)];
      file.push_back(&centre);
      byId_[centre.id] = {centre.file, static_cast<int>(file.size())};
    }
    for (int file = 1; file <= kCentreFiles; ++file) {
      const auto& lines = perFile[static_cast<std::size_t>(file - 1)];
      if (lines.size() > static_cast<std::size_t>(kCentreCapacity))
        Problem(centresLabel_, lines[kCentreCapacity]->sourceLine, "lu" + std::to_string(file) + " would exceed 1100 lines");
      int line = 0;
      for (const std::string& problem : CheckFileOrder(file, lines, line)) Problem(centresLabel_, line, problem);
    }
  }

  // The keys must be ones a click on the comarca or zone map looks up, or the centre is never listed.
  void CheckKeys() {
    const auto comarcas = ReadFolderLines(options_.out / "comarcas");
    const auto zones = ReadFolderLines(options_.out / "comarcasm");
    if (!comarcas || !zones) {
      Problem((options_.out / "comarcas").generic_string(), 0, "missing: write the data folder's line files first");
      return;
    }
    const auto comarcaKeys = ReachableComarcaKeys(*comarcas);
    const auto zoneKeys = ReachableZoneKeys(*zones);
    const std::set<std::string> catalan(comarcaKeys.begin(), comarcaKeys.end());
    const std::set<std::string> madrid(zoneKeys.begin(), zoneKeys.end());
    for (const Centre& centre : centres_) {
      if (centre.key.empty()) continue;
      const auto& known = centre.file == 4 ? catalan : madrid;
      if (!known.count(centre.key))
        Problem(centresLabel_, centre.sourceLine, "key " + centre.key + " is not one the " +
                                                      (centre.file == 4 ? "comarca" : "zone") + " map looks up");
    }
  }

  void ReadTitles() {
    for (Grade grade : kGrades) {
      const fs::path path = options_.titles / std::string(TitleFileName(grade));
      const auto lines = ReadFolderLines(path);
      if (!lines) {
        Problem(path.generic_string(), 0, "missing: write the title files first");
        continue;
      }
      titles_[grade] = IndexTitles(grade, *lines);
    }
  }

  void ReadOffers() {
    const std::string label = (options_.source / "offers.csv").generic_string();
    const auto table = ReadTable("offers.csv", {"centre", "grade", "title"});
    if (!table) return;
    for (Grade grade : kGrades)
      for (int file = 0; file < kCentreFiles; ++file)
        offers_[grade][static_cast<std::size_t>(file)].resize(lines_[static_cast<std::size_t>(file)].size());
    for (const CsvRow& row : table->rows) {
      const auto& f = row.fields;
      const auto place = byId_.find(f[0]);
      const auto grade = GradeFromName(f[1]);
      if (rejected_.count(f[0])) continue;
      if (place == byId_.end()) {
        Problem(label, row.line, "unknown centre " + f[0]);
        continue;
      }
      if (!grade) {
        Problem(label, row.line, "the grade must be GM, GS or FPB");
        continue;
      }
      const auto& index = titles_[*grade];
      const auto title = index.find(f[2]);
      if (title == index.end()) {
        Problem(label, row.line, "no title \"" + velmora::Cp1252ToUtf8(f[2]) + "\" in " + std::string(TitleFileName(*grade)));
        continue;
      }
      auto& list = offers_[*grade][static_cast<std::size_t>(place->second.first - 1)]
                          [static_cast<std::size_t>(place->second.second - 1)];
      if (list.size() == static_cast<std::size_t>(kOfferTitles)) {
        Problem(label, row.line, "centre " + f[0] + " already offers 25 titles of this grade");
        continue;
      }
      list.push_back(title->second);
    }
  }

  bool Write() {
    fs::create_directories(options_.out);
    bool ok = true;
    for (int file = 1; file <= kCentreFiles; ++file) {
      std::string bytes;
      for (const std::string& line : lines_[static_cast<std::size_t>(file - 1)]) bytes += line + "\r\n";
      ok = WriteFile(options_.out / ("lu" + std::to_string(file)), bytes, kMaker) && ok;
    }
    for (Grade grade : kGrades)
      ok = WriteFile(options_.out / std::string(OfferFileName(grade)), EncodeOffers(offers_[grade]), kMaker) && ok;
    return ok;
  }

  Options options_;
  std::string centresLabel_;
  std::vector<SourceProblem> problems_;
  std::vector<Centre> centres_;
  std::array<std::vector<std::string>, kCentreFiles> lines_;
  std::map<std::string, std::pair<int, int>> byId_;  // id -> centre file, line
  std::set<std::string> rejected_;
  std::map<Grade, std::map<std::string, int>> titles_;
  std::map<Grade, OfferLists> offers_;
};

}  // namespace

int main(int argc, char** argv) {
  const auto flags = ParseMakerFlags(argc, argv, {"--source", "--titles", "--out"});
  if (!flags) {
    std::cerr << kUsage;
    return 2;
  }
  Options options;
  options.source = flags->at("--source");
  options.titles = flags->at("--titles");
  options.out = flags->at("--out");
  return Maker(options).Run() ? 0 : 1;
}
