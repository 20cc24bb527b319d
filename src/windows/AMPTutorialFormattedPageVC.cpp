// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AMPTutorialFormattedPageVC.h"

#include "SettingsBinding.h"
#include "stylekit/TextStyles.h"

#include <QCheckBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

void applyStyle(QLabel& label, const StyledText& style, bool title) {
    style.applyTo(label);
    // Without the kit's family a title still stands out from the text.
    if (!style.font && title) {
        QFont font = label.font();
        font.setPointSizeF(font.pointSizeF() * 1.4);
        font.setBold(true);
        label.setFont(font);
    }
    // A page's text runs over several lines and reads from the top.
    if (style.paragraph)
        label.setAlignment(style.paragraph->alignment | Qt::AlignTop);
}

} // namespace

AMPTutorialFormattedPageVC::AMPTutorialFormattedPageVC(QWidget& view, SettingsStore& store,
                                                       WindowActions& actions, QObject* parent)
    : QObject(parent)
    , _view(view)
    , _actions(actions) {
    viewDidLoad();
    if (auto* startAtLogin = _view.findChild<QCheckBox*>(u"startAtLoginCheckBox"_s))
        SettingsBinding::bindStartAtLogin(*startAtLogin, store, actions);
}

void AMPTutorialFormattedPageVC::viewDidLoad() {
    const auto labels = _view.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel* label : labels) {
        const bool title = label->property("tag").toInt() != 0;
        const QString text = label->text();
        applyStyle(*label,
                   title ? AmpraStyleKit::tutorialTitleAttributedStringWithValue(text)
                         : AmpraStyleKit::tutorialTextAttributedStringWithValue(text),
                   title);
    }
}
