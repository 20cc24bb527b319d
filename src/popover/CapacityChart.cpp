// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "CapacityChart.h"

#include "calibration/QtTimerProvider.h"
#include "stylekit/AmpraStyleKit.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

using namespace AmpraStyleKit;

namespace {

constexpr qreal kGap = 6;
constexpr qreal kTickLength = 4;
constexpr qreal kMarkerSize = 4;
constexpr qreal kLegendSample = 16;
// Points closer than this to the pointer, in pixels, are under it.
constexpr qreal kHoverTolerance = 8;
// Fewer points than this get a dot each; more would make a bead chain.
constexpr size_t kMaximumDots = 40;
// How long a width holds before the history is read for it: a window dragged wider would
// otherwise read it at every step.
constexpr double kSettleSeconds = 0.2;

// A one-pixel line through the middle of a pixel covers whole pixels at scale 1 and 2.
qreal crisp(qreal coordinate) {
    return std::floor(coordinate) + 0.5;
}

QColor faded(QColor color, qreal alpha) {
    color.setAlphaF(float(alpha));
    return color;
}

QPainterPath diamond(QPointF centre) {
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - kMarkerSize);
    path.lineTo(centre.x() + kMarkerSize, centre.y());
    path.lineTo(centre.x(), centre.y() + kMarkerSize);
    path.lineTo(centre.x() - kMarkerSize, centre.y());
    path.closeSubpath();
    return path;
}

// A point of the plot given as fractions of it, from its bottom left.
QPointF position(const QRectF& plot, QPointF fraction) {
    return {plot.left() + fraction.x() * plot.width(),
            plot.bottom() - fraction.y() * plot.height()};
}

QPen dashed(const QColor& color) {
    QPen pen(color, 1);
    pen.setDashPattern({4, 3});
    return pen;
}

} // namespace

CapacityChart::CapacityChart(QWidget* parent, std::unique_ptr<TimerProvider> settle)
    : QWidget(parent)
    , _settle(settle ? std::move(settle) : std::make_unique<QtTimerProvider>()) {
    setMouseTracking(true);
    // Tab reaches the chart and the arrow keys walk its points, as the pointer does; a click
    // leaves the focus where it was, so the pointer never brings up the focus frame.
    setFocusPolicy(Qt::TabFocus);
    setFont(chartLabelFont());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    //: Accessible name of the chart of the full charge capacity over time
    setAccessibleName(tr("Capacity over time"));
    setVisible(false);
}

void CapacityChart::setContext(const ManagedObjectContext* context) {
    _context = context;
    load();
}

int CapacityChart::columns() const {
    return int(std::ceil(width() * devicePixelRatioF()));
}

void CapacityChart::load() {
    _settle->stopTimer();
    _loadedColumns = columns();
    std::optional<BatteryHistory> history;
    if (_context)
        history = BatteryHistory::fetchForChart(*_context, _loadedColumns);
    _history = std::move(history).value_or(BatteryHistory());
    refresh();
}

void CapacityChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (columns() == _loadedColumns)
        return;
    // The first frame is drawn for the width it is shown at.
    if (!isVisible()) {
        load();
        return;
    }
    _settle->stopTimer();
    _settle->startTimerForObject([this] { load(); }, kSettleSeconds);
}

void CapacityChart::setDesignCapacity(std::optional<quint64> designCapacity) {
    _designCapacity = designCapacity;
    refresh();
}

void CapacityChart::refresh() {
    const QLocale locale;
    _content = CapacityChartContent::forHistory(_history, _designCapacity, locale);
    _hovered.reset();
    setVisible(!_content.points.empty());
    if (_content.points.empty())
        return;
    const CapacityChartContent::Point& first = _content.points.front();
    const CapacityChartContent::Point& last = _content.points.back();
    //: Accessible description of the capacity chart: first and last date, first and last
    //: capacity in mAh, and how many calibrations it marks
    _summary = tr("From %1 to %2 the full charge capacity went from %3 to %4 mAh; "
                  "%n calibration(s) marked.",
                  nullptr, int(_content.calibrations.size()))
                   .arg(locale.toString(first.date.date(), QLocale::LongFormat),
                        locale.toString(last.date.date(), QLocale::LongFormat),
                        locale.toString(first.capacity), locale.toString(last.capacity));
    setAccessibleDescription(_summary);
    update();
}

