// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "BatteryManager.h"

#include "BatteryManagerDelegate.h"
#include "CalibrationAlgorithm.h"
#include "CalibrationControl.h"
#include "DateProvider.h"
#include "SystemPowerEvents.h"
#include "TimerProvider.h"
#include "battery/BatteryData.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/PreferenceProvider.h"
#include "persistence/StatePersistence.h"

#include <QCoreApplication>
#include <log4cplus/loggingmacros.h>
#include <utility>

BatteryManager::BatteryManager(std::unique_ptr<BatteryData> batteryData,
                               std::unique_ptr<CalibrationAlgorithm> calibrationAlgorithm,
                               std::unique_ptr<TimerProvider> timerProvider,
                               SystemPowerEvents* notificationCenter,
                               std::unique_ptr<CalibrationControl> calibrationControl,
                               GlobalConfigurationProvider& configuration,
                               const DateProvider& dateProvider,
                               std::unique_ptr<ChargeLimitControl> chargeLimitControl)
    : _batteryData(std::move(batteryData))
    , _calibrationAlgorith(std::move(calibrationAlgorithm))
    , _timerProvider(std::move(timerProvider))
    , _notificationCenter(notificationCenter)
    , _calibrationControl(std::move(calibrationControl))
    , _preferenceProvider(configuration.preferences())
    , _statePersistence(configuration.statePersistence())
    , _dateProvider(dateProvider)
    , _chargeLimit(std::move(chargeLimitControl), _preferenceProvider, _statePersistence)
    , _logger(log4cplus::Logger::getInstance("calibration.batteryManager")) {
    _calibrationAlgorith->delegate = this;
    _chargeLimit.changed = [this] {
        refresh();
    };
    restorePersistence();
    _batteryData->updateCallback = [this] {
        refresh();
    };
}

BatteryManager::~BatteryManager() {
    if (isCalibrationOn && _notificationCenter)
        _notificationCenter->unsubscribe(*this);
    _batteryData->updateCallback = nullptr;
    _calibrationAlgorith->delegate = nullptr;
}

void BatteryManager::startCalibrationControl() {
    LOG4CPLUS_INFO(_logger, "Start Calibration Control");
    if (isCalibrationOn)
        return;
    isCalibrationOn = true;
    _timerProvider->startTimerForObject([this] { refresh(); }, _kRefreshPediod);
    if (_notificationCenter)
        _notificationCenter->subscribe(*this);
}

void BatteryManager::stopCalibrationControl() {
    LOG4CPLUS_INFO(_logger, "Stop Calibration Control");
    if (!isCalibrationOn)
        return;
    isCalibrationOn = false;
    _timerProvider->stopTimer();
    if (_notificationCenter)
        _notificationCenter->unsubscribe(*this);
    _chargeLimit.restore("calibrations are off");
}

CalibrationData BatteryManager::calibrationData() {
    CalibrationData data(*_batteryData, _calibrationControl->calibrationState,
                         _calibrationAlgorith->algorithmState());
    _calibrationControl->evaluateCalibrationStateWithData(data);
    data.timeRemainingInRunningTimer = _calibrationAlgorith->timeRemainingIfAny();
    return data;
}

CalibrationData BatteryManager::runWithEvent(std::optional<CalibrationRelevantEvent> event) {
    _batteryData->refreshBasicBatteryData();
    if (std::exchange(_noBatteryLogged, _batteryData->noBattery) != _batteryData->noBattery) {
        if (_batteryData->noBattery)
            LOG4CPLUS_WARN(_logger, "No battery found: no notices until one is read");
        else
            LOG4CPLUS_INFO(_logger, "A battery is read again: notices resume");
    }
    _calibrationAlgorith->_runAlgorithmFiniteStateMachineWithData(*_batteryData, event);
    CalibrationData data = calibrationData();
    persistStates(data);
    const bool askToLiftChargeLimit = _chargeLimit.update(data);
    if (delegate)
        delegate->batteryManagerDidFinishRunningCalibrationAlgorithWithData(*this, data);
    if (askToLiftChargeLimit && delegate)
        delegate->batteryManagerAskToLiftChargeLimit(*this, data.liftableChargeLimit);
    // Said whenever a calibration is recorded: on the wake after a sleep, on the first reading
    // after a power-off.
    if (data.calibrationRecorded) {
        //: Guide Message on state CalibrationDone.
        const QString message = QCoreApplication::translate("BatteryManager", "Calibration Done!!");
        if (delegate)
            delegate->batteryManagerNotifyEventOnCalibrationProccessWithMessage(*this, message);
        _previousCalibrationAlgorithmState = AlgorithmState::calibrationDone;
    }
    // Once the rest has begun, the guide tells again what to do after a wake that does not end it.
    if (event && data.calibrationAlgorithmState == AlgorithmState::computerOff)
        _previousCalibrationAlgorithmState = AlgorithmState::computerOff;
    return data;
}

