// SPDX-License-Identifier: MIT
// Reads a player's word for one of the four choices, the same way in every front end: the
// command line's options, the page's links and the window's Recent list. Words match without
// regard to letter case, and the size list also takes "Battalion" and "Regiment" for its own
// "Batallion" and "Regement"; what comes back is always the list's own spelling, which is what
// a force lists.
#ifndef MUSTERWRIGHT_GENERATOR_CHOICE_WORDS_H
#define MUSTERWRIGHT_GENERATOR_CHOICE_WORDS_H

#include <optional>
#include <span>
#include <string_view>

enum class ChoiceList { faction, size, weight, experience };

// The words of `list` in list order, "Random" last (choice_lists.h).
std::span<const char* const> choiceWords(ChoiceList list);

// The word of `words` that `word` spells without regard to ASCII letter case (the match never
// depends on the locale); none when it spells none of them.
std::optional<std::string_view> matchWord(std::span<const char* const> words,
                                          std::string_view word);

// `word` as `list` spells it, an alias included; none for a word in no list, the empty one too.
std::optional<std::string_view> choiceWord(ChoiceList list, std::string_view word);

#endif
