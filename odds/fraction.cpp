// SPDX-License-Identifier: MIT
#include "odds/fraction.h"

#include <numeric>
#include <stdexcept>

namespace {

void refuseOverflow(bool overflowed) {
  if (overflowed) throw std::overflow_error("a fraction outgrew 64 bits");
}

std::int64_t times(std::int64_t a, std::int64_t b) {
  std::int64_t result = 0;
  refuseOverflow(__builtin_mul_overflow(a, b, &result));
  return result;
}

std::int64_t plus(std::int64_t a, std::int64_t b) {
  std::int64_t result = 0;
  refuseOverflow(__builtin_add_overflow(a, b, &result));
  return result;
}

}  // namespace

Fraction::Fraction(std::int64_t numerator, std::int64_t denominator) {
  if (denominator == 0) throw std::domain_error("a fraction with denominator 0");
  if (denominator < 0) {
    numerator = times(numerator, -1);
    denominator = times(denominator, -1);
  }
  const std::int64_t divisor = std::gcd(numerator, denominator);
  numerator_ = numerator / divisor;
  denominator_ = denominator / divisor;
}

double Fraction::value() const {
  return static_cast<double>(numerator_) / static_cast<double>(denominator_);
}

std::string Fraction::text() const {
  const std::string whole = std::to_string(numerator_);
  return denominator_ == 1 ? whole : whole + "/" + std::to_string(denominator_);
}

Fraction& Fraction::operator+=(const Fraction& other) {
  const std::int64_t divisor = std::gcd(denominator_, other.denominator_);
  const std::int64_t mine = denominator_ / divisor;
  const std::int64_t theirs = other.denominator_ / divisor;
  *this = Fraction(plus(times(numerator_, theirs), times(other.numerator_, mine)),
                   times(mine, other.denominator_));
  return *this;
}

Fraction& Fraction::operator*=(const Fraction& other) {
  const std::int64_t first = std::gcd(numerator_, other.denominator_);
  const std::int64_t second = std::gcd(other.numerator_, denominator_);
  *this = Fraction(times(numerator_ / first, other.numerator_ / second),
                   times(denominator_ / second, other.denominator_ / first));
  return *this;
}

Fraction& Fraction::operator/=(const Fraction& other) {
  if (other.numerator_ == 0) throw std::domain_error("a fraction divided by 0");
  return *this *= Fraction(other.denominator_, other.numerator_);
}

Fraction operator+(Fraction lhs, const Fraction& rhs) {
  return lhs += rhs;
}

Fraction operator*(Fraction lhs, const Fraction& rhs) {
  return lhs *= rhs;
}

Fraction operator/(Fraction lhs, const Fraction& rhs) {
  return lhs /= rhs;
}
