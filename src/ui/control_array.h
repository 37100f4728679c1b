#pragma once

#include <array>

// A control array indexed by the game's indices. An index outside the array reaches a control
// that never exists: writing to it does nothing and reading it gives neutral values. Elements
// that a layout does not create (Form6 has L1(0), L1(1) and L1(4) only) behave the same.
namespace ui {

template <typename T, int Size>
class ControlArray {
public:
    [[nodiscard]] T& operator[](int index) {
        return index >= 0 && index < Size ? items_[static_cast<std::size_t>(index)] : outside_;
    }
    [[nodiscard]] const T& operator[](int index) const {
        return index >= 0 && index < Size ? items_[static_cast<std::size_t>(index)] : outside_;
    }
    [[nodiscard]] static constexpr int size() { return Size; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

private:
    std::array<T, Size> items_;
    T outside_;
};

}  // namespace ui
