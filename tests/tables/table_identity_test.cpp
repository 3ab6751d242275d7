// SPDX-License-Identifier: MIT
// A table file's checksum, and the notice for a force drawn again from another file.
#include <gtest/gtest.h>

#include "support/file_bytes.h"
#include "tables/table_identity.h"

namespace {

TEST(TableChecksum, IsFnv1aOfTheBytes) {
  EXPECT_EQ(tableChecksum(""), "cbf29ce484222325");
  EXPECT_EQ(tableChecksum("a"), "af63dc4c8601ec8c");
  const std::string shipped = bytesOf(SHIPPED_TABLES);
  EXPECT_EQ(tableChecksum(shipped), "4d5debb0596305c0");
  EXPECT_NE(tableChecksum(shipped + "\r\n"), tableChecksum(shipped));
}

TEST(TableChangeNotice, NamesBothFilesOnlyWhenTheChecksumsDiffer) {
  EXPECT_EQ(tableChangeNotice({"Tables.dat", "4d5debb0596305c0"}, {"Mine.dat", "4d5debb0596305c0"}),
            "");
  EXPECT_EQ(
      tableChangeNotice({"Tables.dat", "4d5debb0596305c0"}, {"Tables.dat", "af63dc4c8601ec8c"}),
      "This force was drawn from Tables.dat (checksum 4d5debb0596305c0), and the table file in "
      "use is Tables.dat (checksum af63dc4c8601ec8c): the force may differ.");
}

}  // namespace