void BatteryManager::refresh() {
    const CalibrationData data = runWithEvent(std::nullopt);
    // Without a battery (a desktop, a battery taken out) there is no charge to warn about.
    if (_batteryData->noBattery)
        return;
    // A finished calibration rests for a day; nothing it does then is worth a notice.
    if (data.calibrationAlgorithmState != AlgorithmState::calibrationDone) {
        applyPowerSourceRule(data);
        applyChargeRules(_batteryData->currentChargePercentage);
        applyConnectedTooLongRule(*_batteryData);
    }
    applyGuideMessageRule(data);
}

void BatteryManager::didReceiveWakeUpNotification() {
    LOG4CPLUS_INFO(_logger, "Wake Up Event");
    runWithEvent(CalibrationRelevantEvent::wakeUp);
}

void BatteryManager::didReceivePowerOffNotification() {
    LOG4CPLUS_INFO(_logger, "Power Off Event");
    runWithEvent(CalibrationRelevantEvent::powerOff);
}

void BatteryManager::didReceiveSleepNotification() {
    LOG4CPLUS_INFO(_logger, "Sleep Event");
    runWithEvent(CalibrationRelevantEvent::sleep);
}

void BatteryManager::persistStates(const CalibrationData& data) {
    _statePersistence.setCalibrationState(qint64(data.calibrationState));
    _statePersistence.setCalibrationAlgorithmState(qint64(data.calibrationAlgorithmState));
}

void BatteryManager::applyPowerSourceRule(const CalibrationData& data) {
    const PowerSourceType powerSource = _batteryData->powerSource;
    // While a calibration is pending the guide messages tell the user what to do with the cord.
    if (_previousPowerSource != PowerSourceType::unknownPower &&
        _previousPowerSource != powerSource && _preferenceProvider.notifyOnPowerCordChange() &&
        data.calibrationState != CalibrationState::pendingCalibration && delegate)
        delegate->batteryManagerDidDetectPowerSourceChangeTo(*this, powerSource);
    _previousPowerSource = powerSource;
}

void BatteryManager::applyChargeRules(uint64_t charge) {
    if (_preferenceProvider.notifyOnSelectedCharge())
        notifyUnderThreshold(charge, _preferenceProvider.notificationCharge(),
                             delegateIsInformedAboutChargeUnderTheThreshold);
    notifyUnderThreshold(charge, _preferenceProvider.notificationMinimumCharge(),
                         delegateIsInformedAboutChargeUnderMinimumPercent);
}

// Once per descent under the threshold; re-armed when the charge is back at or above it.
void BatteryManager::notifyUnderThreshold(uint64_t charge, uint64_t threshold, bool& informed) {
    if (charge >= threshold) {
        informed = false;
        return;
    }
    if (informed)
        return;
    if (delegate)
        delegate->batteryManagerDidDidDetectTheBatteryChargeUnderTheMinimumThreshold(*this,
                                                                                     threshold);
    informed = true;
}

