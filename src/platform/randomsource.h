#pragma once

#include <QtGlobal>

#include <random>

// The program's one generator. A draw is a value r with 0 <= r < 1.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(quint32 value) = 0;
    virtual double next() = 0;

    // The integer part of r * count, in single precision like the draws
    // have always been made. Always within 0 .. count - 1 for count > 0.
    int pick(int count);
};

class SeededRandom : public RandomSource
{
public:
    void seed(quint32 value) override { m_engine.seed(value); }
    double next() override;

private:
    std::mt19937 m_engine{0};
};
