// Arrays with fixed inclusive bounds, as the program state declares them (for example 1 to 150).
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

template <typename T, int Lo, int Hi>
class FixedArray {
  static_assert(Lo <= Hi);

 public:
  static constexpr int lower = Lo;
  static constexpr int upper = Hi;

  static constexpr bool inBounds(long long i) { return i >= Lo && i <= Hi; }

  T& operator[](long long i) { return items_[slot(i)]; }
  const T& operator[](long long i) const { return items_[slot(i)]; }

  void fill(const T& value) { items_.fill(value); }

 private:
  static std::size_t slot(long long i) {
    if (!inBounds(i))
      throw std::out_of_range("index " + std::to_string(i) + " outside " + std::to_string(Lo) +
                              " to " + std::to_string(Hi));
    return static_cast<std::size_t>(i - Lo);
  }

  std::array<T, Hi - Lo + 1> items_{};
};

template <typename T, int RowLo, int RowHi, int ColLo, int ColHi>
class FixedMatrix {
 public:
  static constexpr bool inBounds(long long r, long long c) {
    return r >= RowLo && r <= RowHi && c >= ColLo && c <= ColHi;
  }

  T& operator()(long long r, long long c) { return rows_[r][c]; }
  const T& operator()(long long r, long long c) const { return rows_[r][c]; }

 private:
  FixedArray<FixedArray<T, ColLo, ColHi>, RowLo, RowHi> rows_{};
};
