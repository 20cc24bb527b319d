// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

// Renders each preferences page, each tutorial page and the battery override window at scale 1
// and 2 into <build>/windows-pictures, and checks the backgrounds the windows set themselves.

#include "battery/BatteryData.h"
#include "persistence/AmpraConfiguration.h"
#include "persistence/SettingsStore.h"
#include "shell/Translations.h"
#include "stylekit/Palette.h"
#include "support/RecordingWindowActions.h"
#include "ui_AMPPreferencesWindow.h"
#include "ui_BatteryDataHijackWC.h"
#include "windows/AMPPreferencesTabVC.h"
#include "windows/AMPTutorialPageController.h"
#include "windows/BatteryDataHijackWC.h"
#include "windows/WindowsController.h"

#include <QDir>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class WindowsPicturesTest : public testing::Test {
protected:
    // The English texts, as a user reads them.
    const Translations english{QLocale(QLocale::English)};
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.json"_s)};
    AmpraConfiguration configuration{store};
    RecordingWindowActions actions;
    WindowsController windows{store, configuration, actions};
    const QString folder = QStringLiteral(AMPRA_BUILD_DIR "/windows-pictures");

    // Both scales of `window`; the colour at `probe` of each.
    QList<QColor> render(QWidget& window, const QString& name, QPoint probe) {
        QDir().mkpath(folder);
        QList<QColor> colours;
        for (int scale : {1, 2}) {
            QImage image(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::transparent);
            window.render(&image);
            EXPECT_TRUE(image.save(u"%1/%2@%3x.png"_s.arg(folder, name).arg(scale)));
            colours.append(image.pixelColor(probe * scale));
        }
        return colours;
    }
};

TEST_F(WindowsPicturesTest, PreferencesPages) {
    windows.showPreferencesWindow();
    AMPPreferencesTabVC& window = *windows.preferencesWindow();
    QTabWidget& tabs = *window.ui().tabView;
    for (int index = 0; index < tabs.count(); ++index) {
        tabs.setCurrentIndex(index);
        QWidget& page = *tabs.currentWidget();
        const QString name = page.objectName().remove(u"AMPPreferences"_s).remove(u"VC"_s);
        // Below the About page's buttons: its own background colour.
        const QPoint probe = page.mapTo(&window, QPoint(4, page.height() - 4));
        const QList<QColor> colours = render(window, u"preferences-"_s + name.toLower(), probe);
        for (const QColor& colour : colours) {
            if (name == u"About"_s) {
                EXPECT_EQ(colour.rgb(), AmpraStyleKit::popOverBackgroundColor().rgb());
            }
        }
    }
}

TEST_F(WindowsPicturesTest, TutorialPages) {
    windows.showTutorialWindow();
    AMPTutorialPageController& tutorial = *windows.tutorialWindow();
    for (int page = 0; page < 3; ++page) {
        tutorial.setSelectedIndex(page);
        for (const QColor& colour : render(tutorial, u"tutorial-%1"_s.arg(page + 1), QPoint(2, 2)))
            EXPECT_EQ(colour.rgb(), AmpraStyleKit::ringHoveredBackgroundColor().rgb()) << page;
    }
}

TEST_F(WindowsPicturesTest, BatteryOverride) {
    BatteryData battery;
    windows.showBatteryDataHijackWindow(battery, [] {});
    BatteryDataHijackWC& window = *windows.batteryDataHijackWindow();
    window.ui().enableHijakingCheckBox->setChecked(true);
    window.ui().workCycleStatusCombo->setCurrentIndex(6);
    window.workCycleStatusCombo(6);
    render(window, u"battery-override"_s, QPoint(2, 2));
}

} // namespace