QString CapacityChart::pointText(const CapacityChartContent::Point& point) {
    const QLocale locale;
    const QString date = locale.toString(point.date.date(), QLocale::ShortFormat);
    if (!point.cycleCount)
        //: Tooltip of a point of the capacity chart without a cycle count: its date and capacity
        return tr("%1\nCapacity: %2 mAh").arg(date, locale.toString(point.capacity));
    //: Tooltip of a point of the capacity chart: its date, capacity and cycle count
    return tr("%1\nCapacity: %2 mAh\nCycles: %3")
        .arg(date, locale.toString(point.capacity), locale.toString(*point.cycleCount));
}

QSize CapacityChart::sizeHint() const {
    const QFontMetricsF metrics(font());
    // The legend, a plot of six lines of text and the date labels.
    return {300, int(std::ceil(metrics.height() * 8 + kGap * 3 + kTickLength + kMarkerSize * 2))};
}

QRectF CapacityChart::plotArea() const {
    const QFontMetricsF metrics(font());
    qreal labelWidth = 0;
    for (const CapacityChartContent::Tick& tick : _content.capacityTicks)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(tick.label));
    // The legend, then the calibrations' marks over the plot.
    const qreal top = metrics.height() + kGap * 2 + kMarkerSize * 2;
    const qreal bottom = height() - metrics.height() - kTickLength - kGap;
    // Room on the right for half a date label, which is centred on its tick.
    const qreal right = width() - 1 - metrics.averageCharWidth() * 4;
    return QRectF(QPointF(std::ceil(labelWidth) + kGap, std::round(top)),
                  QPointF(std::round(right), std::round(bottom)));
}

