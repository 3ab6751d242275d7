// SPDX-License-Identifier: MIT
// What the fuzz targets check on one input, kept apart from libFuzzer so that the normal test
// suite replays the seed corpus and every input that once failed. Each check returns "" when
// the program behaved, or what it did wrong; a crash or a sanitizer report is a failure too.
#ifndef MUSTERWRIGHT_TESTS_FUZZ_HARNESS_H
#define MUSTERWRIGHT_TESTS_FUZZ_HARNESS_H

#include <string>
#include <string_view>

// Bytes 0 to 3 pick the faction, size, weight and experience words from the window's lists
// (each byte modulo the list's length), bit 0 of byte 4 ticks vehicles, bit 1 asks for each
// design once and bit 2 (kOddsBit) for the odds as well, bytes 5 to 8 are the seed (least
// significant first); the rest is the table file, up to kCollectionMarker where it holds one,
// the collection file after it. Shorter inputs check nothing.
inline constexpr std::size_t kSelectionBytes = 9;
inline constexpr unsigned char kOddsBit = 4;
inline constexpr std::string_view kCollectionMarker = "\n@@collection@@\n";

// Opens the table part as the table file (a file in memory, named /proc/self/fd/N) and runs
// one Generate. Wrong: a failure other than a TableError, a
// TableError that does not open with the file's name, a failure on a file that the table
// checker passes, or a listing that is not four header lines and per group a separator and
// one "<design> P: <digit> G: <digit>" line per slot ("(open: no <weight> design left)" for an
// open slot); more copies of a design than the collection or each-design-once allow; a
// collection error that does not open with the file's name; or odds of the same choices on the same
// bytes that fail otherwise than by TableError or OddsError, that are given where the run
// failed, or that lack a design the run drew. The odds are worked out when the input's kOddsBit
// asks; generationAndOddsProblem works them out always.
std::string generationProblem(std::string_view input);
std::string generationAndOddsProblem(std::string_view input);

// Draws the input's force twice, reading the table part through its index and through the
// stream searches of support/stream_search.h. Wrong: the two differ in the listing, the
// faction's section or the TableError message.
std::string readingProblem(std::string_view input);

// Runs the table checker on the input as the bytes of "Tables.dat". Wrong: a message that is
// not "Tables.dat, line N: <text>" with N inside the file, or messages out of line order.
std::string tableCheckProblem(std::string_view input);

// Lays out the input as --fit-tables does. Wrong: a laid-out file that fails the checker, that
// lost, gained or changed a line holding a letter or digit (CR LF counted as LF), or that a
// second fit changes; or, with no file, problems that are neither the checker's on the input
// nor the one that says how far the faction tables must shrink.
std::string tableFitProblem(std::string_view input);

// Reads the input as CSV and as the design list "Designs.csv". Wrong: a CSV fault or a record
// placed on a line outside the input, records out of line order, records that read otherwise
// once written back with RFC 4180 quoting; a refusal of the list that does not open with the
// file's name, or tons or points kept out of their range.
std::string designListProblem(std::string_view input);

#endif
