// The three sample functions and the slot that selects the current one: each
// the field's formula (formulas.h) at one point.
//
// The weights are double constants and every sum is accumulated in double;
// only the returned value is rounded to float. A sample point on a source
// point or line divides by zero and yields +infinity, which the polygonizers
// treat as a value above any iso value.
#include "field.h"
#include "formulas.h"

SampleFunction* fSample = fSample1;

namespace {

// The field numbered iField (as iFieldNumber numbers them) at one point.
template <int iField>
[[gnu::always_inline]] inline float fAtOnePoint(float fX, float fY, float fZ) {
    float afValue[1] = {};
    vFieldAt<iField>(OnePoint{fX, fY, fZ}, afValue);
    return afValue[0];
}

}  // namespace

float fSample1(float fX, float fY, float fZ) {
    return fAtOnePoint<1>(fX, fY, fZ);
}

float fSample2(float fX, float fY, float fZ) {
    return fAtOnePoint<2>(fX, fY, fZ);
}

float fSample3(float fX, float fY, float fZ) {
    return fAtOnePoint<3>(fX, fY, fZ);
}