void CapacityChart::paintEvent(QPaintEvent*) {
    if (_content.points.empty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    // Worked out once: every point of the line is placed in it.
    const QRectF plot = plotArea();
    drawAxes(painter, plot);
    drawLegend(painter, plot);
    drawRecords(painter, plot);
    if (hasFocus()) {
        painter.setPen(dashed(faded(mainLabelTextColor(), 0.6)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(plot.adjusted(-kGap / 2, -kGap / 2, kGap / 2, kGap / 2), 3, 3);
    }
}

void CapacityChart::drawAxes(QPainter& painter, const QRectF& plot) const {
    const QFontMetricsF metrics(font());
    for (const CapacityChartContent::Tick& tick : _content.capacityTicks) {
        const qreal y = crisp(position(plot, {0, tick.position}).y());
        painter.setPen(QPen(faded(mainLabelTextColor(), tick.position == 0 ? 0.6 : 0.2), 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(mainLabelTextColor());
        const QRectF label(0, y - metrics.height() / 2, plot.left() - kGap, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    for (const CapacityChartContent::Tick& tick : _content.dateTicks) {
        const qreal x = crisp(position(plot, {tick.position, 0}).x());
        painter.setPen(QPen(faded(mainLabelTextColor(), 0.6), 1));
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
        const qreal width = metrics.horizontalAdvance(tick.label) + 2;
        const qreal left = std::max(0.0, std::min(x - width / 2, this->width() - width));
        painter.setPen(mainLabelTextColor());
        painter.drawText(QRectF(left, plot.bottom() + kTickLength, width, metrics.height()),
                         Qt::AlignCenter, tick.label);
    }
}

void CapacityChart::drawLegend(QPainter& painter, const QRectF& plot) const {
    const QFontMetricsF metrics(font());
    const qreal middle = crisp(kGap + metrics.height() / 2);
    qreal x = plot.left();
    const auto label = [&](const QString& text) {
        painter.setPen(mainLabelTextColor());
        painter.drawText(QPointF(x + kLegendSample + kGap / 2, kGap + metrics.ascent()), text);
        x += kLegendSample + kGap / 2 + metrics.horizontalAdvance(text) + kGap * 2;
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ringGoodStateColor(), 2));
    painter.drawLine(QPointF(x, middle), QPointF(x + kLegendSample, middle));
    //: Legend of the capacity chart's line of full charge capacities
    label(tr("Full charge"));
    if (_content.designCapacity) {
        painter.setPen(dashed(mainTitlesTextColors()));
        painter.drawLine(QPointF(x, middle), QPointF(x + kLegendSample, middle));
        //: Legend of the capacity chart's line at the design capacity
        label(tr("Design"));
    }
    if (!_content.calibrations.empty()) {
        painter.fillPath(diamond({x + kLegendSample / 2, middle}), ringMediumStateColor());
        //: Legend of the capacity chart's marks of completed calibrations
        label(tr("Calibration"));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void CapacityChart::drawRecords(QPainter& painter, const QRectF& plot) const {
    const qreal markTop = plot.top() - kMarkerSize - 1;
    for (const qreal calibration : _content.calibrations) {
        const qreal x = crisp(position(plot, {calibration, 0}).x());
        painter.setPen(dashed(faded(ringMediumStateColor(), 0.7)));
        painter.drawLine(QPointF(x, markTop), QPointF(x, plot.bottom()));
    }
    if (_content.designCapacity) {
        const qreal y = crisp(position(plot, {0, *_content.designCapacity}).y());
        painter.setPen(dashed(mainTitlesTextColors()));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    for (const qreal calibration : _content.calibrations)
        painter.fillPath(diamond({crisp(position(plot, {calibration, 0}).x()), markTop}),
                         ringMediumStateColor());
    QPolygonF line;
    for (const CapacityChartContent::Point& point : _content.points)
        line << position(plot, point.position);
    QPen pen(ringGoodStateColor(), 2);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawPolyline(line);
    if (line.size() <= qsizetype(kMaximumDots)) {
        painter.setBrush(ringGoodStateColor());
        for (const QPointF& point : std::as_const(line))
            painter.drawEllipse(point, 1.5, 1.5);
    }
    if (_hovered) {
        const QPointF point = position(plot, _content.points[*_hovered].position);
        painter.setPen(QPen(faded(mainLabelTextColor(), 0.5), 1));
        painter.drawLine(QPointF(crisp(point.x()), plot.top()),
                         QPointF(crisp(point.x()), plot.bottom()));
        painter.setPen(QPen(ringGoodStateColor(), 2));
        painter.setBrush(popOverBackgroundColor());
        painter.drawEllipse(point, 4, 4);
    }
}

void CapacityChart::mouseMoveEvent(QMouseEvent* event) {
    const QRectF plot = plotArea();
    select(plot.width() > 0
               ? _content.pointNear((event->position().x() - plot.left()) / plot.width(),
                                    kHoverTolerance / plot.width())
               : std::nullopt,
           event->globalPosition().toPoint());
}

void CapacityChart::keyPressEvent(QKeyEvent* event) {
    if (_content.points.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const size_t last = _content.points.size() - 1;
    std::optional<size_t> point;
    switch (event->key()) {
    case Qt::Key_Home:
        point = 0;
        break;
    case Qt::Key_End:
        point = last;
        break;
    case Qt::Key_Left:
        point = !_hovered ? last : *_hovered > 0 ? *_hovered - 1 : 0;
        break;
    case Qt::Key_Right:
        point = _hovered ? std::min(*_hovered + 1, last) : 0;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    select(point, mapToGlobal(position(plotArea(), _content.points[*point].position).toPoint()));
}

void CapacityChart::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!hasFocus())
        select(std::nullopt, {});
}

// The focus frame comes and goes with the focus.
void CapacityChart::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CapacityChart::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    select(std::nullopt, {});
    update();
}

void CapacityChart::select(std::optional<size_t> point, QPoint tooltipAt) {
    if (point == _hovered)
        return;
    _hovered = point;
    update();
    if (!_hovered) {
        QToolTip::hideText();
        setAccessibleDescription(_summary);
        return;
    }
    const QString text = pointText(_content.points[*_hovered]);
    QToolTip::showText(tooltipAt, text, this);
    // A screen reader reads the point the keys moved to.
    setAccessibleDescription(hasFocus() ? text : _summary);
}
