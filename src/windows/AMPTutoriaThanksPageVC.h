// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include "AMPTutorialFormattedPageVC.h"

// The tutorial's last page: its button opens the popover and closes the tutorial.
class AMPTutoriaThanksPageVC : public AMPTutorialFormattedPageVC {
    Q_OBJECT

public:
    AMPTutoriaThanksPageVC(QWidget& view, SettingsStore& store, WindowActions& actions,
                           QObject* parent = nullptr);

    void startUsingAmpraAction();
};
