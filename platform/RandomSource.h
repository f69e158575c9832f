#pragma once

#include <cstdint>
#include <random>

namespace qv {

/// Uniform integers for the deal and the computer opponent; seeded from the time
/// of day by the rules, or fixed by tests.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint32_t value) = 0;
    /// A uniform integer in 0 .. count - 1.
    virtual int below(int count) = 0;
};

class StdRandomSource final : public RandomSource {
public:
    void seed(std::uint32_t value) override { m_engine.seed(value); }
    int below(int count) override {
        return std::uniform_int_distribution<int>(0, count - 1)(m_engine);
    }

private:
    std::mt19937 m_engine{std::random_device{}()};
};

} // namespace qv
