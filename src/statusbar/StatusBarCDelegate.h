#pragma once

class StatusBarC;

class StatusBarCDelegate {
public:
    virtual ~StatusBarCDelegate() = default;

    // The user clicked the status item.
    virtual void statusBarControllerRequest(StatusBarC& controller) = 0;
};
