#pragma once

#include "DateProvider.h"

// The wall clock.
class SystemDateProvider : public DateProvider {
public:
    QDateTime now() const override;
};
