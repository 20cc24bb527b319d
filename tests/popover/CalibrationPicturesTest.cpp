// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCalibrationVC.h"
#include "shell/Translations.h"
#include "stylekit/AmpraStyleKit.h"
#include "support/FakeDateProvider.h"

#include <QDir>
#include <QLayout>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The view in every state of the calibration, at one and two pixels per point, for people to
// look at: build/pictures/calibration/.
class CalibrationPicturesTest : public testing::Test {
protected:
    CalibrationPicturesTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        configuration.setDataStore(&dataStore);
        for (int month = 1; month <= 3; ++month) {
            Calibration calibration(*configuration.context());
            calibration.setDate(clock.now().addMonths(-month));
            calibration.setCapacity(4700 - 40 * month);
            calibration.setCycleCount(300 - 25 * month);
        }
        configuration.context()->save();
        battery.designCapacity = 5000;
    }
    ~CalibrationPicturesTest() override { QLocale::setDefault(QLocale::c()); }

    // Renders the view and checks that it is drawn, at twice the size on the second scale.
    void picture(AMPCalibrationVC& view, const QString& name) {
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.show();
        view.layout()->activate();
        view.resize(qMax(kWidth, view.minimumSizeHint().width()), view.sizeHint().height());
        QDir().mkpath(kFolder);
        for (int scale : {1, 2}) {
            QImage image(view.size() * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(AmpraStyleKit::popOverBackgroundColor());
            view.render(&image, {}, {}, QWidget::DrawChildren);
            EXPECT_EQ(image.width(), view.width() * scale);
            EXPECT_GT(image.height(), 200 * scale);
            EXPECT_TRUE(image.save(u"%1/%2@%3x.png"_s.arg(kFolder, name).arg(scale)));
        }
    }

    static constexpr int kWidth = 360;
    const QString kFolder = QStringLiteral(AMPRA_BUILD_DIR "/pictures/calibration");
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{store};
    AppPersistance dataStore{&configuration, dir.path()};
    FakeDateProvider clock{QDateTime(QDate(2024, 3, 1), QTime(9, 0))};
    BatteryData battery;
    Translations texts{QLocale(QLocale::English, QLocale::UnitedStates)};
};

TEST_F(CalibrationPicturesTest, EveryStateOfTheCalibration) {
    struct Row {
        const char* name;
        AlgorithmState state;
        CalibrationState schedule;
        uint64_t toFull, toEmpty;
        double timer;
    };
    const Row rows[] = {
        {"off", AlgorithmState::calibrationOff, CalibrationState::calibrated, 0, 0, 0},
        {"step1-charging", AlgorithmState::charging, CalibrationState::pendingCalibration, 48, 0,
         0},
        {"step2-fully-charged", AlgorithmState::fullyCharged, CalibrationState::pendingCalibration,
         0, 0, 5400},
        {"step3-disconnect", AlgorithmState::disconnectAdapter, CalibrationState::postponed, 0, 0,
         0},
        {"step4-discharging", AlgorithmState::discharging, CalibrationState::calibrated, 0, 95, 0},
        {"step5-turn-it-off", AlgorithmState::turnItOff, CalibrationState::pendingCalibration, 0, 0,
         0},
        {"computer-off", AlgorithmState::computerOff, CalibrationState::pendingCalibration, 0, 0,
         0},
        {"step6-done", AlgorithmState::calibrationDone, CalibrationState::calibrated, 30, 0, 0},
    };
    for (const Row& row : rows) {
        AMPCalibrationVC view(configuration, clock);
        battery.timeToFull = row.toFull;
        battery.timeToEmpty = row.toEmpty;
        CalibrationData data(battery, row.schedule, row.state);
        data.timeRemainingInRunningTimer = row.timer;
        data.nextCalibrationDate = row.schedule == CalibrationState::pendingCalibration
                                       ? clock.now()
                                       : clock.now().addDays(12);
        view.refreshContentWithData(data);
        picture(view, QString::fromLatin1(row.name));
    }
}

TEST_F(CalibrationPicturesTest, TheOpenBlocks) {
    CalibrationData data(battery, CalibrationState::calibrated, AlgorithmState::discharging);
    data.nextCalibrationDate = clock.now().addDays(20);
    const std::pair<const char*, void (AMPCalibrationVC::*)()> blocks[] = {
        {"help-next-date", &AMPCalibrationVC::nextCalibrationHelpAction},
        {"help-calibration", &AMPCalibrationVC::calibrationHelpAction},
        {"history", &AMPCalibrationVC::showCalibrationHistoryAction}};
    for (const auto& [name, toggle] : blocks) {
        AMPCalibrationVC view(configuration, clock);
        view.refreshContentWithData(data);
        (view.*toggle)();
        picture(view, QString::fromLatin1(name));
    }
}

} // namespace
