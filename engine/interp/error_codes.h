#pragma once

#include "engine/values/error_code.h"

namespace zentrel {

// Run statuses: never shown to the user.
inline constexpr ErrorCode kStatusAborted = 1;   // an inner run already reported; stop quietly
inline constexpr ErrorCode kStatusReported = 2;  // the run finished after a report
inline constexpr ErrorCode kStatusValue = 3;     // the statement produced a value
inline constexpr ErrorCode kStatusDone = 4;      // done without a value, skipped or empty
// Refusals: shown without a token.
inline constexpr ErrorCode kRefusedNoToken = 5;
inline constexpr ErrorCode kRefusedCommand = 6;
inline constexpr ErrorCode kRefusedControl = 7;

// Warnings: reported on the spot, the computation goes on.
inline constexpr ErrorCode kWarnNegativeElement = 0x1000;
inline constexpr ErrorCode kWarnDivisionByZero = 0x1001;
inline constexpr ErrorCode kWarnAsinDomain = 0x1004;
inline constexpr ErrorCode kWarnAcosDomain = 0x1005;
inline constexpr ErrorCode kWarnAcoshDomain = 0x1006;
inline constexpr ErrorCode kWarnAtanhDomain = 0x1007;
inline constexpr ErrorCode kWarnLogDomain = 0x1008;
inline constexpr ErrorCode kWarnLog10Domain = 0x1009;
inline constexpr ErrorCode kWarnSqrtDomain = 0x100A;
inline constexpr ErrorCode kWarnNoDeterminant = 0x100B;
inline constexpr ErrorCode kWarnNoInverse = 0x100C;
inline constexpr ErrorCode kWarnInvalidArgument = 0x100D;
inline constexpr ErrorCode kWarnReturnValue = 0x100E;

// Errors: stop the statement and the run.
inline constexpr ErrorCode kErrAssertStop = 0x2002;
inline constexpr ErrorCode kErrUnaryOperator = 0x2100;
inline constexpr ErrorCode kErrOperator = 0x2101;
inline constexpr ErrorCode kErrArray = 0x2102;
inline constexpr ErrorCode kErrFunctionArgument = 0x2103;
inline constexpr ErrorCode kErrLeftNotVariable = 0x2104;
inline constexpr ErrorCode kErrRightNotVariable = 0x2105;
inline constexpr ErrorCode kErrMissingOperand = 0x2106;
inline constexpr ErrorCode kErrConditional = 0x2107;
inline constexpr ErrorCode kErrExternalCall = 0x2108;
inline constexpr ErrorCode kErrUserCall = 0x2109;
inline constexpr ErrorCode kErrConstantSyntax = 0x210A;
inline constexpr ErrorCode kErrString = 0x210B;
inline constexpr ErrorCode kErrComplexGroup = 0x210C;
inline constexpr ErrorCode kErrMatrixGroup = 0x210D;
inline constexpr ErrorCode kErrAssignToConstant = 0x210E;
inline constexpr ErrorCode kErrIfNesting = 0x2120;
inline constexpr ErrorCode kErrNoIf = 0x2121;
inline constexpr ErrorCode kErrSwitchNesting = 0x2122;
inline constexpr ErrorCode kErrNoSwitch = 0x2123;
inline constexpr ErrorCode kErrNoDo = 0x2124;
inline constexpr ErrorCode kErrNoWhile = 0x2125;
inline constexpr ErrorCode kErrForCondition = 0x2126;
inline constexpr ErrorCode kErrForUpdate = 0x2127;
inline constexpr ErrorCode kErrNoFor = 0x2128;
inline constexpr ErrorCode kErrContinue = 0x2129;
inline constexpr ErrorCode kErrBreak = 0x212A;
inline constexpr ErrorCode kErrTooManyFunctions = 0x212B;
inline constexpr ErrorCode kErrNestedFunc = 0x212C;
inline constexpr ErrorCode kErrNoFunc = 0x212D;
inline constexpr ErrorCode kErrFunctionName = 0x212E;
inline constexpr ErrorCode kErrParameterLabel = 0x212F;
// A loop, function, conditional or array literal still open where its input ends.
inline constexpr ErrorCode kErrUnclosedBlock = 0x2130;
inline constexpr ErrorCode kErrCommand = 0x2140;
inline constexpr ErrorCode kErrCommandArgument = 0x2141;
inline constexpr ErrorCode kErrAlreadyDefined = 0x2142;
inline constexpr ErrorCode kErrNotDefined = 0x2143;
inline constexpr ErrorCode kErrTooManyParams = 0x2144;
inline constexpr ErrorCode kErrExternalOpen = 0x2160;
inline constexpr ErrorCode kErrExternalArgCount = 0x2161;
inline constexpr ErrorCode kErrExternalArgKind = 0x2162;
// Internal limits, each named for what ran out.
inline constexpr ErrorCode kErrNestingTooDeep = 0x2180;  // groups, operators, arguments
inline constexpr ErrorCode kErrNoFreeSlot = 0x2181;      // every variable or array is in use
inline constexpr ErrorCode kErrCallDepth = 0x2182;       // calls nested to the depth limit

}  // namespace zentrel
