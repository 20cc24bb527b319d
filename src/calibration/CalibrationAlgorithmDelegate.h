// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AlgorithmState.h"

class CalibrationAlgorithm;

// Told by the state machine about its state and its time reference, so that the owner can
// persist both and restore them after a restart.
class CalibrationAlgorithmDelegate {
public:
    virtual ~CalibrationAlgorithmDelegate() = default;

    // The state at the end of a run differs from the state at the end of the previous one.
    virtual void calibrationAlgorithmStateChanged(CalibrationAlgorithm& algorithm,
                                                  AlgorithmState state) = 0;
    // A timed step was entered and its reference set from now.
    virtual void calibrationAlgorithmSetTimeStamp(CalibrationAlgorithm& algorithm) = 0;
    // The reference was cleared (also when there was none).
    virtual void calibrationAlgorithmUnsetTimeStamp(CalibrationAlgorithm& algorithm) = 0;
};
