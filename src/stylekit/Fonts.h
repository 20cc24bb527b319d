// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <QFont>
#include <QString>
#include <optional>

// The named fonts.
namespace AmpraStyleKit {

// Each returns the named font, or the system font at 12 points when it is not installed.
QFont basicLabelFont(qreal size);
QFont basicValueFont();
QFont HelpTitleFont();
QFont HelpTextFont();
QFont StepsInformationFont();
// The capacity chart's axis labels and legend: small enough for five dates under the plot.
QFont chartLabelFont();

// The font a PostScript name ("AvenirNext-DemiBold") stands for, when it is installed.
std::optional<QFont> installedFont(const QString& postScriptName, qreal size);
// The same, or the system font at 12 points when it is not installed.
QFont namedFont(const QString& postScriptName, qreal size);

} // namespace AmpraStyleKit
