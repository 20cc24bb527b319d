#include "ApplicationFolder.h"

#include <QStandardPaths>

QString ApplicationFolder::path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/com.vantrel.Ampra";
}
