// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "StyledText.h"

#include <QString>

// The text styles: a value with the font, colour and paragraph of its place in a view.
namespace AmpraStyleKit {

StyledText appTitleAttributedStringWithValue(const QString& value);
StyledText ringTitleAttributedStringWithValue(const QString& value);
StyledText basicLabelAttributedStringWithValue(const QString& value);
StyledText stepTitleAttributedStringWithValue(const QString& value);
StyledText basicValueAttributedStringWithValue(const QString& value);
StyledText StepsInformationAttributedStringWithValue(const QString& value);
StyledText helpTitleAttributedStringWithValue(const QString& value);
StyledText helpTextAttributedStringWithValue(const QString& value);
StyledText tableTextAttributedStringWithValue(const QString& value);
StyledText tableTitleAttributedStringWithValue(const QString& value);
StyledText tutorialTextAttributedStringWithValue(const QString& value);
StyledText tutorialTitleAttributedStringWithValue(const QString& value);

} // namespace AmpraStyleKit
