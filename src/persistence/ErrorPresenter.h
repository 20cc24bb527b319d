#pragma once

struct StoreError;

// Shows the user an error of the data store; the application puts it on screen.
class ErrorPresenter {
public:
    virtual ~ErrorPresenter() = default;

    virtual void presentError(const StoreError& error) = 0;
};
