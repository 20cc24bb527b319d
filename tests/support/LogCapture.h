// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <algorithm>
#include <log4cplus/appender.h>
#include <log4cplus/logger.h>
#include <log4cplus/spi/loggingevent.h>
#include <string>
#include <vector>

// Collects the lines a logger and its children write while the capture lives.
class LogCapture {
public:
    struct Line {
        log4cplus::LogLevel level;
        std::string message;
    };

    explicit LogCapture(const std::string& loggerName)
        : _logger(log4cplus::Logger::getInstance(loggerName))
        , _collector(new Collector)
        , _appender(_collector) {
        _logger.addAppender(_appender);
    }
    ~LogCapture() { _logger.removeAppender(_appender); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<Line>& lines() const { return _collector->lines; }
    // The messages of the lines at `atLeast` or above.
    std::vector<std::string>
    messages(log4cplus::LogLevel atLeast = log4cplus::ALL_LOG_LEVEL) const {
        std::vector<std::string> result;
        for (const Line& line : lines())
            if (line.level >= atLeast)
                result.push_back(line.message);
        return result;
    }
    long count(const std::string& message) const { return std::ranges::count(messages(), message); }
    void clear() { _collector->lines.clear(); }

private:
    struct Collector : log4cplus::Appender {
        ~Collector() override { destructorImpl(); }
        void close() override { closed = true; }
        void append(const log4cplus::spi::InternalLoggingEvent& event) override {
            lines.push_back({event.getLogLevel(), event.getMessage()});
        }
        std::vector<Line> lines;
    };

    log4cplus::Logger _logger;
    Collector* _collector; // kept alive by the appender pointer
    log4cplus::SharedAppenderPtr _appender;
};