void BatteryManager::applyConnectedTooLongRule(const BatteryData& sample) {
    const QDateTime now = _dateProvider.now();
    // At or under the threshold the machine counts as recently unplugged. So does a battery
    // that the firmware holds at a charge limit: it is already spared what unplugging would.
    const bool recentlyUnplugged =
        sample.currentChargePercentage <=
            _preferenceProvider.minimumBatteryChargeTobeConsideredUnplug() ||
        sample.isHeldAtChargeLimit();
    if (!lastTimeItWasUnplugged || recentlyUnplugged)
        lastTimeItWasUnplugged = now;
    if (recentlyUnplugged)
        delegateIsWarnAboutLongTimeConnected = false;
    if (!_preferenceProvider.remindToUnplug() || delegateIsWarnAboutLongTimeConnected)
        return;
    const QDateTime warnFrom =
        lastTimeItWasUnplugged->addSecs(qint64(_preferenceProvider.workingHoursWarningInterval()));
    if (warnFrom < now) {
        if (delegate)
            delegate->batteryManagerDidDetectLongWorkingPeriodOnACPowerSourceWithLength(
                *this, double(now.msecsTo(*lastTimeItWasUnplugged)) / 1000.0);
        delegateIsWarnAboutLongTimeConnected = true;
    }
}

void BatteryManager::applyGuideMessageRule(const CalibrationData& data) {
    if (data.calibrationState != CalibrationState::pendingCalibration)
        return;
    // "Calibration Done!!" goes only with a recorded calibration (above).
    if (data.calibrationAlgorithmState != _previousCalibrationAlgorithmState &&
        data.calibrationAlgorithmState != AlgorithmState::calibrationDone) {
        std::optional<QString> message;
        switch (data.calibrationAlgorithmState) {
        case AlgorithmState::initCalibration:
            //: Guide Message on state InitCalibration.
            message =
                QCoreApplication::translate("BatteryManager", "Plug your Mac to fully charge it.");
            break;
        case AlgorithmState::fullyCharged:
            //: Guide Message on state FullyCharged.
            message = QCoreApplication::translate("BatteryManager",
                                                  "Keep your Mac Conected for a while.");
            break;
        case AlgorithmState::disconnectAdapter:
            //: Guide Message on state DisconnectAdapter.
            message = QCoreApplication::translate("BatteryManager",
                                                  "You can disconnect your power adapter.");
            break;
        case AlgorithmState::turnItOff:
            //: Guide Message on state TurnItOff.
            message = QCoreApplication::translate("BatteryManager",
                                                  "Allow your Mac to sleep or switch it off.");
            break;
        default:
            break;
        }
        if (delegate)
            delegate->batteryManagerNotifyEventOnCalibrationProccessWithMessage(*this, message);
    }
    _previousCalibrationAlgorithmState = data.calibrationAlgorithmState;
}

void BatteryManager::postponeCalibration() {
    LOG4CPLUS_INFO(_logger, "Calibration Postpone Request");
    _calibrationControl->postponeCalibration();
    refresh();
}

void BatteryManager::guideThroughCalibration() {
    LOG4CPLUS_INFO(_logger, "Calibration Guide Request");
}

void BatteryManager::liftChargeLimitForCalibration() {
    LOG4CPLUS_INFO(_logger, "Charge Limit Lift Request");
    _chargeLimit.lift();
    refresh();
}

void BatteryManager::restorePersistence() {
    const auto stored = _statePersistence.calibrationAlgorithmState();
    const auto state = stored ? algorithmStateFromRawValue(*stored) : std::nullopt;
    if (state) {
        const auto timeStamp = _statePersistence.calibrationAlgorithmTimeStamp();
        if (timeStamp)
            LOG4CPLUS_INFO(_logger, "Restoring Algorithm Persistence to state: "
                                        << *stored << ", with time Stamp: "
                                        << timeStamp->toString(Qt::ISODateWithMs).toStdString());
        else
            LOG4CPLUS_INFO(_logger, "Restoring Algorithm Persistence to state: "
                                        << *stored << " with no time Stamp");
        _calibrationAlgorith->_forceAlgorithmFiniteStateMachineToState(*state, timeStamp);
    }
    _calibrationControl->restorePersistence();
}

void BatteryManager::calibrationAlgorithmStateChanged(CalibrationAlgorithm&, AlgorithmState) {}

void BatteryManager::calibrationAlgorithmSetTimeStamp(CalibrationAlgorithm&) {
    _statePersistence.setCalibrationAlgorithmTimeStamp(_dateProvider.now());
}

void BatteryManager::calibrationAlgorithmUnsetTimeStamp(CalibrationAlgorithm&) {
    _statePersistence.setCalibrationAlgorithmTimeStamp(std::nullopt);
}
