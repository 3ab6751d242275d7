// SPDX-License-Identifier: MIT
// An exact fraction of two 64-bit whole numbers, always in lowest terms with a positive
// denominator, for chances and expected counts. Arithmetic that would not fit in 64 bits throws
// std::overflow_error instead of giving a wrong figure; a zero denominator throws
// std::domain_error.
#ifndef MUSTERWRIGHT_ODDS_FRACTION_H
#define MUSTERWRIGHT_ODDS_FRACTION_H

#include <cstdint>
#include <string>

class Fraction {
 public:
  // Zero.
  Fraction() = default;
  // `numerator` / `denominator`, reduced.
  Fraction(std::int64_t numerator, std::int64_t denominator = 1);  // NOLINT: whole numbers convert

  std::int64_t numerator() const { return numerator_; }
  std::int64_t denominator() const { return denominator_; }
  // The nearest double, for percentages and bars.
  double value() const;
  // "1/18", or "3" when the denominator is 1.
  std::string text() const;

  Fraction& operator+=(const Fraction& other);
  Fraction& operator*=(const Fraction& other);
  // Throws std::domain_error when `other` is zero.
  Fraction& operator/=(const Fraction& other);

  friend bool operator==(const Fraction&, const Fraction&) = default;

 private:
  std::int64_t numerator_ = 0;
  std::int64_t denominator_ = 1;
};

Fraction operator+(Fraction lhs, const Fraction& rhs);
Fraction operator*(Fraction lhs, const Fraction& rhs);
Fraction operator/(Fraction lhs, const Fraction& rhs);

#endif
