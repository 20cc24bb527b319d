// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "AccessibleViews.h"

#include "AMPCalibrationStepV.h"
#include "ExpandCollapseButton.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A step of the strip: a tab, selected while it is the step shown.
class StepTabInterface : public QAccessibleWidget {
public:
    explicit StepTabInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::PageTab) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = static_cast<AMPCalibrationStepV*>(widget())->isChosen();
        return state;
    }
};

// A ring is a toggle button, checked while its view is open; a help button says whether its
// block is open. Both press like any button.
class ButtonInterface : public QAccessibleWidget {
public:
    explicit ButtonInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const auto* button = static_cast<QAbstractButton*>(widget());
        state.checkable = button->isCheckable();
        state.checked = button->isChecked();
        if (const auto* help = qobject_cast<const ExpandCollapseButton*>(button)) {
            state.expandable = true;
            state.expanded = help->isOpen();
            state.collapsed = !help->isOpen();
        }
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<QAbstractButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(name);
    }
};

// A block of text that takes the focus, read as the texts it shows.
class TextBlockInterface : public QAccessibleWidget {
public:
    explicit TextBlockInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Section) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        QStringList texts;
        for (const QLabel* label : widget()->findChildren<QLabel*>()) {
            if (label->isVisibleTo(widget()) && !label->text().isEmpty())
                texts.append(label->text());
        }
        return texts.join(u' ');
    }
};

template <typename Interface> QAccessibleInterface* make(QWidget* widget) {
    return new Interface(widget);
}

template <QAccessible::Role role> QAccessibleInterface* withRole(QWidget* widget) {
    return new QAccessibleWidget(widget, role);
}

constexpr std::pair<QLatin1StringView, QAccessibleInterface* (*)(QWidget*)> kInterfaces[] = {
    {"AMPCalibrationStepV"_L1, make<StepTabInterface>},
    {"ExpandCollapseButton"_L1, make<ButtonInterface>},
    {"RingButton"_L1, make<ButtonInterface>},
    {"AMPStepInfoVC"_L1, make<TextBlockInterface>},
    {"AMPNoEventsView"_L1, make<TextBlockInterface>},
    {"AMPHelpBackgroundV"_L1, make<TextBlockInterface>},
    {"AMPCalibrationStepsV"_L1, withRole<QAccessible::PageTabList>},
    {"CapacityChart"_L1, withRole<QAccessible::Chart>},
    {"PopoverWindow"_L1, withRole<QAccessible::Window>},
    {"AMPPreferencesTabVC"_L1, withRole<QAccessible::Window>},
    {"AMPTutorialPageController"_L1, withRole<QAccessible::Window>},
    {"BatteryDataHijackWC"_L1, withRole<QAccessible::Window>},
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    for (const auto& [name, create] : kInterfaces) {
        if (className == name)
            return create(widget);
    }
    return nullptr;
}

// Enter on a button that Qt leaves alone (any but a dialog's default) clicks it.
class EnterClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button =
            qobject_cast<QAbstractButton*>(static_cast<QWidget*>(watched)->focusWidget());
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !button || !button->isEnabled())
            return QObject::eventFilter(watched, event);
        button->click();
        return true;
    }
};

} // namespace

void AccessibleViews::install() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed)
}

void AccessibleViews::clickButtonsOnEnter(QWidget& window) {
    install();
    window.installEventFilter(new EnterClicks(&window));
}
