// SPDX-License-Identifier: MIT
#include "tables/table_index.h"

#include <algorithm>

#include "tables/table_layout.h"

namespace {

std::string withoutNul(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char ch : bytes)
    if (ch != '\0') text += ch;
  return text;
}

}  // namespace

TableIndex::TableIndex(std::string bytes, std::string fileName)
    : bytes_(std::move(bytes)), fileName_(std::move(fileName)) {
  std::size_t start = 0;
  for (;;) {
    starts_.push_back(start);
    const std::size_t feed = bytes_.find('\n', start);
    const std::size_t end = feed == std::string::npos ? bytes_.size() : feed;
    texts_.emplace_back(withoutNul(std::string_view(bytes_).substr(start, end - start)).c_str());
    if (feed == std::string::npos) break;
    start = feed + 1;
  }
  // Keys view the texts, which stay where they are: the index is never copied or changed.
  for (std::size_t line = 0; line < texts_.size(); ++line) {
    const apstring& text = texts_[line];
    if (readable(line))
      linesByText_[std::string_view(text.c_str(), static_cast<std::size_t>(text.length()))]
          .push_back(line);
  }
  for (std::size_t k = 0; k < kWeightHeadings.size(); ++k) {
    const auto found = linesByText_.find(kWeightHeadings[k]);
    if (found != linesByText_.end()) weightLines_[k] = &found->second;
  }
  const bool lastLineOpen = !bytes_.empty() && bytes_.back() != '\n';
  const long feeds = static_cast<long>(starts_.size()) - 1;
  lastLineNumber_ = lastLineOpen || feeds == 0 ? feeds + 1 : feeds;
}

std::size_t TableIndex::lineEnd(std::size_t line) const {
  return endsInLineFeed(line) ? starts_[line + 1] - 1 : bytes_.size();
}

std::string TableIndex::textFrom(std::size_t offset) const {
  const std::size_t line = lineAt(offset);
  if (offset == starts_[line]) return texts_[line].c_str();
  return withoutNul(std::string_view(bytes_).substr(offset, lineEnd(line) - offset));
}

std::size_t TableIndex::lineAt(std::size_t offset) const {
  return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) -
                                  starts_.begin()) -
         1;
}

std::size_t TableIndex::nextLineWith(std::size_t from, std::string_view text) const {
  const std::vector<std::size_t>* withText = nullptr;
  const auto weight = std::find(kWeightHeadings.begin(), kWeightHeadings.end(), text);
  if (weight != kWeightHeadings.end()) {
    withText = weightLines_[static_cast<std::size_t>(weight - kWeightHeadings.begin())];
  } else if (const auto found = linesByText_.find(text); found != linesByText_.end()) {
    withText = &found->second;
  }
  if (withText == nullptr) return npos;
  const std::vector<std::size_t>& lines = *withText;
  const auto next = std::lower_bound(lines.begin(), lines.end(), from);
  return next == lines.end() ? npos : *next;
}
