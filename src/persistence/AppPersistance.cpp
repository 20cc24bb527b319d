// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AppPersistance.h"

#include "ApplicationFolder.h"
#include "BatteryStatusSnapshot.h"
#include "Calibration.h"
#include "GlobalConfigurationProvider.h"
#include "ManagedObjectContext.h"
#include "PersistentStoreCoordinator.h"
#include "PropertyListDictionary.h"
#include "StoreError.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <filesystem>
#include <log4cplus/loggingmacros.h>

AppPersistance::AppPersistance(GlobalConfigurationProvider* configuration,
                               const QString& applicationFolder, ErrorPresenter* errorPresenter)
    : _configuration(configuration)
    , _logger(log4cplus::Logger::getInstance("helpers.persistance"))
    , _applicationDocumentsDirectory(applicationFolder)
    , _errorPresenter(errorPresenter ? errorPresenter : &_loggingErrorPresenter) {}

AppPersistance::~AppPersistance() = default;

QString AppPersistance::applicationDocumentsDirectory() {
    if (_applicationDocumentsDirectory.isEmpty())
        _applicationDocumentsDirectory = ApplicationFolder::path();
    return _applicationDocumentsDirectory;
}

ManagedObjectContext* AppPersistance::managedObjectContext() {
    if (!_storeOpenAttempted) {
        _storeOpenAttempted = true;
        openStore();
    }
    return _managedObjectContext.get();
}

void AppPersistance::openStore() {
    namespace fs = std::filesystem;
    const QString folder = applicationDocumentsDirectory();
    const fs::path folderPath(QFile::encodeName(folder).toStdString());
    QString failureReason =
        QStringLiteral("There was an error creating or loading the application's saved data.");
    bool shouldFail = false;
    std::optional<StoreError> failError;

    std::error_code statusError;
    const fs::file_status status = fs::status(folderPath, statusError);
    if (status.type() == fs::file_type::not_found) {
        std::error_code createError;
        fs::create_directories(folderPath, createError);
        if (createError)
            failError = StoreError{QStringLiteral("The folder ") + folder +
                                       QStringLiteral(" could not be created."),
                                   QString::fromStdString(createError.message())};
    } else if (statusError) {
        failError = StoreError{QStringLiteral("The folder ") + folder +
                                   QStringLiteral(" could not be read."),
                               QString::fromStdString(statusError.message())};
    } else if (!fs::is_directory(status)) {
        failureReason =
            QStringLiteral("Expected a folder to store application data, found a file ") + folder +
            QStringLiteral(".");
        shouldFail = true;
    }

    if (!failError && !shouldFail) {
        StoreError openError;
        _persistentStoreCoordinator = PersistentStoreCoordinator::openSQLiteStore(
            QDir(folder).filePath(kStoreFileName), openError);
        if (!_persistentStoreCoordinator)
            failError = openError;
    }

    if (failError) {
        _errorPresenter->presentError(*failError);
        return;
    }
    if (shouldFail) {
        _errorPresenter->presentError(
            {QStringLiteral("Failed to initialize the application's saved data"), failureReason});
        return;
    }
    _managedObjectContext = std::make_unique<ManagedObjectContext>(*_persistentStoreCoordinator);
}

ManagedObjectContext* AppPersistance::configurationContext() const {
    return _configuration ? _configuration->context() : nullptr;
}

void AppPersistance::importDataFormAmpraOne() {
    const QDir folder(applicationDocumentsDirectory());
    const QString statusFile = folder.filePath(kAmpraOneStatusFileName);
    const QString movedFile =
        folder.filePath(kAmpraOneFolder + QStringLiteral("/") + kAmpraOneStatusFileName);
    if (!QFileInfo::exists(statusFile)) {
        // An import cut short (a kill, a power loss) left the file moved and nothing stored: it is
        // read again, until a migrated record shows that it went through.
        if (!QFileInfo::exists(movedFile) || holdsMigratedRecords()) {
            LOG4CPLUS_WARN(_logger, "Web version: no ampra 1 migration data found");
            return;
        }
        LOG4CPLUS_INFO(_logger, "Resuming the ampra 1 migration from " << movedFile.toStdString());
    } else if (!folder.mkpath(kAmpraOneFolder) || !QFile::rename(statusFile, movedFile)) {
        // Moved before it is read, so that a second file never adds its entries again.
        LOG4CPLUS_WARN(_logger, "Error On moving ampra 1 status file for migration.");
        return;
    }
    const auto status = PropertyListDictionary::read(movedFile);
    if (!status) {
        LOG4CPLUS_ERROR(_logger, "Error On reading ampra 1 status file " << movedFile.toStdString()
                                                                         << " for migration");
        return;
    }

    ManagedObjectContext* context = configurationContext();
    if (const auto history = status->stringArray("CalibrationHistoryArray")) {
        for (const QString& text : *history) {
            const auto date = dateFromAmpra1FormatedDate(text);
            if (date && context) {
                Calibration calibration(*context);
                calibration.setDate(date);
            }
        }
    }
    const auto capacities = status->stringArray("CapacityArray");
    const auto dates = status->stringArray("DateArray");
    if (capacities && dates)
        insertCapacities(*capacities, *dates);
    // One transaction: a kill leaves either everything or nothing stored.
    _persistData();
}

