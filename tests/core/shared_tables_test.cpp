#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "core/common.h"

namespace velmora {
namespace {

// The tables are allocated as zeroed memory, not constructed: that is only right while every
// table, count and record starts at zero.
TEST(SharedTables, FreshTablesAreAllZeroBytes) {
  const auto fresh = std::make_unique<SharedTables>();
  const std::vector<unsigned char> zeros(sizeof(SharedTables));
  EXPECT_EQ(std::memcmp(fresh.get(), zeros.data(), sizeof(SharedTables)), 0);

  AllocateSharedTables();
  SharedTables& tables = Tabs();
  EXPECT_EQ(tables.CountTextos, 0);
  EXPECT_TRUE(tables.PrintLines[1500].empty());
  tables.TabFp[3] = "Cocina";
  EXPECT_EQ(tables.TabFp[3], "Cocina");
  ReleaseSharedTables();
  EXPECT_FALSE(SharedTablesAllocated());
  AllocateSharedTables();
  EXPECT_TRUE(Tabs().TabFp[3].empty());  // released tables come back empty
  ReleaseSharedTables();
}

}  // namespace
}  // namespace velmora
