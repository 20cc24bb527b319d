// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "LoggingErrorPresenter.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <log4cplus/logger.h>
#include <memory>
#include <optional>

class ErrorPresenter;
class GlobalConfigurationProvider;
class ManagedObjectContext;
class PersistentStoreCoordinator;

// Owns the data store "Ampra.storedata" in the application folder, opened on the first read of
// its context, and migrates the previous generation's history file.
class AppPersistance {
public:
    inline static const QString kStoreFileName = QStringLiteral("Ampra.storedata");
    inline static const QString kAmpraOneStatusFileName = QStringLiteral("savedStatus.plist");
    inline static const QString kAmpraOneFolder = QStringLiteral("ampra1/com.vantrel.ampra");

    // applicationFolder: ApplicationFolder::path() when empty. errorPresenter: shows the user a
    // store that cannot be opened; without one the error is logged.
    explicit AppPersistance(GlobalConfigurationProvider* configuration = nullptr,
                            const QString& applicationFolder = {},
                            ErrorPresenter* errorPresenter = nullptr);
    ~AppPersistance();
    AppPersistance(const AppPersistance&) = delete;
    AppPersistance& operator=(const AppPersistance&) = delete;

    QString applicationDocumentsDirectory();
    // Opens the store on the first call; none for the rest of the run if that failed.
    ManagedObjectContext* managedObjectContext();

    void importDataFormAmpraOne();
    std::optional<QDateTime> dateFromAmpra1FormatedDate(const QString& text) const;
    std::optional<quint64> capacityFromAmpra1FormatedString(const QString& text) const;
    void loadCapacitiesFromArray(const QStringList& capacities, const QStringList& dates);
    void _persistData();

private:
    void openStore();
    // Inserts the snapshots of the two parallel arrays without saving them.
    void insertCapacities(const QStringList& capacities, const QStringList& dates);
    bool holdsMigratedRecords();
    // A date as the old file writes it, in the system locale's month names; invalid otherwise.
    QDate dateInAmpraOneForm(QStringView text) const;
    ManagedObjectContext* configurationContext() const;

    GlobalConfigurationProvider* _configuration;
    log4cplus::Logger _logger;
    QString _applicationDocumentsDirectory;
    LoggingErrorPresenter _loggingErrorPresenter;
    ErrorPresenter* _errorPresenter;
    // Looked up on the first date parsed: the migration parses one per entry.
    mutable QStringList _ampraOneMonths;
    mutable std::optional<QTimeZone> _localZone;
    bool _storeOpenAttempted = false;
    std::unique_ptr<PersistentStoreCoordinator> _persistentStoreCoordinator;
    std::unique_ptr<ManagedObjectContext> _managedObjectContext;
};
