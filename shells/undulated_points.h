// The undulated cross-section: a point of the superformula curve (both scale
// divisors 1) at a polar angle, used as the tube section of the modulated shell.
#pragma once

#include "framework/render/vector_math.h"

// Point (r cos PHI, r sin PHI, 0) with
// r = (|cos(NUMCORNER PHI / 4)|^MAX + |sin(NUMCORNER PHI / 4)|^SMOOTHCORNER)^(-1/MIN).
// When the power comes out as 0 in single precision the result is (0, 0, 0).
// Defined for MIN != 0 and exponents not negative where their term is 0.
TGLVECTOR UNDULATEDPOINTS(float MIN, float MAX, float NUMCORNER, float SMOOTHCORNER, float PHI);
