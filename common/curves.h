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

// One generator for the whole library; safe to call from the audio and the editor threads.
float random_float(float range);
int random_int(int n);
uint32_t random_next();       // one raw step (the new s2)
void random_reset_for_test(); // back to the start-up seeds

// The same generator as a value of its own, for sound that must render the same every time
// (an instance's Melt and chorus drift): two renders of one song are then identical.
class RandomSequence {
  public:
    void restart() { *this = RandomSequence{}; }
    uint32_t next() {
        s1_ ^= s2_;
        s2_ += s1_;
        return s2_;
    }
    // At least 0 and below range.
    float uniform(float range);

  private:
    uint32_t s1_ = 1629827143u, s2_ = 3365778422u;
};

constexpr float kParseFailure = 1e32f;
float parse_number(const char* text);

} // namespace tarlix
