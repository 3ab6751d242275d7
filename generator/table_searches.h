// SPDX-License-Identifier: MIT
// How one run reads its table file: the searches of tables/table_search.h and the line buffer
// they share, behind one face, so that a run may also read through another reading of the same
// searches (the tests hold the index's searches against a stream's). A reading belongs to one
// run and is never shared.
#ifndef MUSTERWRIGHT_GENERATOR_TABLE_SEARCHES_H
#define MUSTERWRIGHT_GENERATOR_TABLE_SEARCHES_H

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "foundation/apstring.h"
#include "generator/table_text.h"
#include "tables/table_search.h"

class TableSearches {
 public:
  virtual ~TableSearches() = default;

  // The searches of tables/table_search.h, with their results, buffer and failures.
  virtual std::size_t findFaction(const apstring& faction) = 0;
  virtual void findHeading(std::size_t start, const apstring& word, std::string_view section) = 0;
  virtual void pickEntry(int count, const apstring& word) = 0;
  [[nodiscard]] virtual std::vector<apstring> readEntries(const apstring& word) = 0;

  // The walk of the file's tables (tables/reachable_tables.h), or null when this reading
  // has none.
  virtual const ReachableTables* walk() const { return nullptr; }

  // The walked table that findHeading(start, word, section) and readEntries would find now,
  // or null when there is no walk or the buffer holds `word` (the search would then stop
  // before reading).
  const ReachedTable* reached(std::size_t start, const apstring& word,
                              std::string_view section) const;

  // The buffer every line read lands in: one blank at first, then the last line read.
  apstring line{" "};
};

// The reading of a TableText's index, which it keeps for as long as it lives.
class IndexSearches final : public TableSearches {
 public:
  explicit IndexSearches(const TableText& tables)
      : index_(tables.index), reachable_(tables.reachable), reader_{*index_, line} {}

  std::size_t findFaction(const apstring& faction) override;
  void findHeading(std::size_t start, const apstring& word, std::string_view section) override;
  void pickEntry(int count, const apstring& word) override;
  std::vector<apstring> readEntries(const apstring& word) override;
  const ReachableTables* walk() const override { return reachable_.get(); }

 private:
  std::shared_ptr<const TableIndex> index_;
  std::shared_ptr<const ReachableTables> reachable_;
  TableReader reader_;
};

#endif
