#include "platform/randomsource.h"

#include <algorithm>

int RandomSource::pick(int count)
{
    if (count <= 0)
        return 0;
    const float r = static_cast<float>(next());
    const int index = static_cast<int>(static_cast<float>(count) * r);
    // A float product can round up to count for r just below 1.
    return std::clamp(index, 0, count - 1);
}

double SeededRandom::next()
{
    return std::generate_canonical<double, 32>(m_engine);
}
