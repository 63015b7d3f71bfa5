#pragma once

#include "engine/values/error_code.h"
#include "engine/values/number.h"
#include "engine/values/stop_request.h"
#include "engine/values/value.h"

namespace zentrel {

// The exact matrix functions det, inv and trans. They compute with the scalar arithmetic
// core in the current representation, so in fraction representation every step is exact
// (as long as the 32-bit fraction parts hold the intermediate values). Nothing is
// reported here: the caller turns matrixWarning into the warning of its function. Each
// element operation is a step of the stop request; a stop ends them with kErrInterrupted.

struct MatrixOutcome {
    // kOutOfMemory or kErrMemoryLimit without a working copy, or kErrInterrupted
    ErrorCode status = kSuccess;
    bool matrixWarning = false;  // the matrix is not square, or (inv) singular
};

// Elimination with the first non-zero pivot of each column; a row exchange negates one
// row so the sign is kept. Not square: warning, result 0. Singular: result 0, no warning.
MatrixOutcome determinant(const Value& matrix, bool fractionRepresentation, StopRequest& stop,
                          Number& result);

// Gauss-Jordan elimination against the identity. When it stops (not square, or no pivot
// in some column) the result is the scalar 0 and matrixWarning is set.
MatrixOutcome inverse(const Value& matrix, bool fractionRepresentation, StopRequest& stop,
                      Value& result);

// Rows and columns exchanged. The result may be the argument itself.
ErrorCode transpose(const Value& matrix, bool fractionRepresentation, StopRequest& stop,
                    Value& result);

}  // namespace zentrel
