#include "dsp/oversampled_shaper.h"

namespace tarlix {

// Outer: seven sections, pass band to 0.208 of the doubled rate, 112 dB from 0.292 on. Inner:
// three sections, pass band to 0.125 of the fourfold rate, 89 dB from 0.375 on. Innermost: two
// sections, pass band to 0.0625 of the eightfold rate, 94 dB from 0.4375 on.
const OversampledShaper::Designs& OversampledShaper::designs() {
    static const Designs d{HalfBandDesign::elliptic(7, 0.083), HalfBandDesign::elliptic(3, 0.25),
                           HalfBandDesign::elliptic(2, 0.375)};
    return d;
}

} // namespace tarlix
