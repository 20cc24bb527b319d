#include "SystemDateProvider.h"

QDateTime SystemDateProvider::now() const {
    return QDateTime::currentDateTimeUtc();
}
