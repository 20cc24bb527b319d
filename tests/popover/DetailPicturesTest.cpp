// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Renders the detail views in the situations worth looking at, at scale 1 and 2, into
// <build>/detail-pictures.

#include "battery/BatteryData.h"
#include "calibration/CalibrationData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/AppPersistance.h"
#include "persistence/BatteryStatusSnapshot.h"
#include "persistence/Calibration.h"
#include "persistence/ManagedObjectContext.h"
#include "persistence/SettingsStore.h"
#include "popover/AMPCapacityVC.h"
#include "popover/AMPChargeVC.h"
#include "popover/AMPHealthVC.h"
#include "shell/Translations.h"
#include "stylekit/AmpraStyleKit.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Situation {
    const char* name;
    std::function<void(BatteryData&)> reading; // none: no data yet
    std::function<QWidget*(GlobalConfigurationProvider&)> view;
    std::function<void(QWidget&)> action = nullptr;
};

QWidget* charge(GlobalConfigurationProvider& configuration) {
    return new AMPChargeVC(configuration);
}
QWidget* capacity(GlobalConfigurationProvider& configuration) {
    return new AMPCapacityVC(configuration);
}
QWidget* health(GlobalConfigurationProvider& configuration) {
    return new AMPHealthVC(configuration);
}

const Situation situations[] = {
    {"charge-no-data", nullptr, charge},
    {"charge-on-battery",
     [](BatteryData& battery) {
         battery.powerSource = PowerSourceType::batteryPowered;
         battery.timeToEmpty = 125;
     },
     charge},
    {"charge-full", [](BatteryData& battery) { battery.isCharged = true; }, charge},
    {"capacity-history", [](BatteryData&) {}, capacity},
    {"capacity-cycles-help", [](BatteryData&) {}, capacity,
     [](QWidget& view) {
         static_cast<AMPCapacityVC&>(view).cyclesHelpAction();
     }},
    {"health-good", [](BatteryData&) {}, health},
    {"health-check-help",
     [](BatteryData& battery) { battery.batteryHealth = BatteryHealthType::check; }, health,
     [](QWidget& view) {
         static_cast<AMPHealthVC&>(view).healthHelpAction();
     }},
};

class DetailPicturesTest : public testing::TestWithParam<Situation> {};

TEST_P(DetailPicturesTest, DrawsTheSituation) {
    const Situation& situation = GetParam();
    const Translations english{QLocale(QLocale::English)};
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{store};
    AppPersistance persistance{&configuration, dir.filePath(u"com.vantrel.Ampra"_s)};
    configuration.setDataStore(&persistance);
    ManagedObjectContext& context = *persistance.managedObjectContext();
    // Two years of snapshots, the capacity wavering as it falls, and three calibrations.
    const QDateTime first(QDate(2023, 2, 1), QTime(12, 0), Qt::LocalTime);
    for (int i = 0; i < 82; ++i) {
        BatteryStatusSnapshot snapshot(context);
        snapshot.setDate(first.addDays(9 * i));
        snapshot.setCapacity(4950 - quint64(4 * i) - quint64((i * 37) % 23));
        snapshot.setCycleCount(quint64(40 + 3 * i));
    }
    for (int day : {150, 390, 640}) {
        Calibration calibration(context);
        calibration.setDate(first.addDays(day));
    }
    ASSERT_TRUE(context.save());

    BatteryData battery;
    battery.currentChargePercentage = 73;
    battery.cycleCount = 312;
    battery.designCycleCount = 1000;
    battery.designCapacity = 5000;
    battery.currectCapacity = 4600;
    battery.batteryHealth = BatteryHealthType::good;
    CalibrationData data{battery, CalibrationState::calibrated, AlgorithmState::initCalibration};

    std::unique_ptr<QWidget> view(situation.view(configuration));
    QPalette light = view->palette();
    light.setColor(QPalette::Window, AmpraStyleKit::popOverBackgroundColor());
    view->setPalette(light);
    view->setAutoFillBackground(true);
    if (situation.reading) {
        situation.reading(battery);
        dynamic_cast<AMPBatteryDataAwareInterface&>(*view).refreshContentWithData(data);
    }
    if (situation.action)
        situation.action(*view);
    view->resize(440, view->heightForWidth(440) > 0 ? view->heightForWidth(440)
                                                    : view->sizeHint().height());

    const QString folder = QStringLiteral(AMPRA_BUILD_DIR "/detail-pictures");
    QDir().mkpath(folder);
    for (int scale : {1, 2}) {
        QImage image(view->size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        view->render(&image);
        const QString suffix = scale == 1 ? QString() : u"@2x"_s;
        ASSERT_TRUE(
            image.save(folder + u'/' + QLatin1StringView(situation.name) + suffix + u".png"_s));
        // The background is drawn all over, and something stands on it.
        EXPECT_EQ(image.pixelColor(1, 1).rgb(), AmpraStyleKit::popOverBackgroundColor().rgb());
        EXPECT_NE(image.convertToFormat(QImage::Format_Indexed8).colorCount(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Situations, DetailPicturesTest, testing::ValuesIn(situations),
                         [](const testing::TestParamInfo<Situation>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
