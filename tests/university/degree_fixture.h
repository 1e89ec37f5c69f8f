// Small degree tables written straight into the shared state: degrees, universities, offers,
// groups and local names, for the tests of the degree units.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/common.h"
#include "tests/support/fixture_folder.h"
#include "university/degree_tables.h"
#include "university/where_to_study.h"

namespace velmora::testing {

struct Offer {
  int university;
  int mark;
  int localName = 0;
};

class DegreeTablesTest : public ::testing::Test {
 protected:
  // Adds degree n+1 with its branch, group and itineraries; returns its index.
  int AddDegree(const std::string& name, int branch, int group, int itinerary1 = 0, int itinerary2 = 0) {
    SharedTables& t = Tabs();
    const int d = ++t.CountCarreran;
    t.TabCarreran[static_cast<std::size_t>(d)] = PadTo(name, 60);
    auto& record = t.Binary.TabDatgrados[static_cast<std::size_t>(d)];
    record[kBranch] = branch;
    record[kGroup] = group;
    record[kItinerary1] = itinerary1;
    record[kItinerary2] = itinerary2;
    record[kCode] = 100 + d;
    t.BranchOfDegree[static_cast<std::size_t>(d)] = branch;
    return d;
  }
  void SetOffers(int degree, const std::vector<Offer>& offers) {
    auto& b = Tabs().Binary;
    const std::size_t at = static_cast<std::size_t>(degree - 1) * kDegreeStringField;
    const auto put = [&](auto& record, auto value) {
      record[at] = static_cast<std::byte>(offers.size());
      for (std::size_t k = 0; k < offers.size(); ++k) record[at + 1 + k] = static_cast<std::byte>(value(offers[k]));
    };
    put(b.Datcarn[0], [](const Offer& o) { return o.university; });
    put(b.Datcarn[1], [](const Offer& o) { return o.mark; });
    put(b.Datcarnue[1], [](const Offer& o) { return o.localName; });
  }
  int AddUniversity(const std::string& name, int community) {
    SharedTables& t = Tabs();
    const int u = ++t.CountLugar;
    t.TabLugarName[static_cast<std::size_t>(u)] = PadTo(name, 35);
    t.Binary.PlaceCodes[static_cast<std::size_t>(u)] = community;
    return u;
  }
  void AddGroup(const std::string& name) { Tabs().TabCarreranb[static_cast<std::size_t>(++Tabs().CountCarreranb)] = name; }
  void AddLocalName(const std::string& name) {
    Tabs().TabCarrenue[static_cast<std::size_t>(Tabs().CountCarrenue++)] = PadTo(name, 60);
  }
  static std::string PadTo(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
  }
  void SetUp() override {
    for (int c = 1; c <= kRegions; ++c)
      Tabs().TabComunida[static_cast<std::size_t>(c)] = "01Community " + std::to_string(c);
  }
  CommonStateTest state;
};

}  // namespace velmora::testing
