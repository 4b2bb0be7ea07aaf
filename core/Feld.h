// Fixed arrays indexed as the competition model numbers them (for example
// rounds 1..30, judges 1..16, export points 0..1).
#pragma once

#include <cassert>
#include <cstddef>

namespace tavuran {

template <class T, int Lo, int Hi>
struct Feld {
    static_assert(Hi >= Lo, "empty Feld");
    static constexpr int low = Lo;
    static constexpr int high = Hi;
    static constexpr int size = Hi - Lo + 1;

    T v[size]{};

    T& operator[](int i) {
        assert(i >= Lo && i <= Hi);
        return v[i - Lo];
    }
    const T& operator[](int i) const {
        assert(i >= Lo && i <= Hi);
        return v[i - Lo];
    }
    static constexpr bool inRange(int i) { return i >= Lo && i <= Hi; }
    void fill(const T& x) {
        for (auto& e : v) e = x;
    }
    T* begin() { return v; }
    T* end() { return v + size; }
    const T* begin() const { return v; }
    const T* end() const { return v + size; }
    friend bool operator==(const Feld& a, const Feld& b) {
        for (int i = 0; i < size; ++i)
            if (!(a.v[i] == b.v[i])) return false;
        return true;
    }
};

} // namespace tavuran
