#pragma once

class SystemPowerEventsListener;

// The source of sleep, power-off and wake notifications.
class SystemPowerEvents {
public:
    virtual ~SystemPowerEvents() = default;

    virtual void subscribe(SystemPowerEventsListener& listener) = 0;
    virtual void unsubscribe(SystemPowerEventsListener& listener) = 0;
};