// Records of the migration are the only ones without a cycle count.
bool AppPersistance::holdsMigratedRecords() {
    ManagedObjectContext* context = configurationContext();
    if (!context)
        return false;
    for (const QString& entity : {Calibration::kEntityName, BatteryStatusSnapshot::kEntityName})
        for (const ManagedObject& record :
             context->fetchNewest(entity, 0).value_or(std::vector<ManagedObject>()))
            if (!record.cycleCount())
                return true;
    return false;
}

std::optional<QDateTime> AppPersistance::dateFromAmpra1FormatedDate(const QString& text) const {
    if (_ampraOneMonths.isEmpty()) {
        const QLocale locale = QLocale::system();
        for (int month = 1; month <= 12; ++month)
            _ampraOneMonths << locale.monthName(month, QLocale::ShortFormat);
        _localZone = QTimeZone::systemTimeZone();
    }
    // The old file writes every date alike ("Mar 05, 2016"), which is read here at a fraction of
    // the locale's general parser's cost; anything else goes to that parser.
    QDate date = dateInAmpraOneForm(text);
    if (!date.isValid())
        date = QLocale::system().toDate(text, QStringLiteral("MMM dd, yyyy"));
    if (!date.isValid()) {
        LOG4CPLUS_ERROR(_logger, "Error On parsing date " << text.toStdString()
                                                          << " during ampra 1 migration");
        return std::nullopt;
    }
    // Local midnight, or the first moment of a day that starts later.
    return date.startOfDay(*_localZone).toUTC();
}

QDate AppPersistance::dateInAmpraOneForm(QStringView text) const {
    const auto digits = [](QStringView part) {
        return std::all_of(part.begin(), part.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    const qsizetype space = text.indexOf(u' ');
    if (space < 1 || text.size() != space + 9 || text.mid(space + 3, 2) != u", " ||
        !digits(text.mid(space + 1, 2)) || !digits(text.mid(space + 5)))
        return {};
    const int month = int(_ampraOneMonths.indexOf(text.left(space))) + 1;
    return month > 0 ? QDate(text.mid(space + 5).toInt(), month, text.mid(space + 1, 2).toInt())
                     : QDate();
}

std::optional<quint64> AppPersistance::capacityFromAmpra1FormatedString(const QString& text) const {
    static const QRegularExpression pattern(QStringLiteral("\\d+"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!pattern.isValid()) {
        LOG4CPLUS_ERROR(_logger, "Error On parsing capacities during ampra 1 migration "
                                     << pattern.errorString().toStdString() << ", "
                                     << "offset " << pattern.patternErrorOffset());
        return std::nullopt;
    }
    // The old texts end in a character that is never part of the number: it is not searched.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.toEnd();
    const qsizetype searched = characters.toPreviousBoundary();
    if (searched <= 0)
        return std::nullopt;
    QStringList runs;
    for (auto it = pattern.globalMatch(text.left(searched)); it.hasNext();)
        runs << it.next().captured();
    if (runs.size() != 2)
        return std::nullopt;
    bool isNumber = false;
    const quint64 capacity = runs.at(1).toULongLong(&isNumber);
    if (!isNumber) {
        LOG4CPLUS_ERROR(_logger, "Error On parsing capacity " << text.toStdString()
                                                              << " during ampra 1 migration");
        return std::nullopt;
    }
    return capacity;
}

void AppPersistance::loadCapacitiesFromArray(const QStringList& capacities,
                                             const QStringList& dates) {
    insertCapacities(capacities, dates);
    _persistData();
}

void AppPersistance::insertCapacities(const QStringList& capacities, const QStringList& dates) {
    if (capacities.size() != dates.size() || capacities.isEmpty())
        return;
    ManagedObjectContext* context = configurationContext();
    for (qsizetype i = 0; i < capacities.size(); ++i) {
        const auto capacity = capacityFromAmpra1FormatedString(capacities.at(i));
        if (!capacity)
            continue;
        const auto date = dateFromAmpra1FormatedDate(dates.at(i));
        if (!date || !context)
            continue;
        BatteryStatusSnapshot snapshot(*context);
        snapshot.setDate(date);
        snapshot.setCapacity(capacity);
    }
}

void AppPersistance::_persistData() {
    ManagedObjectContext* context = configurationContext();
    if (!context || !context->hasChanges())
        return;
    StoreError error;
    if (!context->save(&error))
        LOG4CPLUS_ERROR(_logger, "Error On saving Calibrations during ampra 1 migration "
                                     << error.description.toStdString() << ", "
                                     << error.failureReason.toStdString());
}
