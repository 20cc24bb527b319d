// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <cstdint>

// Which battery image the status item shows, in which colours, at which charge.
struct StatusBarIcon {
    // `percentage`: a wide battery with the charge written inside, on mains as on battery.
    enum class Kind { verticalBattery, horizontalBattery, charging, chargingH, percentage };

    Kind kind;
    QColor strokeColor;
    QColor fillColor;
    uint64_t chargePercentage;
    // Around outline and bolt, in the opposite lightness, so that the icon shows on a panel of
    // either lightness; none for the plain icon.
    QColor haloColor = {};

    // The frame in points; the panel's slot is 22 points high.
    QSizeF frameSize() const;
    // Everything the image depends on besides its size: equal texts draw equal images.
    QByteArray drawnFrom() const;
    // Drawn for a square slot of `pixels`: the frame scaled to the slot, never a scaled bitmap.
    // With a halo the image grows by the halo's width as far as the slot allows, so that the halo
    // has room beside a narrow battery; the host centres it.
    QImage draw(int pixels) const;

private:
    QImage drawFrame(const QRectF& frame) const;
};
