/* GCC 12 drops a rounding to float that C requires.

   Two doubles are rounded to float and the floats widened back to double,
   in one vector. At -O2 and -O3 the SLP vectorizer turns the two roundings
   into one conversion of a two-lane vector to float, and the widening into
   the conversion back; the forward propagation that follows folds the pair
   into nothing, so the doubles come out unrounded. -O1, or -O2 with
   -fno-tree-slp-vectorize, keeps both conversions. clang 14 keeps them at
   every level.

   Seen with gcc (Debian 12.2.0-14+deb12u1) 12.2.0 on x86-64:

     $ gcc -O2 gcc12-lost-rounding.c -o lost && ./lost
     vector 0.29000001192092895 0.31000001192092896
     scalar 0.29000002145767212 0.31000000238418579
     rounding lost
     $ gcc -O1 gcc12-lost-rounding.c -o kept && ./kept
     vector 0.29000002145767212 0.31000000238418579
     scalar 0.29000002145767212 0.31000000238418579
     rounding kept

   The normal (src/field/normal.cpp) rounds its displaced coordinates just
   so, and its shared-difference path widens them again: it therefore rounds
   them in vGetNormal and hands them to a routine that is never inlined into
   it, so no build sees both conversions in one function. */
#include <stdio.h>

typedef double Double2 __attribute__((vector_size(16)));

__attribute__((noinline)) Double2 vRoundedPair(float fZ) {
    float fLower = (float)(fZ - 0.01), fUpper = (float)(fZ + 0.01);
    return (Double2){fLower, fUpper};
}

int main(void) {
    volatile float fZ = 0.3f;
    Double2 vPair = vRoundedPair(fZ);
    double fLower = (float)(fZ - 0.01), fUpper = (float)(fZ + 0.01);
    int bKept = vPair[0] == fLower && vPair[1] == fUpper;
    printf("vector %.17g %.17g\nscalar %.17g %.17g\n%s\n", vPair[0], vPair[1], fLower, fUpper,
           bKept ? "rounding kept" : "rounding lost");
    return !bKept;
}
