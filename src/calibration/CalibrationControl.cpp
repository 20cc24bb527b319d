// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CalibrationControl.h"

#include "CalibrationData.h"
#include "DateProvider.h"
#include "battery/BatteryData.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/ManagedObject.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/StatePersistence.h"
#include "persistence/StoreError.h"

#include <log4cplus/loggingmacros.h>

namespace {

// A snapshot from today or one of the three previous calendar days is recent.
constexpr qint64 kRecentSnapshotSeconds = 345600;

std::string describe(const StoreError& error) {
    return (error.description + QStringLiteral(", ") + error.failureReason).toStdString();
}

} // namespace

CalibrationControl::CalibrationControl(GlobalConfigurationProvider& configuration,
                                       const DateProvider& dateProvider)
    : _configuration(configuration)
    , _perferences(configuration.preferences())
    , _statePersistence(configuration.statePersistence())
    , _dateProvider(dateProvider)
    , _logger(log4cplus::Logger::getInstance("calibration.CalibrationControl")) {}

std::optional<ManagedObject> CalibrationControl::_lastSavedCalibration() const {
    ManagedObjectContext* context = _configuration.context();
    if (!context)
        return std::nullopt;
    StoreError error;
    const auto records = context->fetchNewest(Calibration::kEntityName, 1, &error);
    if (!records) {
        LOG4CPLUS_ERROR(_logger, "Last saved calibration error: " << describe(error));
        return std::nullopt;
    }
    if (records->empty())
        return std::nullopt;
    return records->front();
}

std::optional<bool>
CalibrationControl::_isCalibrationDue(const std::optional<ManagedObject>& last) const {
    if (!last)
        return std::nullopt;
    const auto date = last->date();
    if (!date)
        return true;
    return *date <= _dateProvider.now().addSecs(-qint64(_perferences.timeBetweenCalibrations()));
}

std::optional<QDateTime> CalibrationControl::nextCalibrationDate() const {
    return nextCalibrationDate(_lastSavedCalibration());
}

std::optional<QDateTime>
CalibrationControl::nextCalibrationDate(const std::optional<ManagedObject>& last) const {
    if (calibrationState == CalibrationState::postponed)
        return _statePersistence.postponeCalibrationToDate();
    const QDateTime now = _dateProvider.now();
    const auto date = last ? last->date() : std::nullopt;
    if (!date)
        return now;
    // Whole seconds: the preferences keep the intervals far inside the range of qint64.
    const qint64 interval = qint64(_perferences.timeBetweenCalibrations());
    if (*date <= now.addSecs(-interval))
        return now;
    return date->addSecs(interval);
}

void CalibrationControl::restorePersistence() {
    if (const auto stored = _statePersistence.calibrationState())
        if (const auto state = calibrationStateFromRawValue(*stored))
            calibrationState = *state;
    // A calibration finished by switching the computer off ends on the first reading after the
    // start: compared with the state the last run left, it is seen and recorded.
    if (const auto stored = _statePersistence.calibrationAlgorithmState())
        _previousCalibrationAlgorithmState = algorithmStateFromRawValue(*stored);
}

void CalibrationControl::postponeCalibration() {
    if (calibrationState != CalibrationState::pendingCalibration)
        return;
    _statePersistence.setPostponeCalibrationToDate(
        _dateProvider.now().addSecs(qint64(_perferences.postponedCalibationInterval())));
    calibrationState = CalibrationState::postponed;
}

void CalibrationControl::evaluateCalibrationStateWithData(CalibrationData& data) {
    if (!_previousCalibrationAlgorithmState)
        _previousCalibrationAlgorithmState = data.calibrationAlgorithmState;

    const bool finished = *_previousCalibrationAlgorithmState != AlgorithmState::calibrationDone &&
                          data.calibrationAlgorithmState == AlgorithmState::calibrationDone;
    _previousCalibrationAlgorithmState = data.calibrationAlgorithmState;
    // One lookup serves the due test and the next date.
    std::optional<ManagedObject> last;
    if (finished) {
        _statePersistence.setPostponeCalibrationToDate(std::nullopt);
        calibrationState = CalibrationState::calibrated;
        insertRecordFrom<Calibration>(data.batteryData());
        _persistData();
        data.calibrationRecorded = true;
        last = _lastSavedCalibration();
    } else if (calibrationState == CalibrationState::postponed) {
        const auto until = _statePersistence.postponeCalibrationToDate();
        if (until && *until < _dateProvider.now()) {
            _statePersistence.setPostponeCalibrationToDate(std::nullopt);
            calibrationState = CalibrationState::pendingCalibration;
            last = _lastSavedCalibration();
        }
    } else {
        last = _lastSavedCalibration();
        const auto due = _isCalibrationDue(last);
        calibrationState =
            !due || *due ? CalibrationState::pendingCalibration : CalibrationState::calibrated;
    }

    data.calibrationState = calibrationState;
    data.nextCalibrationDate = nextCalibrationDate(last);

    const bool charged = data.batteryData().isCharged;
    const bool justBecameFull = _previousIsChargedState == false && charged;
    _previousIsChargedState = charged;
    if (justBecameFull && !_isThereRecentSnapshot()) {
        insertRecordFrom<BatteryStatusSnapshot>(data.batteryData());
        _persistData();
    }
}

bool CalibrationControl::_isThereRecentSnapshot() const {
    ManagedObjectContext* context = _configuration.context();
    if (!context)
        return false;
    StoreError error;
    const auto records = context->fetchNewest(BatteryStatusSnapshot::kEntityName, 1, &error);
    if (!records) {
        LOG4CPLUS_ERROR(_logger, "Error fetching for recent Snapshot: " << describe(error));
        return false;
    }
    if (records->empty())
        return false;
    const auto date = records->front().date();
    if (!date)
        return false;
    // Calendar days in the user's time zone.
    const QDate fourDaysBack =
        _dateProvider.now().addSecs(-kRecentSnapshotSeconds).toLocalTime().date();
    return date->toLocalTime().date() > fourDaysBack;
}

template <typename Record>
void CalibrationControl::insertRecordFrom(const BatteryData& batteryData) {
    ManagedObjectContext* context = _configuration.context();
    if (!context)
        return;
    Record record(*context);
    record.setDate(_dateProvider.now());
    record.setCapacity(batteryData.currectCapacity);
    record.setCycleCount(batteryData.cycleCount);
}

void CalibrationControl::_persistData() {
    ManagedObjectContext* context = _configuration.context();
    if (!context || !context->hasChanges())
        return;
    StoreError error;
    if (!context->save(&error))
        LOG4CPLUS_ERROR(_logger, "Error On saving Calibration " << describe(error));
}
