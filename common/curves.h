// Tapers, response curves, the shared random generator and the number parser.
#pragma once
#include <cstdint>

namespace tarlix {

// Taper code: low 7 bits pick the curve (2 x^4, 3 x^2, 4 1-(1-x)^2, 5 1-(1-x)^4, else linear);
// bit 7 mirrors the result.
float taper_forward(float x, int code);
float taper_inverse(float y, int code);

float shape_curve(int shape, float x);
float shape_curve_blend(int shape, float x, float depth);

// The random generator: a value of its own, so that whatever draws from it (an instance's
// oscillator drift, arpeggiator and randomise buttons; its Melt and chorus drift) renders the
// same every time and never depends on another instance. Every sequence starts from the same
// seeds. Not shared between threads.
class RandomSequence {
  public:
    void restart() { *this = RandomSequence{}; } // back to the start-up seeds
    // One raw step (the new s2).
    uint32_t next() {
        s1_ ^= s2_;
        s2_ += s1_;
        return s2_;
    }
    // At least 0 and below range.
    float uniform(float range);
    // A whole number at least 0 and below n (0 when n < 1); always one step.
    int below(int n);

  private:
    uint32_t s1_ = 1629827143u, s2_ = 3365778422u;
};

constexpr float kParseFailure = 1e32f;
float parse_number(const char* text);

} // namespace tarlix
