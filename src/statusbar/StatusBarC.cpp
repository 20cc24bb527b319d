// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "StatusBarC.h"

#include "StatusBarCDelegate.h"
#include "StatusItemHost.h"
#include "battery/BatteryData.h"
#include "persistence/GlobalConfigurationProvider.h"
#include "persistence/PreferenceProvider.h"
#include "stylekit/AmpraStyleKit.h"
#include "stylekit/AppearanceProvider.h"

#include <QTime>
#include <QTimer>
#include <log4cplus/loggingmacros.h>

StatusBarC::StatusBarC(GlobalConfigurationProvider& configuration, StatusItemHost* statusItem,
                       const AppearanceProvider& appearance)
    : _configuration(configuration)
    , _statusItem(statusItem)
    , _appearance(appearance)
    , _logger(log4cplus::Logger::getInstance("ui.statusbar")) {
    if (!_statusItem)
        return;
    _statusItem->setClickHandler(
        [this](const StatusItemClick& click, Qt::KeyboardModifiers modifiers) {
            toolbarClick(click, modifiers);
        });
    _statusItem->setPreferencesHandler([this] {
        if (delegate)
            delegate->statusBarControllerRequestForPreferencesWindow(*this);
    });
    connect(&_appearance, &AppearanceProvider::interfaceStyleChanged, this, [this] {
        if (_shownData)
            refreshContentWithData(*_shownData);
    });
}

// The item belongs to the platform, which outlives this controller.
StatusBarC::~StatusBarC() {
    if (!_statusItem)
        return;
    _statusItem->setClickHandler({});
    _statusItem->setPreferencesHandler({});
}

void StatusBarC::setState(bool highlighted) {
    if (!_statusItem)
        return;
    QTimer::singleShot(0, this, [this, highlighted] { _statusItem->setHighlighted(highlighted); });
}

void StatusBarC::toolbarClick(const StatusItemClick& click, Qt::KeyboardModifiers modifiers) {
    // A control-click is left alone entirely, as the press of a modifier-driven gesture.
    if (modifiers & Qt::ControlModifier)
        return;
    if (_statusItem)
        _statusItem->setHighlighted(true);
    if (delegate)
        delegate->statusBarControllerRequest(*this, click);
}

void StatusBarC::refreshContentWithData(const CalibrationData& data) {
    if (!_statusItem)
        return;
    _shownData = data;
    const StatusBarContent content = contentForData(data);
    StatusItemHost::ImageDrawer drawer;
    QByteArray drawnFrom;
    if (content.icon) {
        drawer = [icon = *content.icon](int pixels) {
            return icon.draw(pixels);
        };
        drawnFrom = content.icon->drawnFrom();
    }
    _statusItem->setContent(drawer, drawnFrom, content.title.value_or(QString()), content.toolTip,
                            content.isTemplate);
}

StatusBarContent StatusBarC::contentForData(const CalibrationData& data) const {
    const PreferenceProvider& preferences = _configuration.preferences();
    const bool showIcon = preferences.showIcon();
    const bool lightStyle = _appearance.interfaceStyle() == QLatin1String("Light");
    StatusBarContent content;
    QString text = title(data.batteryData(), preferences.showTime(), preferences.showPercentage());
    if (text.isEmpty() && !showIcon)
        text = QStringLiteral("A"); // the item must always show something
    if (!text.isEmpty())
        content.title = text;
    //: Tooltip of the tray icon, also the only line some panels show on hover; %1 is the charge
    //: and the time left, as "70% (2:05)"
    content.toolTip = tr("Ampra — %1").arg(title(data.batteryData(), true, true));
    if (showIcon)
        content.icon = buttonImageWithData(data.batteryData(), lightStyle);
    // A title drawn alone follows the panel's colours as the icon does.
    content.isTemplate = !lightStyle;
    return content;
}

QString StatusBarC::title(const BatteryData& batteryData, bool showTime, bool showPercentage) {
    QString percentage =
        showPercentage ? QString::number(batteryData.currentChargePercentage) + u'%' : QString();
    if (!showTime)
        return percentage;
    // A battery held at its charge limit waits for nothing, as a charged one.
    const bool settled = batteryData.isCharged || batteryData.isHeldAtChargeLimit();
    QString time;
    if (batteryData.timeToEmpty != 0)
        time = durationText(batteryData.timeToEmpty);
    else if (batteryData.timeToFull != 0)
        time = durationText(batteryData.timeToFull);
    else if (!settled)
        time = QStringLiteral("...");
    // A charged battery's time, if any, joins the percentage without brackets.
    if (showPercentage && !settled)
        time = QStringLiteral(" (") + time + QStringLiteral(")");
    return percentage + time;
}

QString StatusBarC::durationText(uint64_t minutes) {
    // A clock time that many minutes after midnight: a day or more wraps around.
    return QTime(0, 0).addSecs(int((minutes % (24 * 60)) * 60)).toString(QStringLiteral("H:mm"));
}

StatusBarIcon StatusBarC::buttonImageWithData(const BatteryData& batteryData,
                                              bool lightStyle) const {
    const PreferenceProvider& preferences = _configuration.preferences();
    const QColor strokeColor =
        lightStyle ? QColor::fromRgbF(0.22f, 0.243f, 0.263f, 1.0f) : QColor(Qt::white);
    const uint64_t charge = batteryData.currentChargePercentage;
    QColor fillColor = strokeColor;
    if (preferences.useColoredStatusBarIcon() && lightStyle) {
        if (charge <= 19)
            fillColor = AmpraStyleKit::almostEmptyFillColor();
        else if (charge <= 98)
            fillColor = batteryData.isCharging ? AmpraStyleKit::chargingFillColor()
                                               : AmpraStyleKit::dischargingFillColor();
        else if (charge <= 100)
            fillColor = AmpraStyleKit::fullBatteryFillColor();
        else
            LOG4CPLUS_ERROR(_logger, "Unknown charge value to set in the status bar");
    }
    // The panel's lightness is a guess unless the user chose it: the halo covers a wrong guess.
    const QColor haloColor = preferences.panelAppearanceIsAutomatic()
                                 ? QColor(lightStyle ? Qt::white : Qt::black)
                                 : QColor();
    if (preferences.showPercentageInIcon())
        return {StatusBarIcon::Kind::percentage, strokeColor, fillColor, charge, haloColor};
    const bool vertical = preferences.useVerticalIcons();
    if (batteryData.powerSource == PowerSourceType::acPowered)
        return {vertical ? StatusBarIcon::Kind::charging : StatusBarIcon::Kind::chargingH,
                strokeColor, strokeColor, charge, haloColor};
    return {vertical ? StatusBarIcon::Kind::verticalBattery
                     : StatusBarIcon::Kind::horizontalBattery,
            strokeColor, fillColor, charge, haloColor};
}
